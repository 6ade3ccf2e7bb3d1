// The Results screen: the plant that grew from the pupil's experiment, and a ruler to measure it.
#pragma once

#include "results/growth_rules.h"
#include "results/leaf_rules.h"
#include "results/ruler_rules.h"
#include "shell/controls.h"
#include "shell/screen_window.h"

#include <array>
#include <optional>

class QRubberBand;

namespace quorvel {

class ResultsWindow : public ScreenWindow {
    Q_OBJECT
public:
    explicit ResultsWindow(Shell& shell);

    // Handlers, named after the control and the event they answer. Coordinates are twips.
    void Form_Load();
    void Form_Activate() override;
    void Cmd_Button_Click(int Index);
    void Form_MouseDown(float X, float Y);
    void Form_MouseMove();
    void Leaf_MouseMove(int Index);
    void Ruler_MouseDown(float X, float Y);
    void Ruler_MouseUp(float X, float Y);
    void Form_DragDrop(ImageControl* Source, float X, float Y);

    // The controls, by name and index; an index outside an array gives nullptr.
    QPushButton* Cmd_Button(int index) const; // 0 Quit, 1 Move ruler, 2 New experiment
    CaptionLabel* Mineral(int index) const;
    CaptionLabel* Added(int index) const;
    ImageControl* Leaf(int index) const; // 0..5
    ImageControl* Tube() const { return m_tube; }
    ImageControl* Ruler() const { return m_ruler; }
    LineControl* Stem() const { return m_stem; }
    ShapeControl* Shape1() const { return m_shape1; }
    LineControl* Line1() const { return m_line1; }
    LineControl* Line2() const { return m_line2; }

    bool PlacingRuler() const { return m_placingRuler; }
    bool dragging() const { return m_dragging; }
    std::int16_t lastGrowth() const { return m_lastGrowth; }
    const GrowthLimits& GrowthLimit() const { return m_growthLimit; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void nameControlsForScreenReaders();
    void describeStem(std::int16_t lengthTwips);
    void RunGrowth();
    void CopyExperiment();
    std::int16_t ComputeGrowth() const;
    void ShowLeafSymptoms();
    void HideLeaves();
    void BeginRulerPlacing();
    void moveDragOutline(float x, float y);
    AddedCaptions addedCaptions() const;

    std::array<QPushButton*, 3> m_cmdButton{};
    std::array<CaptionLabel*, 7> m_mineral{};
    std::array<CaptionLabel*, 7> m_added{};
    std::array<ImageControl*, 6> m_leaf{};
    ImageControl* m_tube = nullptr;
    ImageControl* m_ruler = nullptr;
    LineControl* m_stem = nullptr;
    ShapeControl* m_shape1 = nullptr;
    LineControl* m_line1 = nullptr;
    LineControl* m_line2 = nullptr;
    QRubberBand* m_dragOutline = nullptr;

    GrowthLimits m_growthLimit{};
    LeafSymptomRules m_leafRules;
    bool m_placingRuler = false;
    bool m_dragging = false;
    std::optional<float> m_grabX; // empty until the first drag
    std::int16_t m_grabY = 0;
    std::int16_t m_lastGrowth = 0;
};

} // namespace quorvel
