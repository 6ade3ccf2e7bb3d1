// The Results screen: the plant that grew from the pupil's experiment, and a ruler to measure it.
#pragma once

#include "controls/image_control.h"
#include "controls/line_control.h"
#include "controls/record_table.h"
#include "controls/screen_window.h"
#include "controls/shape_control.h"
#include "model/leaf_rules.h"
#include "model/notebook.h"
#include "model/outcome_rules.h"
#include "model/ruler_rules.h"
#include "results/measuring_ruler.h"

#include <QPushButton>
#include <array>
#include <vector>

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

    // Handlers, named after the control and the event they answer. The surface's mouse events
    // and the leaves' are the ruler's to answer.
    void Form_Load();
    void Form_Activate() override;
    void Cmd_Button_Click(ResultsCommand Index);

    // The controls, by name and index.
    QPushButton* Cmd_Button(ResultsCommand index) const { return m_cmdButton[std::size_t(index)]; }
    CaptionLabel* Mineral(int index) const { return m_record.Mineral(index); }
    CaptionLabel* Added(int index) const { return m_record.Added(index); }
    CaptionLabel* Added(quorvel::Mineral mineral) const { return Added(index(mineral)); }
    ImageControl* Leaf(int index) const { return m_leaf[std::size_t(index)]; } // 0..5
    ImageControl* Tube() const { return m_tube; }
    ImageControl* Ruler() const { return m_ruler->picture(); }
    LineControl* Stem() const { return m_stem; }
    ShapeControl* Shape1() const { return m_tableBackground; }
    LineControl* Line1() const { return m_columnLine; }
    LineControl* Line2() const { return m_headingLine; }

Q_SIGNALS:
    // A cutting grew, and what it grew is on the screen.
    void grew(const quorvel::GrowthRun& run);
    // The pupil put the ruler down; what it reads at the stem's foot, if the foot is on its scale.
    void rulerPlaced(std::optional<int> footReadingTwips);

protected:
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
    GrowthRun growthRun(const Outcome& outcome) const;
    void HideLeaves();
    // The plant as shown, for the ruler to tell where its outline stands.
    std::vector<PlantBox> plantParts() const;

    std::array<QPushButton*, kCommandCount> m_cmdButton{};
    RecordTable m_record;
    std::array<ImageControl*, kLeafCount> m_leaf{};
    ImageControl* m_tube = nullptr;
    MeasuringRuler* m_ruler = nullptr;
    LineControl* m_stem = nullptr;
    ShapeControl* m_tableBackground = nullptr;
    LineControl* m_columnLine = nullptr;
    LineControl* m_headingLine = nullptr;
};

} // namespace quorvel
