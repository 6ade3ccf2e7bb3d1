// A shell wired for tests.
#include "screen_fixture.h"

#include "controls/pointer_shape.h"

#include <QApplication>
#include <QCloseEvent>

namespace testing {

ScreenFixture::ScreenFixture()
{
    quorvel::Shell::Options options;
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

int storeIndex(StorePicture array, int count, const QPixmap& shown)
{
    const quorvel::Graphics& store = quorvel::Graphics::instance();
    for (int i = 0; i < count; ++i)
        if ((store.*array)(i).cacheKey() == shown.cacheKey())
            return i;
    return -1;
}

void ScreenFixture::click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void ScreenFixture::closeWindow(QWidget* window)
{
    QCloseEvent event;
    QApplication::sendEvent(window, &event);
}

void ScreenFixture::windowSystemActivation(QWidget* window)
{
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
    window->activateWindow();
    QCoreApplication::processEvents();
}

} // namespace testing
