// The notebook's window, its commands and their questions.
#include "notebook/notebook_window.h"

#include "controls/saved_file.h"
#include "controls/screen_font.h"
#include "notebook/bar_chart.h"
#include "notebook/notebook_export.h"
#include "notebook/notebook_table.h"
#include "pictures/drawings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#ifdef QUORVEL_PRINTING
#include <QPrintDialog>
#include <QPrinter>
#endif

namespace quorvel {

namespace {
constexpr QSize kStartSizePixels(1120, 820);

bool askByMessageBox(QWidget* over, const QString& question)
{
    return QMessageBox::question(over, notebookTitle(), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void tellByMessageBox(QWidget* over, const QString& message)
{
    QMessageBox::warning(over, notebookTitle(), message);
}
} // namespace

NotebookWindow::NotebookWindow(NotebookTable& notebook, Ask ask, Tell tell)
    : m_notebook(notebook)
    , m_ask(ask ? std::move(ask) : Ask(askByMessageBox))
    , m_tell(tell ? std::move(tell) : Tell(tellByMessageBox))
{
    setWindowTitle(notebookTitle());
    setWindowIcon(drawings::programIcon());
    // The face the program carries, at the screens' size, on every platform: the chart on paper
    // and in a PDF is drawn in it too, so it must be one that scales, which "MS Sans Serif" on
    // Windows is not. A script's own font, where the language needs one, comes first.
    QFont readable = screenFont();
    const QString carried = QStringLiteral("Liberation Sans");
    readable.setFamilies(QFont::substitutes(carried) + QStringList{carried});
    setFont(readable);

    auto* intro = new QLabel(
        tr("Every plant you grow is written here. Measure each one with the ruler: the height "
           "you read at the foot of the stem goes into the table."),
        this);
    intro->setWordWrap(true);

    m_table = new QTableView(this);
    m_table->setModel(&m_notebook);
    m_table->setAccessibleName(tr("Your experiments"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(true);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(int(NotebookColumn::Leaves),
                                                      QHeaderView::Stretch);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setColumnHidden(int(NotebookColumn::ModelHeight), true);

    m_chart = new BarChart(m_notebook, this);

    m_modelHeights =
        new QCheckBox(tr("&Show the heights according to Quorvel (for the teacher)"), this);
    m_delete = new QPushButton(tr("&Delete experiment…"), this);
    m_clear = new QPushButton(tr("C&lear notebook…"), this);
    m_save = new QPushButton(tr("Save as &CSV…"), this);
    m_print = new QPushButton(tr("&Print…"), this);
    m_print->setVisible(printingAvailable());
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* commands = new QHBoxLayout;
    commands->addWidget(m_delete);
    commands->addWidget(m_clear);
    commands->addStretch(1);
    commands->addWidget(m_save);
    commands->addWidget(m_print);
    commands->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_table, 3);
    layout->addWidget(m_chart, 4);
    layout->addWidget(m_modelHeights);
    layout->addLayout(commands);
    resize(kStartSizePixels);

    connect(m_modelHeights, &QCheckBox::toggled, this, &NotebookWindow::setShowModelHeights);
    connect(m_delete, &QPushButton::clicked, this, &NotebookWindow::deleteExperiment);
    connect(m_clear, &QPushButton::clicked, this, &NotebookWindow::clearNotebook);
    connect(m_save, &QPushButton::clicked, this, &NotebookWindow::saveAsCsv);
    connect(m_print, &QPushButton::clicked, this, &NotebookWindow::print);
    connect(close, &QDialogButtonBox::rejected, this, &QWidget::close);
    // The desktop's own keys for these commands.
    const auto key = [this](QKeySequence sequence, auto command, QWidget* scope = nullptr) {
        auto* shortcut = new QShortcut(sequence, scope ? scope : this);
        if (scope)
            shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, command);
    };
    key(QKeySequence(Qt::Key_Escape), &QWidget::close);
    key(QKeySequence::Save, &NotebookWindow::saveAsCsv);
    if (printingAvailable())
        key(QKeySequence::Print, &NotebookWindow::print);
    key(QKeySequence::Delete, &NotebookWindow::deleteExperiment, m_table);

    connect(&m_notebook, &NotebookTable::notebookChanged, this, &NotebookWindow::enableCommands);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &NotebookWindow::enableCommands);
    enableCommands();
}

void NotebookWindow::enableCommands()
{
    const bool any = m_notebook.rowCount() > 0;
    m_delete->setEnabled(m_table->currentIndex().isValid());
    m_clear->setEnabled(any);
    m_save->setEnabled(any);
    m_print->setEnabled(any);
}

void NotebookWindow::showNotebook()
{
    if (m_notebook.rowCount() > 0 && !isVisible())
        m_table->setCurrentIndex(m_notebook.index(m_notebook.rowCount() - 1, 0));
    show();
    raise();
    activateWindow();
    m_table->setFocus(Qt::OtherFocusReason);
}

void NotebookWindow::setShowModelHeights(bool show)
{
    m_modelHeights->setChecked(show);
    m_table->setColumnHidden(int(NotebookColumn::ModelHeight), !show);
    m_chart->setShowModelHeights(show);
}

void NotebookWindow::deleteExperiment()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    const QString number = m_notebook.text(current.row(), NotebookColumn::Number);
    if (!m_ask(this, tr("Delete experiment %1 from the notebook?").arg(number)))
        return;
    m_notebook.removeRow(current.row());
}

void NotebookWindow::clearNotebook()
{
    if (m_notebook.rowCount() == 0)
        return;
    if (!m_ask(this, tr("Clear the notebook? Every experiment in it is deleted.")))
        return;
    m_notebook.clear();
}

void NotebookWindow::saveAsCsv()
{
    if (m_notebook.rowCount() == 0)
        return;
    const SaveOutcome outcome =
        saveWithDialog(this, tr("Save as CSV"),
                       //: The file name offered for the notebook, without ".csv".
                       tr("notebook") + QStringLiteral(".csv"), tr("CSV files (*.csv)"),
                       notebookCsv(m_notebook, m_modelHeights->isChecked()));
    if (!outcome.saved && !outcome.error.isEmpty())
        m_tell(this, tr("The notebook could not be saved: %1. Nothing in it was lost; you can "
                        "save it somewhere else.")
                         .arg(outcome.error));
}

void NotebookWindow::print()
{
#ifdef QUORVEL_PRINTING
    if (m_notebook.rowCount() == 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(notebookTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printNotebook(printer, m_notebook, m_modelHeights->isChecked(), font(), layoutDirection()))
        m_tell(this, tr("The notebook could not be printed. Nothing in it was lost."));
#endif
}

} // namespace quorvel
