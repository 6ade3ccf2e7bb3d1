// The Design screen: the pupil fills a test tube with water and minerals and puts a cutting in.
#pragma once

#include "shell/controls.h"
#include "shell/screen_window.h"

#include <QTimer>
#include <array>

namespace quorvel {

class DesignWindow : public ScreenWindow {
    Q_OBJECT
public:
    static constexpr int kWaterButton = 7;

    explicit DesignWindow(Shell& shell);

    // Handlers, named after the control and the event they answer.
    void Form_Load();
    void Form_Activate() override;
    void AddZelcor_Click(int Index);
    void Cmd_Button_Click(int Index);
    void AniTimer_Timer();

    // The controls, reached by name and index as the screen's rules name them. An index outside
    // an array gives nullptr.
    QPushButton* AddZelcor(int index) const;  // 1..6 minerals, 7 water
    QPushButton* Cmd_Button(int index) const; // 0 See Results, 1 Quit, 2 Start again, 3 Add Cutting
    CaptionLabel* Mineral(int index) const;   // 0 heading, 1..6
    CaptionLabel* Added(int index) const;     // 0 heading, 1..6
    ImageControl* Syringe() const { return m_syringe; }
    ImageControl* TTube() const { return m_tube; }
    ImageControl* Drip() const { return m_drip; }
    ImageControl* Start() const { return m_start; }
    VectorImage* Image1() const { return m_image1; }
    CaptionLabel* Label1() const { return m_label1; }
    ShapeControl* Shape1() const { return m_shape1; }
    ShapeControl* Shape2() const { return m_shape2; }
    LineControl* Line1() const { return m_line1; }
    LineControl* Line2() const { return m_line2; }
    QTimer& AniTimer() { return m_aniTimer; }

private:
    void ResetExperiment();
    void ClearAddedLabels();
    void AddMineralDose();
    void DripFall();
    void showTubePicture(int picture);
    void focusFirstButton();
    void nameControlsForScreenReaders();

    std::array<QPushButton*, 8> m_addZelcor{};
    std::array<QPushButton*, 4> m_cmdButton{};
    std::array<CaptionLabel*, 7> m_mineral{};
    std::array<CaptionLabel*, 7> m_added{};
    ImageControl* m_syringe = nullptr;
    ImageControl* m_tube = nullptr;
    ImageControl* m_drip = nullptr;
    ImageControl* m_start = nullptr;
    VectorImage* m_image1 = nullptr;
    CaptionLabel* m_label1 = nullptr;
    ShapeControl* m_shape1 = nullptr;
    ShapeControl* m_shape2 = nullptr;
    LineControl* m_line1 = nullptr;
    LineControl* m_line2 = nullptr;
    QTimer m_aniTimer;
};

} // namespace quorvel
