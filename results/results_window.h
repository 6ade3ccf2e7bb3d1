// The Results screen: the plant that grew from the pupil's experiment, and a ruler to measure it.
#pragma once

#include "controls/image_control.h"
#include "controls/line_control.h"
#include "controls/record_table.h"
#include "controls/screen_window.h"
#include "controls/shape_control.h"
#include "model/growth_rules.h"
#include "model/leaf_rules.h"
#include "model/ruler_rules.h"

#include <QPushButton>
#include <array>
#include <optional>
#include <vector>

class QRubberBand;

namespace quorvel {

// The Cmd_Button array, by index.
enum class ResultsCommand : std::int16_t {
    Quit = 0,
    MoveRuler = 1,
    NewExperiment = 2,
};

class ResultsWindow : public ScreenWindow {
    Q_OBJECT
public:
    static constexpr int kCommandCount = 3;
    static constexpr int kLeafCount = 6;

    explicit ResultsWindow(ScreenHost& host);

    // A button's caption in the pupil's language, as the button shows it, for the help.
    static QString commandCaption(ResultsCommand Index);
    // A length as the ruler reads it, in the numbers of the pupil's language ("9.4" in English):
    // the default locale, which choosing the language sets.
    static QString rulerUnits(int lengthTwips);

    // Handlers, named after the control and the event they answer. Coordinates are twips.
    void Form_Load();
    void Form_Activate() override;
    void Cmd_Button_Click(ResultsCommand Index);
    void Form_MouseDown(float X, float Y);
    void Form_MouseMove();
    void Leaf_MouseMove(int Index);
    void Ruler_MouseDown(float X, float Y);
    void Ruler_MouseUp(float X, float Y);
    void Form_DragDrop(ImageControl* Source, float X, float Y);

    // The controls, by name and index; an index outside an array gives nullptr.
    QPushButton* Cmd_Button(ResultsCommand index) const;
    CaptionLabel* Mineral(int index) const { return m_record.Mineral(index); }
    CaptionLabel* Added(int index) const { return m_record.Added(index); }
    CaptionLabel* Added(quorvel::Mineral mineral) const { return Added(index(mineral)); }
    ImageControl* Leaf(int index) const; // 0..5
    ImageControl* Tube() const { return m_tube; }
    ImageControl* Ruler() const { return m_ruler; }
    LineControl* Stem() const { return m_stem; }
    ShapeControl* Shape1() const { return m_tableBackground; }
    LineControl* Line1() const { return m_columnLine; }
    LineControl* Line2() const { return m_headingLine; }

    // Placing by keyboard, while "Move ruler" is armed: the arrows move the outline (Shift a
    // larger step), Return or Space places the ruler as a press at the outline's corner would,
    // Escape leaves placing. Returns whether the key was taken.
    bool placingKey(int key, Qt::KeyboardModifiers modifiers);
    // The keyboard outline's corner in twips, while it is shown.
    std::optional<QPointF> keyboardOutline() const;

    bool PlacingRuler() const { return m_placingRuler; }
    bool dragging() const { return m_dragging; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void nameControlsForScreenReaders();
    void describeStem(int lengthTwips);
    void announceGrowth(int lengthTwips);
    void RunGrowth();
    void CopyExperiment();
    void ShowLeafSymptoms(const LeafChoice& choice);
    void HideLeaves();
    void BeginRulerPlacing();
    void moveDragOutline(float x, float y);
    QRubberBand* dragOutline();
    void moveKeyboardOutline(int key, bool large);
    void showOutlineAt(const QPointF& corner); // twips, at the ruler's size
    void showKeyboardOutline();
    void hideKeyboardOutline();
    void placeAtKeyboardOutline();
    void leavePlacing();
    std::vector<PlantBox> plantParts() const;
    std::optional<float> stemTop() const;
    QString whereOutlineIs() const;
    QString stemReading() const;
    // The pointer in twips from the window's corner, for a point in twips from the ruler's.
    QPointF pointerOnWindow(float x, float y) const;

    std::array<QPushButton*, kCommandCount> m_cmdButton{};
    RecordTable m_record;
    std::array<ImageControl*, kLeafCount> m_leaf{};
    ImageControl* m_tube = nullptr;
    ImageControl* m_ruler = nullptr;
    LineControl* m_stem = nullptr;
    ShapeControl* m_tableBackground = nullptr;
    LineControl* m_columnLine = nullptr;
    LineControl* m_headingLine = nullptr;
    QRubberBand* m_dragOutline = nullptr;

    bool m_placingRuler = false;
    bool m_dragging = false;
    std::optional<QPointF> m_keyboardCorner; // twips, while the keyboard outline is shown
    QPointF m_dragCorner;                    // twips: where a drag's outline last stood
    RulerGrab m_grab; // where the last drag took hold of the ruler; zero before the first
};

} // namespace quorvel
