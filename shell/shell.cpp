// Screen switching, start-up and the end of the program.
#include "shell/shell.h"

#include "controls/accessible_controls.h"
#include "design/design_window.h"
#include "help/command_tips.h"
#include "help/help_window.h"
#include "notebook/notebook_table.h"
#include "notebook/notebook_window.h"
#include "results/results_window.h"
#include "shell/bundled_font.h"
#include "shell/freed_memory.h"
#include "shell/web_page.h"

#include <QApplication>
#include <QKeySequence>
#include <QPixmapCache>
#include <QShortcut>
#include <QWindow>

namespace quorvel {

Shell::Shell()
    : Shell(Options())
{}

Shell::Shell(Options options)
    : m_options(std::move(options))
    , m_notebook(std::make_unique<NotebookTable>())
{
    returnFreedMemoryPromptly();
    registerBundledFont();
    // Qt 6.4's pixmap cache keeps the name of every pixmap it was ever given, even once it has
    // let the pixmap go, and the style names each button face after its size: every new window
    // size would leave names behind for good. With no room in the cache the style draws the
    // faces afresh, the same pixels, and no name is kept.
    QPixmapCache::setCacheLimit(0);
    if (!m_options.random)
        m_options.random = [this] { return m_randomSource.next(); };
    installAccessibleControls();
}

Shell::~Shell() = default;

DesignWindow& Shell::design()
{
    if (!m_design) {
        m_design = std::make_unique<DesignWindow>(*this);
        m_design->Form_Load();
        help::setCommandTips(*m_design);
        offerHelp(*m_design, help::HelpTopic::DesignScreen);
    }
    return *m_design;
}

ResultsWindow& Shell::results()
{
    if (!m_results) {
        m_results = std::make_unique<ResultsWindow>(*this);
        m_results->Form_Load();
        help::setCommandTips(*m_results);
        offerHelp(*m_results, help::HelpTopic::ResultsScreen);
        connect(m_results.get(), &ResultsWindow::grew, m_notebook.get(), &NotebookTable::addRun);
        connect(m_results.get(), &ResultsWindow::rulerPlaced, m_notebook.get(),
                &NotebookTable::setReading);
    }
    return *m_results;
}

void Shell::start()
{
    DesignWindow& screen = design();
    webpage::showFirstScreen(screen);
    screen.Form_Activate();
}

void Shell::showResults()
{
    switchTo(results(), m_design.get());
}

void Shell::showDesign()
{
    switchTo(design(), m_results.get());
}

void Shell::switchTo(ScreenWindow& screen, ScreenWindow* replaced)
{
    if (replaced)
        screen.showInViewOf(*replaced);
    else
        screen.show();
    screen.raise();
    screen.activateWindow();
    screen.Form_Activate();
    if (replaced)
        replaced->hide();
}

AddedCaptions Shell::designRecord()
{
    return design().record();
}

QMargins Shell::windowFrame(const QWidget& window)
{
    if (m_options.windowFrame)
        return m_options.windowFrame(window);
    return window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
}

int Shell::ConfirmQuit()
{
    if (m_options.confirmQuit)
        return m_options.confirmQuit();
    QWidget* over = QApplication::activeWindow();
    if (!over)
        over = (m_results && m_results->isVisible()) ? static_cast<QWidget*>(m_results.get())
                                                     : static_cast<QWidget*>(m_design.get());
    return askToQuit(over, [this] { endProgramAtOnce(); });
}

int Shell::quitIfConfirmed()
{
    const int answer = ConfirmQuit();
    if (answer == kAnswerYes)
        endProgramAtOnce();
    return answer;
}

void Shell::endProgramAtOnce()
{
    if (m_ended)
        return;
    m_ended = true;
    // Hiding sends no close event, so no screen asks a second time.
    if (m_help)
        m_help->hide();
    if (m_notebookWindow)
        m_notebookWindow->hide();
    if (m_results)
        m_results->hide();
    if (m_design)
        m_design->hide();
    if (m_options.endProgram) {
        m_options.endProgram();
        return;
    }
    webpage::tellPageProgramEnded();
    QCoreApplication::exit(0);
}

void Shell::offerHelp(ScreenWindow& screen, help::HelpTopic topic)
{
    screen.setAccessibleDescription(help::screenDescription(topic));
    auto* f1 = new QShortcut(QKeySequence::HelpContents, &screen);
    connect(f1, &QShortcut::activated, this, [this, topic] { showHelp(topic); });
    // Ctrl+H, as a browser opens its history: the record of what came before. Fixed in every
    // language, as F1 is, so that a teacher can name it to the whole class.
    auto* notebookKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), &screen);
    connect(notebookKey, &QShortcut::activated, this, &Shell::showNotebook);
}

void Shell::showHelp(help::HelpTopic topic)
{
    if (!m_help) {
        m_help = std::make_unique<HelpWindow>();
        connect(m_help.get(), &HelpWindow::notebookAsked, this, &Shell::showNotebook);
    }
    m_help->showTopic(topic);
}

void Shell::showNotebook()
{
    if (!m_notebookWindow)
        m_notebookWindow = std::make_unique<NotebookWindow>(*m_notebook);
    m_notebookWindow->showNotebook();
}

} // namespace quorvel
