// What both screens share as windows: fixed outer size, centring, icon, and the quit rule on close.
#pragma once

#include "shell/rules/experiment_state.h"

#include <QMargins>
#include <QWidget>

namespace quorvel {

class Shell;

class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(Shell& shell, const QString& title, int outerWidthTwips, int outerHeightTwips);

    // The screen becoming the active one among the program's own screens. Raised by the shell when
    // it switches screens, never by the window system (returning from another application or
    // closing a message box is no activation).
    virtual void Form_Activate() = 0;

    // The pupil closing the window: the quit rule; on No, Cancel true (-1) keeps it open and
    // unchanged.
    void Form_Unload(Boolean16& Cancel);

protected:
    // Normal window state, the outer size set, read back, and centred on the screen.
    void loadGeometry();

    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

    Shell& m_shell;

private:
    void applyOuterSize();

    int m_outerWidthTwips;
    int m_outerHeightTwips;
    bool m_loaded = false;
    QMargins m_appliedFrame;
};

} // namespace quorvel
