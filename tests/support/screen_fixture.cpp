// A shell wired for tests.
#include "screen_fixture.h"

#include "controls/pointer_shape.h"

#include <QApplication>
#include <QWindow>

namespace testing {

ScreenFixture::ScreenFixture(std::function<QMargins(const QWidget&)> windowFrame)
{
    quorvel::Shell::Options options;
    options.windowFrame = std::move(windowFrame);
    options.confirmQuit = [this] {
        ++asked;
        if (answers.empty())
            return quorvel::kAnswerNo;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    };
    options.endProgram = [this] { ++ended; };
    options.random = [this] { return random(); };
    shell = std::make_unique<quorvel::Shell>(std::move(options));
    shell->start();
}

ScreenFixture::~ScreenFixture()
{
    shell.reset();
    quorvel::setPointerShape(quorvel::PointerShape::Default);
}

void ScreenFixture::fill(oracle::Given given, bool water, bool cutting)
{
    quorvel::DesignWindow& w = design();
    if (water)
        click(w.AddZelcor(quorvel::DesignWindow::kWaterButton));
    for (int i = 1; i <= quorvel::kMineralCount; ++i)
        if (given.test(std::size_t(i - 1)))
            click(w.AddZelcor(i));
    if (cutting)
        click(w.Cmd_Button(quorvel::DesignCommand::AddCutting));
}

quorvel::ResultsWindow& ScreenFixture::grow(oracle::Given given, bool water, bool cutting)
{
    fill(given, water, cutting);
    click(design().Cmd_Button(quorvel::DesignCommand::SeeResults));
    return results();
}

void ScreenFixture::click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void ScreenFixture::closeWindow(QWidget* window)
{
    // Through the window system's own path, which closes the window unless the close is refused.
    window->windowHandle()->close();
}

void ScreenFixture::windowSystemActivation(QWidget* window)
{
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
    window->activateWindow();
    QCoreApplication::processEvents();
}

} // namespace testing
