// The notebook as a table of rows and columns, for the notebook's view, its chart, its CSV file
// and its printout alike. It owns the lesson's notebook.
#pragma once

#include "model/notebook.h"

#include <QAbstractTableModel>

namespace quorvel {

enum class NotebookColumn : int {
    Number,
    Water,
    FirstMineral, // then the other five, in the minerals' fixed order
    Leaves = FirstMineral + kMineralCount,
    Height,
    ModelHeight,
};
constexpr int kNotebookColumnCount = int(NotebookColumn::ModelHeight) + 1;

class NotebookTable : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit NotebookTable(QObject* parent = nullptr);

    // What the screens tell it.
    void addRun(const GrowthRun& run);
    // The ruler was put down while the newest run was on the screen.
    void setReading(std::optional<int> readingTwips);
    void removeRow(int row);
    void clear();

    const Notebook& notebook() const { return m_notebook; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A cell as the view shows it: words and numbers in the pupil's language.
    QString text(int row, NotebookColumn column) const;
    // A cell as a spreadsheet reads it: heights in plain digits with a point, never grouped.
    QString plainText(int row, NotebookColumn column) const;
    QString heading(NotebookColumn column) const;

    // What the experiment left out, for the chart's label: "Nothing", or the names, in the
    // pupil's language.
    static QString leftOut(const GrowthRun& run);
    // What the leaves show, each look once, from the bottom up; "No leaves" for none.
    static QString leafWords(const GrowthRun& run);

Q_SIGNALS:
    // The newest entry's reading changed, or a row came or went: the chart draws again.
    void notebookChanged();

private:
    Notebook m_notebook;
    int m_onScreen = 0; // the number of the experiment the Results screen shows; 0 for none
};

} // namespace quorvel
