// The pupil's notebook: a window of its own, like the Help, with every experiment of the lesson
// in a table and a bar chart, to delete, clear, save as CSV or print. Not a screen of the
// experiment: it never activates a screen and never asks to quit.
#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

namespace quorvel {

class BarChart;
class NotebookTable;

class NotebookWindow : public QWidget {
    Q_OBJECT
public:
    // Asks a yes-or-no question over the window; true for yes.
    using Ask = std::function<bool(QWidget* over, const QString& question)>;
    // Tells the pupil something went wrong.
    using Tell = std::function<void(QWidget* over, const QString& message)>;

    explicit NotebookWindow(NotebookTable& notebook, Ask ask = {}, Tell tell = {});

    // Shows the window and brings it to the front, the newest experiment marked.
    void showNotebook();

    // The commands, as the buttons and their keys give them.
    void deleteExperiment();
    void clearNotebook();
    void saveAsCsv();
    void print();
    void setShowModelHeights(bool show);

    QTableView* table() const { return m_table; }
    BarChart* chart() const { return m_chart; }
    QCheckBox* modelHeights() const { return m_modelHeights; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* clearButton() const { return m_clear; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* printButton() const { return m_print; }

private:
    void enableCommands();

    NotebookTable& m_notebook;
    Ask m_ask;
    Tell m_tell;
    QTableView* m_table = nullptr;
    BarChart* m_chart = nullptr;
    QCheckBox* m_modelHeights = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_print = nullptr;
};

} // namespace quorvel
