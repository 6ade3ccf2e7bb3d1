// The Design screen's layout and handlers.
#include "design/design_window.h"

#include "design/tube_rules.h"
#include "pictures/descriptions.h"
#include "pictures/drawings.h"
#include "pictures/graphics.h"
#include "pictures/picture_catalogue.h"
#include "shell/experiment_state.h"
#include "shell/record_table.h"
#include "shell/shell.h"

namespace quorvel {

namespace {
const QColor kLightYellow(255, 255, 128);
constexpr int kOuterWidthTwips = 9690;
constexpr int kOuterHeightTwips = 7290;
constexpr int kAniTimerIntervalMs = 500;

struct ButtonPlace {
    const char* caption;
    int left, top, width, height;
};
// Row by row the mineral buttons read in index order; index 0 is unused.
constexpr std::array<ButtonPlace, 8> kAddZelcor = {{
    {"", 0, 0, 0, 0},
    {"&Nitrogen", 360, 2400, 1575, 615},
    {"Po&tassium", 2040, 2400, 1575, 615},
    {"&Magnesium", 360, 3120, 1575, 615},
    {"&Iron", 2040, 3120, 1575, 615},
    {"&Phosphorus", 360, 3840, 1575, 615},
    {"&Calcium", 2040, 3840, 1575, 615},
    {"Add &Water", 360, 5505, 1575, 735},
}};
constexpr std::array<ButtonPlace, 4> kCmdButton = {{
    {"See &Results", 3960, 5505, 1575, 735},
    {"&Quit", 7680, 5505, 1575, 735},
    {"&Start again", 5760, 5505, 1695, 735},
    {"&Add Cutting", 2160, 5505, 1575, 735},
}};
} // namespace

DesignWindow::DesignWindow(Shell& shell)
    : ScreenWindow(shell, QStringLiteral("Quorvel - Designing your experiment"), kOuterWidthTwips,
                   kOuterHeightTwips)
{
    // Children are created back to front, so later ones are drawn over earlier ones.
    // The cutting's picture is drawn when the cutting first goes in: it is hidden until then,
    // and drawing it here would slow every start of the program.
    m_start = new ImageControl(this, 3480, 180, 2310, 4440);
    m_start->setAccessibleDescription(descriptions::cuttingInTube());
    m_shape2 = new ShapeControl(this, kLightYellow, 840, 240, 2295, 1335);
    m_shape1 = new ShapeControl(this, kLightYellow, 6120, 840, 3135, 3855);
    m_tube = new ImageControl(this, 4200, 1920, 870, 2655);
    m_tube->setPicture(catalogue::tube(3));
    m_syringe = new ImageControl(this, 4440, 600, 1260, 1200);
    m_syringe->setPicture(catalogue::syringe(0));
    const RecordLabels record = makeRecordLabels(this, 6360, 7920);
    m_mineral = record.mineral;
    m_added = record.added;
    m_line1 = new LineControl(this, Qt::black, 1, 7800, 840, 7800, 4680);
    m_line2 = new LineControl(this, Qt::black, 1, 6120, 1560, 9240, 1560);
    m_label1 = new CaptionLabel(QStringLiteral("Click on these minerals to add them to the tube."),
                                kLightYellow, Qt::AlignLeft, this);
    m_label1->setWordWrap(true);
    placeInTwips(m_label1, 1080, 420, 1815, 975);
    m_drip = new ImageControl(this, 4590, 2520, 75, 90, ImageControl::Input::Transparent);
    m_drip->setPicture(catalogue::drip());
    m_image1 = new VectorImage(this, &drawings::drawInstructionArrow, 1440, 1680, 1080, 600);

    for (int i = 1; i <= kWaterButton; ++i) {
        const ButtonPlace& place = kAddZelcor[i];
        m_addZelcor[i] = makeButton(this, QString::fromLatin1(place.caption), place.left, place.top,
                                    place.width, place.height);
        connect(m_addZelcor[i], &QPushButton::clicked, this, [this, i] { AddZelcor_Click(i); });
    }
    for (int i = 0; i < 4; ++i) {
        const ButtonPlace& place = kCmdButton[i];
        m_cmdButton[i] = makeButton(this, QString::fromLatin1(place.caption), place.left, place.top,
                                    place.width, place.height);
        connect(m_cmdButton[i], &QPushButton::clicked, this, [this, i] { Cmd_Button_Click(i); });
    }

    // Keyboard order: Iron, Nitrogen, Magnesium, Calcium, Phosphorus, Potassium, Water,
    // See Results, Quit, Start again, Add Cutting.
    const std::array<QWidget*, 11> tabOrder = {m_addZelcor[4], m_addZelcor[1], m_addZelcor[3],
                                               m_addZelcor[6], m_addZelcor[5], m_addZelcor[2],
                                               m_addZelcor[7], m_cmdButton[0], m_cmdButton[1],
                                               m_cmdButton[2], m_cmdButton[3]};
    for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);

    m_aniTimer.setInterval(kAniTimerIntervalMs);
    connect(&m_aniTimer, &QTimer::timeout, this, &DesignWindow::AniTimer_Timer);
    m_aniTimer.start();
    nameControlsForScreenReaders();
}

