// A window whose controls are placed in twips and drawn at the window's frame.
#pragma once

#include "controls/twips.h"

#include <QWidget>

namespace quorvel {

class TwipsWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    const TwipsFrame& twipsFrame() const { return m_frame; }

protected:
    // Places every control anew at the given frame; nothing happens when it is unchanged.
    void setTwipsFrame(const TwipsFrame& frame);

private:
    TwipsFrame m_frame;
};

// The frame of the screen a widget is on; 1:1 for a widget outside any screen.
const TwipsFrame& twipsFrameOf(const QWidget* widget);

} // namespace quorvel
