// The Results screen's ruler, which the pupil moves to measure the plant: dragged by the mouse or
// a finger, or put down by a press, or by the keyboard, after "Move ruler". An outline shows where
// it would land, and a screen reader is told each step.
#pragma once

#include "controls/image_control.h"
#include "model/ruler_rules.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>
#include <vector>

class QRubberBand;

namespace quorvel {

class ScreenWindow;

class MeasuringRuler : public QObject {
    // Its words are the Results screen's, in the context translators know them by.
    Q_DECLARE_TR_FUNCTIONS(quorvel::ResultsWindow)
public:
    // The plant's parts as the screen shows them now, the stem's top among them while the stem
    // is shown.
    using PlantParts = std::function<std::vector<PlantBox>()>;

    // Puts the Ruler picture on the screen at its place in the layout, in front of the controls
    // made before it. The screen hands the ruler its events; keys reach it through its event
    // filter, installed on the screen and on the controls that can have the focus.
    MeasuringRuler(ScreenWindow& screen, PlantParts plantParts);

    // Called each time the pupil puts the ruler down: by a drag, a press or the keyboard.
    void onPlaced(std::function<void()> placed) { m_placed = std::move(placed); }
    // What the ruler reads where it stands at the foot of the stem, as the pupil would read it:
    // none when the foot is off its scale.
    std::optional<int> footReading() const;

    // A length as the ruler reads it, in the numbers of the pupil's language ("9.4" in English):
    // the default locale, which choosing the language sets.
    static QString units(int lengthTwips);

    // Whether "Move ruler" is armed and the ruler waits to be put down.
    bool placing() const { return m_placingRuler; }
    // The Ruler control, the picture the pupil moves.
    ImageControl* picture() const { return m_ruler; }
    // A placed ruler comes to the front of the windowless controls only: behind this control.
    void keepBehind(QWidget* control) { m_inFront = control; }

    // The screen's events, by the names of its handlers.
    void Form_Activate();
    void BeginRulerPlacing();
    void Form_MouseDown(float X, float Y);
    void Form_MouseMove();
    void Leaf_MouseMove();
    // "New experiment" takes the pupil to the other screen: a crosshair left from placing would
    // follow, and the keyboard's outline goes.
    void leaveScreen();
    // The screen was drawn at a new scale: an outline keeps its place on the layout.
    void followFrame();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Ruler_MouseDown(float X, float Y);
    void Ruler_MouseUp(float X, float Y);
    void Form_DragDrop(ImageControl* Source, float X, float Y);
    // Placing by keyboard, while "Move ruler" is armed: the arrows move the outline (Shift one
    // pixel as drawn), Return or Space places the ruler as a press at the outline's corner would,
    // Escape leaves placing. Returns whether the key was taken.
    bool placingKey(int key, Qt::KeyboardModifiers modifiers);
    void moveDragOutline(float x, float y);
    QRubberBand* dragOutline();
    void moveKeyboardOutline(int key, bool fine);
    void showOutlineAt(const QPointF& corner); // twips, at the ruler's size
    void showKeyboardOutline();
    void hideKeyboardOutline();
    void placeAtKeyboardOutline();
    void leavePlacing();
    std::optional<float> stemTop() const;
    QString whereOutlineIs() const;
    QString stemReading() const;
    // The pointer in twips from the window's corner, for a point in twips from the ruler's.
    QPointF pointerOnWindow(float x, float y) const;

    ScreenWindow& m_screen;
    PlantParts m_plantParts;
    std::function<void()> m_placed;
    ImageControl* m_ruler = nullptr;
    QWidget* m_inFront = nullptr;
    QRubberBand* m_dragOutline = nullptr;

    bool m_placingRuler = false;
    bool m_dragging = false;
    std::optional<QPointF> m_keyboardCorner; // twips, while the keyboard outline is shown
    QPointF m_dragCorner;                    // twips: where a drag's outline last stood
    RulerGrab m_grab; // where the last drag took hold of the ruler; zero before the first
};

} // namespace quorvel
