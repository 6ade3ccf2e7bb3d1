// Starts the program on the Design screen, switches screens, and ends the program on a confirmed
// quit.
#pragma once

#include "controls/screen_host.h"
#include "model/random_source.h"
#include "shell/confirm_quit.h"

#include <QObject>
#include <functional>
#include <memory>

namespace quorvel {

class DesignWindow;
class HelpWindow;
class NotebookTable;
class NotebookWindow;
class ResultsWindow;
class ScreenWindow;
namespace help {
enum class HelpTopic : int;
}

class Shell : public QObject, public ScreenHost {
    Q_OBJECT
public:
    struct Options {
        // Asks whether to quit and returns 6 (Yes) or 7 (No). Default: the real message box.
        ConfirmQuitFunction confirmQuit;
        // Ends the process. Default: leave the application's event loop.
        std::function<void()> endProgram;
        // The program's one generator of values in [0, 1). Default: a RandomSource, whose fixed
        // seed draws the same sequence at every start.
        std::function<float()> random;
        // The frame the window manager draws around a window. Default: what the window system
        // reports for it.
        std::function<QMargins(const QWidget& window)> windowFrame;
    };

    Shell();
    explicit Shell(Options options);
    ~Shell() override;

    // Loads the Design screen, shows it and activates it.
    void start();

    DesignWindow& design();
    // The Results screen, loaded on first use.
    ResultsWindow& results();
    bool resultsLoaded() const { return m_results != nullptr; }

    // What the screens ask of the program (ScreenHost).
    void showResults() override;
    void showDesign() override;
    int quitIfConfirmed() override;
    AddedCaptions designRecord() override;
    float nextRandom() override { return m_options.random(); }
    QMargins windowFrame(const QWidget& window) override;

    // The one confirmation every way of quitting passes through: 6 Yes, 7 No.
    int ConfirmQuit();
    // Every screen goes away at once and the program ends; no close handling runs.
    void endProgramAtOnce();
    bool ended() const { return m_ended; }

    // Opens the one Help window on the topic, without activating any screen. Created on first use.
    void showHelp(help::HelpTopic topic);
    HelpWindow* helpWindow() const { return m_help.get(); }

    // The lesson's notebook: written by every growth run, kept for the run of the program.
    NotebookTable& notebook() { return *m_notebook; }
    // Opens the one notebook window, without activating any screen. Created on first use.
    void showNotebook();
    NotebookWindow* notebookWindow() const { return m_notebookWindow.get(); }

private:
    // F1, the notebook's key, the command tooltips and the hint in the screen's description:
    // nothing that moves a control or changes a pixel of the screen.
    void offerHelp(ScreenWindow& screen, help::HelpTopic topic);
    // Shows the screen in the view of the one it replaces (if any), activates it, then hides
    // the replaced one.
    void switchTo(ScreenWindow& screen, ScreenWindow* replaced);

    Options m_options;
    RandomSource m_randomSource;
    std::unique_ptr<DesignWindow> m_design;
    std::unique_ptr<ResultsWindow> m_results;
    std::unique_ptr<HelpWindow> m_help;
    std::unique_ptr<NotebookTable> m_notebook;
    std::unique_ptr<NotebookWindow> m_notebookWindow;
    bool m_ended = false;
};

} // namespace quorvel
