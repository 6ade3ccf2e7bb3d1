// A scripted session of the real program for memory checkers: a dozen experiments on both screens
// with ruler moves, then a confirmed quit and the program's ordinary teardown.
//
//   quorvel_scripted_session [experiments]    (default 12; run it through tools/memcheck.sh)
#include "design/design_window.h"
#include "results/results_window.h"
#include "shell/shell.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

using quorvel::DesignWindow;
using quorvel::ResultsWindow;

namespace {

void click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Lets every pending paint happen, so drawing code runs as it does for a pupil.
void showFrames(QWidget& window)
{
    QCoreApplication::processEvents();
    const QPixmap frame = window.grab();
    Q_UNUSED(frame);
}

// One experiment: its minerals and water by bits, the cutting, the results and the ruler.
void experiment(quorvel::Shell& shell, int number)
{
    DesignWindow& design = shell.design();
    click(design.Cmd_Button(quorvel::DesignCommand::StartAgain));
    const int given = (number * 37 + 5) % 64;
    const bool waterFirst = number % 2 == 0;
    const bool water = number % 4 != 3;
    if (water && waterFirst)
        click(design.AddZelcor(quorvel::DesignWindow::kWaterButton));
    for (int mineral = 1; mineral <= 6; ++mineral)
        if (given & (1 << (mineral - 1)))
            click(design.AddZelcor(mineral));
    if (water && !waterFirst)
        click(design.AddZelcor(quorvel::DesignWindow::kWaterButton));
    if (number % 6 != 5)
        click(design.Cmd_Button(quorvel::DesignCommand::AddCutting));
    showFrames(design);
    click(design.Cmd_Button(quorvel::DesignCommand::SeeResults));

    ResultsWindow& results = shell.results();
    showFrames(results);
    QWindow* window = results.windowHandle();
    // Place the ruler beside the stem, then drag it by its middle to a new place.
    click(results.Cmd_Button(quorvel::ResultsCommand::MoveRuler));
    QTest::mouseMove(window, QPoint(500 + number, 100));
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(500 + number, 40));
    const QPoint grab = results.Ruler()->geometry().center();
    QTest::mousePress(window, Qt::LeftButton, {}, grab);
    QTest::mouseMove(window, grab + QPoint(-20, 10));
    QTest::mouseRelease(window, Qt::LeftButton, {}, grab + QPoint(-40 - number, 20));
    showFrames(results);
    click(results.Cmd_Button(quorvel::ResultsCommand::Quit)); // answered No
    click(results.Cmd_Button(quorvel::ResultsCommand::NewExperiment));
    showFrames(design);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int experiments = argc > 1 ? std::max(1, std::atoi(argv[1])) : 12;

    bool finishing = false;
    int asked = 0;
    quorvel::Shell::Options options;
    options.confirmQuit = [&finishing, &asked] {
        ++asked;
        return finishing ? quorvel::kAnswerYes : quorvel::kAnswerNo;
    };
    quorvel::Shell shell(std::move(options));
    shell.start();

    QTimer::singleShot(0, &app, [&] {
        for (int number = 0; number < experiments; ++number)
            experiment(shell, number);
        // Let the syringe's refill tick run at least once before the end.
        QTest::qWait(600);
        finishing = true;
        // Answered Yes: the event loop ends.
        click(shell.design().Cmd_Button(quorvel::DesignCommand::Quit));
    });
    const int status = QApplication::exec();
    std::printf("%d experiments, quit asked %d times, ended %s\n", experiments, asked,
                shell.ended() ? "by Yes" : "otherwise");
    return status;
}
