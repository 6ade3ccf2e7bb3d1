// The Design screen: the pupil fills a test tube with water and minerals and puts a cutting in.
#pragma once

#include "controls/image_control.h"
#include "controls/line_control.h"
#include "controls/record_table.h"
#include "controls/screen_window.h"
#include "controls/shape_control.h"
#include "controls/vector_image.h"
#include "model/experiment_state.h"

#include <QPushButton>
#include <QTimer>
#include <array>

namespace quorvel {

// The Cmd_Button array, by index.
enum class DesignCommand : std::int16_t {
    SeeResults = 0,
    Quit = 1,
    StartAgain = 2,
    AddCutting = 3,
};

class DesignWindow : public ScreenWindow {
    Q_OBJECT
public:
    // The AddZelcor array: 1 to 6 the minerals by their index, then the water.
    static constexpr int kWaterButton = 7;
    static constexpr int kCommandCount = 4;

    explicit DesignWindow(ScreenHost& host);

    // The buttons' captions in the pupil's language, as the buttons show them, for the help.
    static QString fillingCaption(int Index);
    static QString commandCaption(DesignCommand Index);

    // Handlers, named after the control and the event they answer. An index without a branch does
    // nothing.
    void Form_Load();
    void Form_Activate() override;
    void AddZelcor_Click(int Index);
    void AddZelcor_Click(quorvel::Mineral mineral) { AddZelcor_Click(index(mineral)); }
    void Cmd_Button_Click(DesignCommand Index);
    void AniTimer_Timer();

    // The controls, reached by name and index as the screen's rules name them.
    QPushButton* AddZelcor(int index) const { return m_addZelcor[std::size_t(index)]; } // 1..7
    QPushButton* AddZelcor(quorvel::Mineral mineral) const { return AddZelcor(index(mineral)); }
    QPushButton* Cmd_Button(DesignCommand index) const { return m_cmdButton[std::size_t(index)]; }
    CaptionLabel* Mineral(int index) const { return m_record.Mineral(index); }
    CaptionLabel* Added(int index) const { return m_record.Added(index); }
    CaptionLabel* Added(quorvel::Mineral mineral) const { return Added(index(mineral)); }
    ImageControl* Syringe() const { return m_syringe; }
    ImageControl* TTube() const { return m_tube; }
    ImageControl* Drip() const { return m_drip; }
    ImageControl* Start() const { return m_cuttingPicture; }
    VectorImage* Image1() const { return m_arrow; }
    CaptionLabel* Label1() const { return m_instruction; }
    ShapeControl* Shape1() const { return m_tableBackground; }
    ShapeControl* Shape2() const { return m_instructionBackground; }
    LineControl* Line1() const { return m_columnLine; }
    LineControl* Line2() const { return m_headingLine; }
    QTimer& AniTimer() { return m_aniTimer; }

    // What was given, in the record's own words, as the Results screen copies it.
    const AddedCaptions& record() const { return m_record.record(); }

private:
    void ResetExperiment();
    void ClearAddedLabels();
    void AddMineralDose();
    void DripFall();
    void focusFirstButton();
    void nameControlsForScreenReaders();

    std::array<QPushButton*, kWaterButton + 1> m_addZelcor{}; // index 0 unused
    std::array<QPushButton*, kCommandCount> m_cmdButton{};
    RecordTable m_record;
    std::array<QPushButton*, kWaterButton + kCommandCount> m_keyboardOrder{};
    ImageControl* m_syringe = nullptr;
    ImageControl* m_tube = nullptr;
    ImageControl* m_drip = nullptr;
    ImageControl* m_cuttingPicture = nullptr;
    VectorImage* m_arrow = nullptr;
    CaptionLabel* m_instruction = nullptr;
    ShapeControl* m_tableBackground = nullptr;
    ShapeControl* m_instructionBackground = nullptr;
    LineControl* m_columnLine = nullptr;
    LineControl* m_headingLine = nullptr;
    QTimer m_aniTimer;
};

} // namespace quorvel
