// The Results screen's layout, growth run and commands; the ruler's moves are its own room.
#include "results/results_window.h"

#include "controls/command_button.h"
#include "controls/hold_tip.h"
#include "controls/twips.h"
#include "model/growth_rules.h"
#include "model/outcome_rules.h"
#include "pictures/palette.h"

#include <QMouseEvent>

namespace quorvel {

namespace {
constexpr int kOuterWidthTwips = 9690;
constexpr int kOuterHeightTwips = 7290;
constexpr int kStemWidthPixels = 3;

struct LeafPlace {
    int left, top;
};
// The blacked-out tube the stem rises from, in twips, as drawn and as the ruler's words name it.
struct TubePlace {
    int left, top, width, height;
};
constexpr TubePlace kTube = {6600, 3960, 870, 2655};
constexpr std::array<LeafPlace, ResultsWindow::kLeafCount> kLeafAtCreation = {
    {{6360, 120}, {6480, 0}, {6480, 120}, {6480, 0}, {5985, 2520}, {7080, 2520}}};

// By ResultsCommand.
constexpr std::array<ButtonPlace, ResultsWindow::kCommandCount> kCmdButton = {{
    {QT_TRANSLATE_NOOP("quorvel::ResultsWindow", "&Quit"), 4440, 5505, 1335, 735},
    {QT_TRANSLATE_NOOP("quorvel::ResultsWindow", "&Move ruler"), 720, 5520, 1335, 735},
    {QT_TRANSLATE_NOOP("quorvel::ResultsWindow", "&New experiment"), 2280, 5505, 1935, 735},
}};

} // namespace

QString ResultsWindow::commandCaption(ResultsCommand Index)
{
    return shownCaption(tr(kCmdButton[std::size_t(Index)].caption));
}

ResultsWindow::ResultsWindow(ScreenHost& host)
    : ScreenWindow(host, tr("Quorvel - Your results"), kOuterWidthTwips, kOuterHeightTwips)
{
    setMouseTracking(true);
    // Children are created back to front: the windowless controls, then the leaves, whose boxes
    // lie above all of them, then the buttons.
    m_tableBackground = new ShapeControl(this, QColor(palette::kPaleYellow), 1680, 840, 3135, 3855);
    m_tube = new ImageControl(this, SinglePicture::BlackedOutTube, kTube.left, kTube.top,
                              kTube.width, kTube.height);
    m_ruler = new MeasuringRuler(*this, [this] { return plantParts(); });
    m_headingLine = new LineControl(this, Qt::black, 1, 1680, 1560, 4800, 1560);
    m_columnLine = new LineControl(this, Qt::black, 1, 3360, 840, 3360, 4680);
    m_record = RecordTable(this, 1920, 3480);
    m_stem = new LineControl(this, QColor(palette::kDarkGreen), kStemWidthPixels, 7080, 4035, 7050,
                             4035);

    // The healthy pair, shared by the three leaves on each side.
    for (int k = 0; k < kLeafCount; ++k) {
        const LeafPicture healthy =
            k % 2 == 0 ? LeafPicture::HealthyLeft : LeafPicture::HealthyRight;
        m_leaf[k] = new ImageControl(this, healthy, kLeafAtCreation[k].left, kLeafAtCreation[k].top,
                                     kLeafSizeTwips, kLeafSizeTwips);
        m_leaf[k]->setMouseTracking(true);
        m_leaf[k]->hide();
        // What the leaf shows, in words, for a pupil who cannot tell its colours apart; never
        // while the ruler is being placed, where the pointer alone says the ruler cannot go.
        m_leaf[k]->setToolTip(m_leaf[k]->accessibleDescription());
        new HoldTip(m_leaf[k], [this] { return !m_ruler->placing(); });
        connect(m_leaf[k], &ImageControl::mouseMoved, m_ruler, &MeasuringRuler::Leaf_MouseMove);
    }
    m_ruler->keepBehind(m_leaf[0]);
    m_ruler->onPlaced([this] { Q_EMIT rulerPlaced(m_ruler->footReading()); });

    for (int i = 0; i < kCommandCount; ++i) {
        m_cmdButton[i] = makeCommandButton(this, tr(kCmdButton[i].caption), kCmdButton[i]);
        connect(m_cmdButton[i], &QPushButton::clicked, this,
                [this, i] { Cmd_Button_Click(ResultsCommand(i)); });
    }
    // Quit first, then Move ruler and New experiment. The leaves take no keyboard focus: a
    // focused leaf would show nothing and do nothing.
    setTabOrder(m_cmdButton[0], m_cmdButton[1]);
    setTabOrder(m_cmdButton[1], m_cmdButton[2]);

    // Keys go to the focused button; while the ruler is being placed the arrows, Return, Space
    // and Escape place it instead.
    for (QPushButton* button : m_cmdButton)
        button->installEventFilter(m_ruler);
    installEventFilter(m_ruler); // for the keys when no button has the focus
    nameControlsForScreenReaders();
}

void ResultsWindow::nameControlsForScreenReaders()
{
    // Buttons and captions are named by their text; the pictures describe themselves.
    m_tube->setAccessibleName(tr("Test tube"));
    m_stem->setAccessibleName(tr("Stem"));
    m_tableBackground->setAccessibleName(tr("Background of the table"));
    m_columnLine->setAccessibleName(tr("Line between the table's columns"));
    m_headingLine->setAccessibleName(tr("Line under the table's headings"));
    for (int k = 0; k < kLeafCount; ++k)
        m_leaf[k]->setAccessibleName(tr("Leaf %1").arg(k + 1));
}

void ResultsWindow::describeStem(int lengthTwips)
{
    // The height a pupil would read off the ruler, for one who cannot see it.
    m_stem->setAccessibleDescription(
        tr("%1 units tall on the ruler").arg(MeasuringRuler::units(lengthTwips)));
}

void ResultsWindow::Form_Load()
{
    loadGeometry();
}

void ResultsWindow::Form_Activate()
{
    m_ruler->Form_Activate();
    m_stem->show();
    RunGrowth();
    m_cmdButton[int(ResultsCommand::Quit)]->setFocus(Qt::ActiveWindowFocusReason);
}

void ResultsWindow::RunGrowth()
{
    if (ZELCOR1::CuttingAdded == kFalse) {
        m_stem->hide();
        announce(tr("Nothing grew: there was no cutting."));
        return;
    }
    CopyExperiment();
    const Outcome outcome = outcomeOf(m_record.record(), ZELCOR1::WaterAdded == kTrue,
                                      [this] { return m_host.nextRandom(); });
    ShowLeafSymptoms(outcome.pictures);
    const int length = outcome.stemTwips;

    m_stem->setX1(kStemXTwips);
    m_stem->setX2(kStemXTwips);
    m_stem->setY2(kStemBaseYTwips);
    m_stem->setY1(kStemBaseYTwips);
    // Each leaf that grows appears in the step in which the stem's top reaches its height.
    int grown = 0;
    for (int y = kStemBaseYTwips; y >= kStemBaseYTwips - length; --y) {
        m_stem->setY1(static_cast<float>(y));
        if (grown < outcome.leavesGrown && kLeafTriggers[std::size_t(grown)].heightTwips == y) {
            const LeafTrigger& trigger = kLeafTriggers[std::size_t(grown++)];
            ImageControl* leaf = m_leaf[std::size_t(trigger.leaf)];
            leaf->setLeft(trigger.leftTwips);
            leaf->setTop(static_cast<float>(y - kLeafSizeTwips));
            leaf->show();
        }
    }
    describeStem(length);
    show();
    announceGrowth(length);
    Q_EMIT grew(growthRun(outcome));
}

GrowthRun ResultsWindow::growthRun(const Outcome& outcome) const
{
    GrowthRun run;
    run.water = ZELCOR1::WaterAdded == kTrue;
    for (quorvel::Mineral mineral : kMinerals)
        run.given[std::size_t(index(mineral) - 1)] = given(m_record.record(), mineral);
    // The leaves grow from the bottom up in the order of their triggers.
    for (int k = 0; k < outcome.leavesGrown; ++k) {
        const ImageControl* leaf = m_leaf[std::size_t(kLeafTriggers[std::size_t(k)].leaf)];
        run.leaves.push_back(std::get<LeafPicture>(leaf->picture()));
    }
    run.stemTwips = outcome.stemTwips;
    return run;
}

void ResultsWindow::announceGrowth(int lengthTwips)
{
    QStringList looks;
    for (ImageControl* leaf : m_leaf) {
        if (leaf->isVisibleTo(this) && !looks.contains(leaf->accessibleDescription()))
            looks.append(leaf->accessibleDescription());
    }
    if (looks.isEmpty()) {
        announce(
            tr("The stem grew %1 units, with no leaves.").arg(MeasuringRuler::units(lengthTwips)));
        return;
    }
    announce(tr("The stem grew %1 units. Leaves: %2.")
                 .arg(MeasuringRuler::units(lengthTwips),
                      //: Between two leaves in a list; Arabic and Chinese write their own comma.
                      looks.join(tr(", "))));
}

void ResultsWindow::CopyExperiment()
{
    const AddedCaptions record = m_host.designRecord();
    for (int i = 1; i <= kMineralCount; ++i)
        m_record.setRecord(i, record[i]);
}

void ResultsWindow::ShowLeafSymptoms(const LeafChoice& choice)
{
    for (int k = 0; k < kLeafCount; ++k) {
        if (choice[k]) {
            m_leaf[k]->setPicture(*choice[k]);
            m_leaf[k]->setToolTip(m_leaf[k]->accessibleDescription());
        }
    }
}

void ResultsWindow::Cmd_Button_Click(ResultsCommand Index)
{
    switch (Index) {
    case ResultsCommand::Quit:
        m_host.quitIfConfirmed();
        break;
    case ResultsCommand::MoveRuler:
        m_ruler->BeginRulerPlacing();
        break;
    case ResultsCommand::NewExperiment:
        HideLeaves();
        m_ruler->leaveScreen();
        m_host.showDesign();
        break;
    }
}

void ResultsWindow::HideLeaves()
{
    for (ImageControl* leaf : m_leaf)
        leaf->hide();
}

std::vector<PlantBox> ResultsWindow::plantParts() const
{
    std::vector<PlantBox> parts;
    if (m_stem->isVisibleTo(this)) {
        const float top = m_stem->y1();
        parts.push_back({PlantPart::StemTop, 0, kStemXTwips, top, 0, 0});
        parts.push_back({PlantPart::Stem, 0, kStemXTwips, top, 0, kStemBaseYTwips - top});
    }
    for (int k = 0; k < kLeafCount; ++k) {
        if (m_leaf[k]->isVisibleTo(this))
            parts.push_back({PlantPart::Leaf, k, m_leaf[k]->left(), m_leaf[k]->top(),
                             kLeafSizeTwips, kLeafSizeTwips});
    }
    parts.push_back({PlantPart::Tube, 0, float(kTube.left), float(kTube.top), float(kTube.width),
                     float(kTube.height)});
    return parts;
}

void ResultsWindow::resizeEvent(QResizeEvent* event)
{
    ScreenWindow::resizeEvent(event);
    m_ruler->followFrame();
}

void ResultsWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const TwipsFrame& frame = twipsFrame();
    m_ruler->Form_MouseDown(float(frame.toTwipsX(event->position().x())),
                            float(frame.toTwipsY(event->position().y())));
}

void ResultsWindow::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    m_ruler->Form_MouseMove();
}

} // namespace quorvel
