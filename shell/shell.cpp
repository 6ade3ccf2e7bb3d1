// Screen switching, start-up and the end of the program.
#include "shell/shell.h"

#include "controls/accessible_controls.h"
#include "design/design_window.h"
#include "help/command_tips.h"
#include "help/help_window.h"
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
}

void Shell::showHelp(help::HelpTopic topic)
{
    if (!m_help)
        m_help = std::make_unique<HelpWindow>();
    m_help->showTopic(topic);
}

} // namespace quorvel
