// What a screen asks of the program around it. The shell is the one host: a screen never knows
// which screens stand beside it, nor how the program ends.
#pragma once

#include "model/record.h"

#include <QMargins>

class QWidget;

namespace quorvel {

// Plain calls, not signals: the quit rule answers Yes or No (a close is cancelled on No), the
// leaf rules draw a value and the Results screen reads the record, so each call returns what the
// screen goes on with, at once and in the order the handler runs.
class ScreenHost {
public:
    // The quit rule: asks once; on Yes the program ends at once. Returns kAnswerYes or kAnswerNo
    // (in a web page, which cannot wait for the answer, kAnswerNo, and a Yes ends it later).
    virtual int quitIfConfirmed() = 0;
    // "See Results": shows (and so activates) the Results screen, then hides the Design screen.
    virtual void showResults() = 0;
    // "New experiment": shows (and so activates) the Design screen, then hides the Results screen.
    virtual void showDesign() = 0;
    // The Design screen's "Yes"/"No" record as it stands; index 0 is left empty.
    virtual AddedCaptions designRecord() = 0;
    // The next value of the program's one generator, in [0, 1).
    virtual float nextRandom() = 0;
    // The frame the window manager draws around the screen's window, as it stands now.
    virtual QMargins windowFrame(const QWidget& window) = 0;

protected:
    ~ScreenHost() = default;
};

} // namespace quorvel
