// The notebook's bar chart: one bar for each experiment, as tall as the height the pupil read,
// labelled with what the experiment left out. Drawn by Qt's painter at whatever size and scale it
// is painted, so it is as sharp on a projector and on paper as on the screen.
//
// It is a table view whose cells are drawn as bars: a screen reader reads it as a table of two
// columns, what was left out and the height, and the arrow keys go from bar to bar.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>

namespace quorvel {

class NotebookTable;

// The chart's two columns, row for row with the notebook.
class ChartRows : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { LeftOut, Height };

    explicit ChartRows(const NotebookTable& notebook, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const NotebookTable& m_notebook;
};

struct ChartLook {
    QFont font;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    bool showModelHeights = false;
    int currentRow = -1; // drawn with a focus frame; -1 for none
};

// Draws the chart of the notebook into area.
void drawBarChart(QPainter& painter, const QRectF& area, const NotebookTable& notebook,
                  const ChartLook& look);

class BarChart : public QTableView {
    Q_OBJECT
public:
    BarChart(const NotebookTable& notebook, QWidget* parent = nullptr);

    void setShowModelHeights(bool show);
    QSize sizeHint() const override;
    // Where a row's bar and its label are drawn, for the mouse, the focus and screen readers.
    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The bar slot of a row, in the viewport's pixels.
    QRect slotRect(int row) const;

    const NotebookTable& m_notebook;
    ChartRows m_rows;
    bool m_showModelHeights = false;
};

} // namespace quorvel