void DesignWindow::nameControlsForScreenReaders()
{
    // Buttons and captions are named by their text; the pictures describe themselves.
    m_start->setAccessibleName(QStringLiteral("Cutting"));
    m_tube->setAccessibleName(QStringLiteral("Test tube"));
    m_syringe->setAccessibleName(QStringLiteral("Syringe"));
    m_drip->setAccessibleName(QStringLiteral("Drop"));
    m_image1->setAccessibleName(QStringLiteral("Arrow"));
    m_image1->setAccessibleDescription(descriptions::instructionArrow());
    m_shape1->setAccessibleName(QStringLiteral("Background of the table"));
    m_shape2->setAccessibleName(QStringLiteral("Background of the instructions"));
    m_line1->setAccessibleName(QStringLiteral("Line between the table's columns"));
    m_line2->setAccessibleName(QStringLiteral("Line under the table's headings"));
}

QPushButton* DesignWindow::AddZelcor(int index) const
{
    return index >= 1 && index <= kWaterButton ? m_addZelcor[index] : nullptr;
}

QPushButton* DesignWindow::Cmd_Button(int index) const
{
    return index >= 0 && index < 4 ? m_cmdButton[index] : nullptr;
}

CaptionLabel* DesignWindow::Mineral(int index) const
{
    return index >= 0 && index <= kMineralCount ? m_mineral[index] : nullptr;
}

CaptionLabel* DesignWindow::Added(int index) const
{
    return index >= 0 && index <= kMineralCount ? m_added[index] : nullptr;
}

void DesignWindow::Form_Load()
{
    loadGeometry();
}

void DesignWindow::Form_Activate()
{
    const Graphics& graphics = Graphics::instance();
    m_syringe->setPicture(graphics.Syringe(3));
    m_tube->setPicture(graphics.Tube(0));
    m_aniTimer.stop();
    m_drip->hide();
    ResetExperiment();
    focusFirstButton();
}

void DesignWindow::focusFirstButton()
{
    const std::array<QPushButton*, 11> tabOrder = {m_addZelcor[4], m_addZelcor[1], m_addZelcor[3],
                                                   m_addZelcor[6], m_addZelcor[5], m_addZelcor[2],
                                                   m_addZelcor[7], m_cmdButton[0], m_cmdButton[1],
                                                   m_cmdButton[2], m_cmdButton[3]};
    for (QPushButton* button : tabOrder) {
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
        m_added[Index]->setText(QStringLiteral("Yes"));
    } else if (Index == kWaterButton) {
        ZELCOR1::WaterAdded = kTrue;
        m_addZelcor[kWaterButton]->setEnabled(false);
        if (const auto change = tubeAfterWater(ZELCOR1::TubeState)) {
            showTubePicture(change->picture);
            ZELCOR1::TubeState = change->state;
        }
    }
}

void DesignWindow::Cmd_Button_Click(int Index)
{
    switch (Index) {
    case 0:
        m_shell.showResults();
        break;
    case 1:
        m_shell.quitIfConfirmed();
        break;
    case 2:
        ResetExperiment();
        break;
    case 3:
        ZELCOR1::CuttingAdded = kTrue;
        m_syringe->hide();
        m_tube->hide();
        if (m_start->picture().isNull())
            m_start->setPicture(catalogue::cuttingInTube());
        m_start->show();
        m_cmdButton[3]->setEnabled(false);
        for (int i = 1; i <= kWaterButton; ++i)
            m_addZelcor[i]->setEnabled(false);
        break;
    default:
        break;
    }
}

void DesignWindow::ResetExperiment()
{
    const Graphics& graphics = Graphics::instance();
    m_syringe->setPicture(graphics.Syringe(3));
    m_tube->setPicture(graphics.Tube(0));
    ClearAddedLabels();
    ZELCOR1::TubeState = kTubeEmpty;
    ZELCOR1::WaterAdded = kFalse;
    ZELCOR1::CuttingAdded = kFalse;
    m_syringe->show();
    m_tube->show();
    m_start->hide();
    m_cmdButton[3]->setEnabled(true);
    for (int i = 1; i <= kWaterButton; ++i)
        m_addZelcor[i]->setEnabled(true);
}

void DesignWindow::ClearAddedLabels()
{
    for (int i = 1; i <= kMineralCount; ++i)
        m_added[i]->setText(QStringLiteral("No"));
}

void DesignWindow::AddMineralDose()
{
    m_aniTimer.stop();
    m_syringe->setPicture(Graphics::instance().Syringe(2));
    DripFall();
    if (const auto change = tubeAfterMineral(ZELCOR1::TubeState)) {
        showTubePicture(change->picture);
        ZELCOR1::TubeState = change->state;
    }
    m_aniTimer.start(); // restarting gives a fresh 500 ms before the refill
}

void DesignWindow::DripFall()
{
    m_drip->setLeft(kDripLeftTwips);
    m_drip->setTop(kDripStartTopTwips);
    m_drip->show();
    const std::int16_t limit = dripLimit(ZELCOR1::TubeState);
    for (std::int16_t top = kDripStartTopTwips; top <= limit;
         top = static_cast<std::int16_t>(top + kDripStepTwips))
        m_drip->setTop(top);
    m_drip->hide();
}

void DesignWindow::AniTimer_Timer()
{
    m_syringe->setPicture(Graphics::instance().Syringe(3));
}

void DesignWindow::showTubePicture(int picture)
{
    m_tube->setPicture(Graphics::instance().Tube(picture));
}

} // namespace quorvel
