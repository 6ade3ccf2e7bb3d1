// The Design screen's layout and handlers.
#include "design/design_window.h"

#include "controls/command_button.h"
#include "controls/record_table.h"
#include "controls/twips.h"
#include "model/drip_rules.h"
#include "model/record.h"
#include "model/tube_rules.h"
#include "pictures/descriptions.h"
#include "pictures/drawings.h"
#include "pictures/graphics.h"
#include "pictures/palette.h"

namespace quorvel {

namespace {
constexpr int kOuterWidthTwips = 9690;
constexpr int kOuterHeightTwips = 7290;
constexpr int kAniTimerIntervalMs = 500;

// Row by row the mineral buttons read in index order; index 0 is unused.
constexpr std::array<ButtonPlace, 8> kAddZelcor = {{
    {"", 0, 0, 0, 0},
    {QT_TRANSLATE_NOOP("quorvel::DesignWindow", "&Nitrogen"), 360, 2400, 1575, 615},
    {QT_TRANSLATE_NOOP("quorvel::DesignWindow", "Po&tassium"), 2040, 2400, 1575, 615},
    {QT_TRANSLATE_NOOP("quorvel::DesignWindow", "&Magnesium"), 360, 3120, 1575, 615},
    {QT_TRANSLATE_NOOP("quorvel::DesignWindow", "&Iron"), 2040, 3120, 1575, 615},
    {QT_TRANSLATE_NOOP("quorvel::DesignWindow", "&Phosphorus"), 360, 3840, 1575, 615},
    {QT_TRANSLATE_NOOP("quorvel::DesignWindow", "&Calcium"), 2040, 3840, 1575, 615},
    {QT_TRANSLATE_NOOP("quorvel::DesignWindow", "Add &Water"), 360, 5505, 1575, 735},
}};
constexpr std::array<ButtonPlace, DesignWindow::kCommandCount> kCmdButton = {{
    {QT_TRANSLATE_NOOP("quorvel::DesignWindow", "See &Results"), 3960, 5505, 1575, 735},
    {QT_TRANSLATE_NOOP("quorvel::DesignWindow", "&Quit"), 7680, 5505, 1575, 735},
    {QT_TRANSLATE_NOOP("quorvel::DesignWindow", "&Start again"), 5760, 5505, 1695, 735},
    {QT_TRANSLATE_NOOP("quorvel::DesignWindow", "&Add Cutting"), 2160, 5505, 1575, 735},
}};

// Tab goes Iron, Nitrogen, Magnesium, Calcium, Phosphorus, Potassium, Water, then the commands in
// index order: the order the pupil meets and the first enabled one takes the focus.
constexpr std::array<int, DesignWindow::kWaterButton> kMineralKeyboardOrder = {4, 1, 3, 6, 5, 2, 7};
} // namespace

QString DesignWindow::fillingCaption(int Index)
{
    if (Index < 1 || Index > kWaterButton)
        return {};
    return shownCaption(tr(kAddZelcor[std::size_t(Index)].caption));
}

QString DesignWindow::commandCaption(DesignCommand Index)
{
    return shownCaption(tr(kCmdButton[std::size_t(Index)].caption));
}

DesignWindow::DesignWindow(ScreenHost& host)
    : ScreenWindow(host, tr("Quorvel - Designing your experiment"), kOuterWidthTwips,
                   kOuterHeightTwips)
{
    // Children are created back to front, so later ones are drawn over earlier ones.
    // The cutting is hidden until it first goes in; its picture is drawn then.
    m_cuttingPicture = new ImageControl(this, SinglePicture::CuttingInTube, 3480, 180, 2310, 4440);
    const QColor paleYellow(palette::kPaleYellow);
    m_instructionBackground = new ShapeControl(this, paleYellow, 840, 240, 2295, 1335);
    m_tableBackground = new ShapeControl(this, paleYellow, 6120, 840, 3135, 3855);
    // The tube and the syringe hold these from creation; activation replaces them before the
    // screen is first painted, so they are never drawn.
    m_tube = new ImageControl(this, TubePicture::ClearWater, 4200, 1920, 870, 2655);
    m_syringe = new ImageControl(this, SyringePicture::Empty, 4440, 600, 1260, 1200);
    m_record = RecordTable(this, 6360, 7920);
    m_columnLine = new LineControl(this, Qt::black, 1, 7800, 840, 7800, 4680);
    m_headingLine = new LineControl(this, Qt::black, 1, 6120, 1560, 9240, 1560);
    m_instruction = new CaptionLabel(tr("Click on these minerals to add them to the tube."),
                                     paleYellow, Qt::AlignLeft, this);
    m_instruction->setWordWrap(true);
    m_instruction->setTwipsGeometry(1080, 420, 1815, 975);
    m_drip = new ImageControl(this, SinglePicture::Drip, kDripLeftTwips, 2520, 75, 90,
                              ImageControl::Input::Transparent);
    m_arrow = new VectorImage(this, &drawings::drawInstructionArrow, 1440, 1680, 1080, 600);

    for (int i = 1; i <= kWaterButton; ++i) {
        const ButtonPlace& place = kAddZelcor[i];
        m_addZelcor[i] = makeCommandButton(this, tr(place.caption), place);
        connect(m_addZelcor[i], &QPushButton::clicked, this, [this, i] { AddZelcor_Click(i); });
    }
    for (int i = 0; i < kCommandCount; ++i) {
        const ButtonPlace& place = kCmdButton[i];
        m_cmdButton[i] = makeCommandButton(this, tr(place.caption), place);
        connect(m_cmdButton[i], &QPushButton::clicked, this,
                [this, i] { Cmd_Button_Click(DesignCommand(i)); });
    }

    for (std::size_t i = 0; i < kMineralKeyboardOrder.size(); ++i)
        m_keyboardOrder[i] = m_addZelcor[kMineralKeyboardOrder[i]];
    for (int i = 0; i < kCommandCount; ++i)
        m_keyboardOrder[kMineralKeyboardOrder.size() + i] = m_cmdButton[i];
    for (std::size_t i = 0; i + 1 < m_keyboardOrder.size(); ++i)
        setTabOrder(m_keyboardOrder[i], m_keyboardOrder[i + 1]);

    m_aniTimer.setInterval(kAniTimerIntervalMs);
    connect(&m_aniTimer, &QTimer::timeout, this, &DesignWindow::AniTimer_Timer);
    m_aniTimer.start();
    nameControlsForScreenReaders();
}

void DesignWindow::nameControlsForScreenReaders()
{
    // Buttons and captions are named by their text; the pictures describe themselves.
    m_cuttingPicture->setAccessibleName(tr("Cutting"));
    m_tube->setAccessibleName(tr("Test tube"));
    m_syringe->setAccessibleName(tr("Syringe"));
    m_drip->setAccessibleName(tr("Drop"));
    m_arrow->setAccessibleName(tr("Arrow"));
    m_arrow->setAccessibleDescription(descriptions::instructionArrow());
    m_tableBackground->setAccessibleName(tr("Background of the table"));
    m_instructionBackground->setAccessibleName(tr("Background of the instructions"));
    m_columnLine->setAccessibleName(tr("Line between the table's columns"));
    m_headingLine->setAccessibleName(tr("Line under the table's headings"));
}

void DesignWindow::Form_Load()
{
    loadGeometry();
}

void DesignWindow::Form_Activate()
{
    m_syringe->setPicture(SyringePicture::Full);
    m_tube->setPicture(TubePicture::Empty);
    m_aniTimer.stop();
    m_drip->hide();
    ResetExperiment();
    focusFirstButton();
}

void DesignWindow::focusFirstButton()
{
    for (QPushButton* button : m_keyboardOrder) {
        if (button->isEnabled()) {
            button->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    }
}

void DesignWindow::AddZelcor_Click(int Index)
{
    if (Index >= 1 && Index < kWaterButton) {
        AddMineralDose();
        m_record.setRecord(Index, kYes);
        announce(
            tr("%1 added: the record says %2.").arg(Mineral(Index)->text(), Added(Index)->text()));
    } else if (Index == kWaterButton) {
        ZELCOR1::WaterAdded = kTrue;
        m_addZelcor[kWaterButton]->setEnabled(false);
        if (const auto change = tubeAfterWater(ZELCOR1::TubeState)) {
            m_tube->setPicture(change->picture);
            ZELCOR1::TubeState = change->state;
            announce(tr("Water added: the tube holds %1.")
                         .arg(Graphics::instance().description(change->picture)));
        }
    }
}

void DesignWindow::Cmd_Button_Click(DesignCommand Index)
{
    switch (Index) {
    case DesignCommand::SeeResults:
        m_host.showResults();
        break;
    case DesignCommand::Quit:
        m_host.quitIfConfirmed();
        break;
    case DesignCommand::StartAgain:
        ResetExperiment();
        announce(tr("Started again: the tube is empty and every mineral says %1.")
                     .arg(Added(1)->text()));
        break;
    case DesignCommand::AddCutting:
        ZELCOR1::CuttingAdded = kTrue;
        m_syringe->hide();
        m_tube->hide();
        m_cuttingPicture->show();
        m_cmdButton[int(DesignCommand::AddCutting)]->setEnabled(false);
        for (int i = 1; i <= kWaterButton; ++i)
            m_addZelcor[i]->setEnabled(false);
        announce(tr("The cutting is in; the tube takes nothing more."));
        break;
    }
}

void DesignWindow::ResetExperiment()
{
    m_syringe->setPicture(SyringePicture::Full);
    m_tube->setPicture(TubePicture::Empty);
    ClearAddedLabels();
    ZELCOR1::TubeState = kTubeEmpty;
    ZELCOR1::WaterAdded = kFalse;
    ZELCOR1::CuttingAdded = kFalse;
    m_syringe->show();
    m_tube->show();
    m_cuttingPicture->hide();
    m_cmdButton[int(DesignCommand::AddCutting)]->setEnabled(true);
    for (int i = 1; i <= kWaterButton; ++i)
        m_addZelcor[i]->setEnabled(true);
}

void DesignWindow::ClearAddedLabels()
{
    for (int i = 1; i <= kMineralCount; ++i)
        m_record.setRecord(i, kNo);
}

void DesignWindow::AddMineralDose()
{
    m_aniTimer.stop();
    m_syringe->setPicture(SyringePicture::HalfFull);
    DripFall();
    if (const auto change = tubeAfterMineral(ZELCOR1::TubeState)) {
        m_tube->setPicture(change->picture);
        ZELCOR1::TubeState = change->state;
    }
    m_aniTimer.start(); // restarting gives a fresh 500 ms before the refill
}

void DesignWindow::DripFall()
{
    m_drip->setLeft(kDripLeftTwips);
    m_drip->setTop(kDripStartTopTwips);
    m_drip->show();
    for (const std::int16_t top : dripFallTops(ZELCOR1::TubeState))
        m_drip->setTop(top);
    m_drip->hide();
}

void DesignWindow::AniTimer_Timer()
{
    m_syringe->setPicture(SyringePicture::Full);
}

} // namespace quorvel
