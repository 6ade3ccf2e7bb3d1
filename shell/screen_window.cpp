// Window behaviour shared by the Design and Results screens.
#include "shell/screen_window.h"

#include "controls/twips.h"
#include "pictures/drawings.h"
#include "shell/shell.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

namespace quorvel {

namespace {

// Stands in for the program icon until the window's first frame: an icon, but one with no
// pictures, so a window system that draws every size of an icon while the window is being shown
// (as X11 does, all seven) has nothing to draw then.
class IconBeforeFirstFrame : public QIconEngine {
public:
    QPixmap pixmap(const QSize&, QIcon::Mode, QIcon::State) override { return {}; }
    void paint(QPainter*, const QRect&, QIcon::Mode, QIcon::State) override {}
    QIconEngine* clone() const override { return new IconBeforeFirstFrame; }
    QString key() const override { return QStringLiteral("quorvel-icon-before-first-frame"); }
};

// Gives the window the program icon once its first frame has been painted, so that drawing the
// icon's sizes never delays the first sight of the screen.
class IconAfterFirstFrame : public QObject {
public:
    explicit IconAfterFirstFrame(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            // Queued, so it runs after this paint has been drawn and flushed.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_window->setWindowIcon(drawings::programIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

ScreenWindow::ScreenWindow(Shell& shell, const QString& title, int outerWidthTwips,
                           int outerHeightTwips)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::CustomizeWindowHint)
    , m_shell(shell)
    , m_outerWidthTwips(outerWidthTwips)
    , m_outerHeightTwips(outerHeightTwips)
{
    setWindowTitle(title);
    setWindowIcon(QIcon(new IconBeforeFirstFrame));
    new IconAfterFirstFrame(this);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void ScreenWindow::loadGeometry()
{
    setWindowState(Qt::WindowNoState);
    m_loaded = true;
    applyOuterSize();
}

void ScreenWindow::applyOuterSize()
{
    // The outer size includes the frame where the window system reports one; without a frame
    // (or before it is known) the whole size is client area.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    m_appliedFrame = frame;
    const int outerWidth = twipsToPixels(m_outerWidthTwips);
    const int outerHeight = twipsToPixels(m_outerHeightTwips);
    setFixedSize(outerWidth - frame.left() - frame.right(),
                 outerHeight - frame.top() - frame.bottom());

    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect display = screen->geometry();
    // The size is read back from the window; the halves are kept unrounded until they become
    // pixels.
    const float height = static_cast<float>(pixelsToTwips(frameGeometry().height()));
    const float width = static_cast<float>(pixelsToTwips(frameGeometry().width()));
    const float top = (static_cast<float>(pixelsToTwips(display.height())) - height) / 2.0f;
    const float left = (static_cast<float>(pixelsToTwips(display.width())) - width) / 2.0f;
    move(display.x() + twipsToPixels(left), display.y() + twipsToPixels(top));
}

void ScreenWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // The frame becomes known only after the window manager has framed the window.
    if (m_loaded && windowHandle() && windowHandle()->frameMargins() != m_appliedFrame)
        applyOuterSize();
}

void ScreenWindow::Form_Unload(Boolean16& Cancel)
{
    if (m_shell.quitIfConfirmed() == kAnswerNo)
        Cancel = kTrue;
}

void ScreenWindow::closeEvent(QCloseEvent* event)
{
    // The window itself never closes while the program runs: on Yes the shell ends the program
    // at once (hiding every window, so no close runs twice); on No the close is cancelled.
    event->ignore();
    Boolean16 cancel = kFalse;
    Form_Unload(cancel);
}

} // namespace quorvel
