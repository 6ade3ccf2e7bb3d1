// Window behaviour shared by the Design and Results screens.
#include "controls/screen_window.h"

#include "controls/announcer.h"
#include "controls/touch_as_mouse.h"
#include "controls/twips.h"
#include "model/quit_answer.h"
#include "pictures/drawings.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPixmap>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <cmath>

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

ScreenWindow::ScreenWindow(ScreenHost& host, const QString& title, int outerWidthTwips,
                           int outerHeightTwips)
    : TwipsWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                               Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_host(host)
    , m_outerWidthTwips(outerWidthTwips)
    , m_outerHeightTwips(outerHeightTwips)
{
    setWindowTitle(title);
    m_announcer = new Announcer(this);
    new TouchAsMouse(this);
    setWindowIcon(QIcon(new IconBeforeFirstFrame));
    new IconAfterFirstFrame(this);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);

    // A projection fills the screen with F11, and Escape brings the window back.
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &ScreenWindow::toggleFullScreen);
    auto* leaveFullScreen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(leaveFullScreen, &QShortcut::activated, this, [this] {
        if (isFullScreen())
            toggleFullScreen();
    });
}

void ScreenWindow::announce(const QString& text)
{
    m_announcer->announce(text);
    Q_EMIT announced(text);
}

void ScreenWindow::toggleFullScreen()
{
    if (!isFullScreen()) {
        setWindowState(windowState() | Qt::WindowFullScreen);
        return;
    }
    // Back to the state under it; in the normal state, to the place it had (or took) there.
    const Qt::WindowStates under = windowState() & ~Qt::WindowFullScreen;
    setWindowState(under);
    if (under == Qt::WindowNoState && m_normalGeometry.isValid())
        setGeometry(m_normalGeometry);
}

QRect ScreenWindow::viewGeometry() const
{
    return m_normalGeometry.isValid() ? m_normalGeometry : geometry();
}

void ScreenWindow::showInViewOf(const ScreenWindow& replaced)
{
    constexpr Qt::WindowStates kFilling = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (replaced.screen() && replaced.screen() != screen())
        setScreen(replaced.screen());
    const Qt::WindowStates state = replaced.windowState() & kFilling;
    const Qt::WindowStates own = windowState() & kFilling;
    // Leaving the state later comes back to the replaced screen's place.
    const QRect normal = replaced.viewGeometry();
    // Never yet framed at its own size, the window takes the frame the replaced screen has there:
    // both are the same size, in the same window manager.
    if (!m_frameKnown && replaced.m_frameKnown) {
        const bool atOwnSize = size() == m_defaultClientSize;
        m_frameKnown = true;
        adoptFrame(replaced.m_appliedFrame);
        if (atOwnSize)
            resize(m_defaultClientSize);
    }
    if (state != Qt::WindowNoState) {
        if (normal.size() != replaced.defaultClientSize() || own != Qt::WindowNoState)
            m_normalGeometry = normal;
        // On the display the replaced screen fills, not on the one this window last showed on.
        if (state != own && replaced.screen())
            move(replaced.screen()->geometry().topLeft());
        if (state == own)
            show();
        else if (state & Qt::WindowFullScreen)
            showFullScreen();
        else
            showMaximized();
        return;
    }
    if (own != Qt::WindowNoState) {
        setWindowState(Qt::WindowNoState);
        setGeometry(normal);
        show();
        return;
    }
    // Where both sit as they were loaded, as at every start, nothing changes.
    if (replaced.size() != replaced.defaultClientSize())
        resize(replaced.size());
    if (replaced.pos() != pos())
        move(replaced.pos());
    show();
}

void ScreenWindow::loadGeometry()
{
    setWindowState(Qt::WindowNoState);
    m_loaded = true;
    applyOuterSize();
}

void ScreenWindow::adoptFrame(const QMargins& frame)
{
    m_appliedFrame = frame;
    m_defaultClientSize = QSize(twipsToPixels(m_outerWidthTwips) - frame.left() - frame.right(),
                                twipsToPixels(m_outerHeightTwips) - frame.top() - frame.bottom());
    // Smaller than half the layout the captions could not be read; larger has no limit.
    setMinimumSize(m_defaultClientSize / 2);
}

void ScreenWindow::applyOuterSize()
{
    // The outer size includes the frame where the window system reports one; without a frame
    // (or before it is known) the whole size is client area.
    // Loading is in the normal state: a frame known already (as on some window systems before
    // the window is first shown) is the frame at the window's own size.
    if (!m_frameKnown) {
        m_appliedFrame = m_host.windowFrame(*this);
        m_frameKnown = !m_appliedFrame.isNull();
    }
    adoptFrame(m_appliedFrame);
    resize(m_defaultClientSize);
    scaleToWindow();

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
    rememberNormalGeometry();
    // The frame becomes known only after the window manager has framed the window; the outer
    // size is set again then, unless the pupil has already resized it. It is taken once, in the
    // normal state: the frame of a maximised or full-screen window, which may come before or
    // after the change of state is reported, never changes the layout's size.
    if (!m_loaded || m_frameKnown || !windowHandle() || windowState() != Qt::WindowNoState)
        return;
    const QMargins frame = m_host.windowFrame(*this);
    if (frame == m_appliedFrame)
        return;
    const bool atOwnSize = size() == m_defaultClientSize;
    m_frameKnown = true;
    adoptFrame(frame);
    if (atOwnSize) {
        applyOuterSize();
        return;
    }
    scaleToWindow();
}

void ScreenWindow::resizeEvent(QResizeEvent* event)
{
    TwipsWindow::resizeEvent(event);
    rememberNormalGeometry();
    scaleToWindow();
}

void ScreenWindow::rememberNormalGeometry()
{
    if (windowState() == Qt::WindowNoState)
        m_normalGeometry = geometry();
}

void ScreenWindow::scaleToWindow()
{
    if (!m_defaultClientSize.isValid() || m_defaultClientSize.isEmpty())
        return;
    if (size() == m_defaultClientSize) {
        setTwipsFrame(TwipsFrame());
        return;
    }
    // The whole layout as one picture, as large as fits, centred with white margins around it.
    TwipsFrame frame;
    frame.scale = std::min(double(width()) / m_defaultClientSize.width(),
                           double(height()) / m_defaultClientSize.height());
    const QSize drawn(int(std::lround(m_defaultClientSize.width() * frame.scale)),
                      int(std::lround(m_defaultClientSize.height() * frame.scale)));
    frame.origin = QPoint((width() - drawn.width()) / 2, (height() - drawn.height()) / 2);
    setTwipsFrame(frame);
}

void ScreenWindow::Form_Unload(Boolean16& Cancel)
{
    if (m_host.quitIfConfirmed() == kAnswerNo)
        Cancel = kTrue;
}

void ScreenWindow::closeEvent(QCloseEvent* event)
{
    // On Yes the shell has ended the program at once, hiding every window, so the close finds
    // the window gone already; on No the close is cancelled and the window stays as it was.
    Boolean16 cancel = kFalse;
    Form_Unload(cancel);
    event->setAccepted(cancel == kFalse);
}

} // namespace quorvel
