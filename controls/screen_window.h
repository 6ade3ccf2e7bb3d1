// What both screens share as windows: their outer size and centring at load, icon, the quit rule
// on close, and the whole layout scaled as one picture when the window is resized.
#pragma once

#include "controls/screen_host.h"
#include "controls/twips_window.h"
#include "model/experiment_state.h"

#include <QMargins>
#include <QSize>

namespace quorvel {

class Announcer;

class ScreenWindow : public TwipsWindow {
    Q_OBJECT
public:
    ScreenWindow(ScreenHost& host, const QString& title, int outerWidthTwips, int outerHeightTwips);

    // The screen becoming the active one among the program's own screens. Raised by the shell when
    // it switches screens, never by the window system (returning from another application,
    // closing a message box, resizing or a change of window state is no activation).
    virtual void Form_Activate() = 0;

    // The pupil closing the window: the quit rule; on No, Cancel true (-1) keeps it open and
    // unchanged.
    void Form_Unload(Boolean16& Cancel);

    // The client size the layout is made for; the window at this size shows it at scale 1.
    QSize defaultClientSize() const { return m_defaultClientSize; }
    // F11: full screen, and back to the state before.
    void toggleFullScreen();
    // Shows the screen in the window state and at the place of the screen it replaces, so that
    // switching screens keeps the view (a maximised or full-screen projection stays so).
    void showInViewOf(const ScreenWindow& replaced);

    // Tells a screen reader, in a few words, what a step of the pupil changed.
    void announce(const QString& text);

Q_SIGNALS:
    // What a step of the pupil changed, in a few words, as a screen reader hears it.
    void announced(const QString& text);

protected:
    // Normal window state, the outer size set, read back, and centred on the screen.
    void loadGeometry();

    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    ScreenHost& m_host;

private:
    void applyOuterSize();
    void rememberNormalGeometry();
    // Where the window sits in the normal state, or would come back to from a filling one.
    QRect viewGeometry() const;
    // The frame the outer size is taken with: the client size the layout is made for, and the
    // smallest the window may become.
    void adoptFrame(const QMargins& frame);
    void scaleToWindow();

    Announcer* m_announcer = nullptr;
    int m_outerWidthTwips;
    int m_outerHeightTwips;
    bool m_loaded = false;
    QMargins m_appliedFrame;
    // The frame the window manager draws around the window at its own size, once known. A
    // maximised or full-screen window often gets a thinner one; the layout's size never follows it.
    bool m_frameKnown = false;
    QSize m_defaultClientSize;
    QRect m_normalGeometry; // the last place in the normal state, or the one taken over
};

} // namespace quorvel
