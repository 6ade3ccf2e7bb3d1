// What both screens must show after each of a pupil's actions, worked out from how the program
// must behave alone (where each control sits, how the tube fills, which buttons each step of an
// experiment enables, what grows and which leaves it shows), never from the program's code.
#pragma once

#include "../support/experiment_oracle.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace pupil {

enum class Screen { Design, Results };

// What lies under a point of the visible screen, the frontmost control first.
struct Hit {
    enum class Kind { Outside, Surface, Button, Label, Tube, Leaf, Ruler, Other };
    Kind kind = Kind::Outside;
    int index = -1; // the button's id on Design (see DesignButton), its Cmd_Button index on
                    // Results, or the leaf's index
    bool operator==(const Hit&) const = default;
};

// Design buttons by one id: 1..7 are AddZelcor(1..7), 10..13 Cmd_Button(0..3).
struct DesignButton {
    static constexpr int kCmd = 10;
    static bool isFilling(int id) { return id >= 1 && id <= 7; }
};

// A control's place in twips, as the layout states it.
struct TwipsRect {
    double left, top, width, height;
};

class PupilModel {
public:
    enum class Syringe { Full, Pressed };
    enum class Pointer { Default, Crosshair, NoDrop, CrosshairOrNoDrop };

    PupilModel();

    // The pupil's commands, applied only when the control is there and enabled.
    void start();
    void designClick(int id);
    void resultsClick(int index);
    void closeAnsweredNo();
    // A press at p and a release at q (pixels of the visible screen) with one mouse button; the
    // pointer may have moved in between. Left is the only button that clicks a command button.
    void gesture(QPoint p, QPoint q, bool leftButton);
    // The pointer moving over p without a button held (Results only matters).
    void hover(QPoint p);
    // Time passing long enough for the refill tick to have come (well over 500 ms).
    void waitedForTick();

    // A key on the Results screen while placing: an arrow (Shift for one pixel), Return, Space
    // or Escape. False when the key is not the placing's.
    // drawn: where the pupil sees the outline's corner, or the ruler's while no outline is out,
    // in pixels; a step with Shift moves it one pixel from there.
    bool placingKey(int key, bool shift, QPoint drawn);

    Hit designAt(QPoint p) const;
    Hit resultsAt(QPoint p) const;
    // Places worth aiming at on the visible screen: its controls, in pixels.
    std::vector<QRect> targets() const;
    bool designEnabled(int id) const;

    // How often the pupil reached the rarer rules, so a run shows what it exercised.
    struct Tally {
        int doses = 0, growthRuns = 0, mixtures = 0, placings = 0, drops = 0, quitsAnswered = 0;
        int keyPlacings = 0, keyRefusals = 0, touches = 0, touchesAbandoned = 0;
    } tally;

    // The generator's values that the program drew and the model has not yet accounted for.
    std::deque<float> draws;
    // Set when the program did what no model state explains: drew too few or too many values, or
    // left Help open or unopened.
    QString wrongTurn;

    // Design screen.
    std::int16_t tubeState = 0;
    bool water = false;
    bool cutting = false;
    oracle::Given given;
    Syringe syringe = Syringe::Full;
    qint64 nowMs = 0;           // when the action being applied began, on the driver's clock
    qint64 pressedAtMs = 0;     // when the last dose began; the refill comes 500 ms after it ends
    bool aniTimerActive = true; // enabled at load, until the first activation
    int dripTop = 2520;         // as created, until the first fall

    // Screens and the quit rule.
    Screen screen = Screen::Design;
    bool resultsLoaded = false;
    int asked = 0;
    QSize clientSize; // the client area of either screen, in pixels
    QSize laidOut;    // the client size the layout is made for, at scale 1
    double scale = 1.0;
    QPoint origin; // where the layout's corner lies in the client area
    bool fullScreen = false;
    QSize normalSize; // the client size to come back to when full screen is left

    // Results screen.
    std::array<QString, 7> resultsAdded;
    std::array<bool, 6> leafShown{};
    std::array<QPointF, 6> leafAt;  // twips
    std::array<int, 6> leafPicture; // the number of the leaf picture shown
    bool stemShown = true;
    std::optional<int> stemTop; // twips; empty while the stem is as created
    std::optional<int> growth;
    float rulerLeft = 8640, rulerTop = 240;
    bool rulerShown = true;
    bool rulerInFront = false;
    bool placing = false;
    std::optional<QPointF> outline; // the keyboard's outline while placing, twips
    Pointer pointer = Pointer::Default;

    static int tubePicture(std::int16_t state);
    // The client area resized: the scale and margins that follow.
    void setClientSize(QSize size);
    int length(double twips) const;
    QPointF toTwips(QPoint pixels) const;

private:
    void designActivation();
    void resetExperiment();
    void mineral(int index);
    void addWater();
    void seeResults();
    void newExperiment();
    void growthRun();
    void leafSymptoms();
    void place(QPoint p);
    QRect rulerRect() const;
    QRect toPixels(const TwipsRect& r) const;
    QRect leafRect(int k) const;

    float m_grabX = 0;
    int m_grabY = 0;
};

} // namespace pupil
