// The Results screen's layout, growth run, commands and ruler.
#include "results/results_window.h"

#include "design/design_window.h"
#include "pictures/drawings.h"
#include "pictures/graphics.h"
#include "pictures/picture_catalogue.h"
#include "shell/numbers.h"
#include "shell/pointer.h"
#include "shell/record_table.h"
#include "shell/shell.h"

#include <QMouseEvent>
#include <QRubberBand>

namespace quorvel {

namespace {
const QColor kLightYellow(255, 255, 128);
const QColor kDarkGreen(0, 128, 0);
constexpr int kOuterWidthTwips = 9690;
constexpr int kOuterHeightTwips = 7290;
constexpr int kLeafSizeTwips = 1050;

struct LeafPlace {
    int left, top;
};
constexpr std::array<LeafPlace, 6> kLeafAtCreation = {
    {{6360, 120}, {6480, 0}, {6480, 120}, {6480, 0}, {5985, 2520}, {7080, 2520}}};

float toTwips(double pixels)
{
    return static_cast<float>(pixelsToTwips(pixels));
}
} // namespace

ResultsWindow::ResultsWindow(Shell& shell)
    : ScreenWindow(shell, QStringLiteral("Quorvel - Your results"), kOuterWidthTwips,
                   kOuterHeightTwips)
{
    setMouseTracking(true);
    // Children are created back to front: the windowless controls, then the leaves, whose boxes
    // lie above all of them, then the buttons.
    m_shape1 = new ShapeControl(this, kLightYellow, 1680, 840, 3135, 3855);
    m_tube = new ImageControl(this, 6600, 3960, 870, 2655);
    m_tube->setPicture(catalogue::blackedOutTube());
    m_ruler = new ImageControl(this, 8640, 240, 465, 5265);
    m_ruler->setPicture(catalogue::ruler());
    m_line2 = new LineControl(this, Qt::black, 1, 1680, 1560, 4800, 1560);
    m_line1 = new LineControl(this, Qt::black, 1, 3360, 840, 3360, 4680);
    const RecordLabels record = makeRecordLabels(this, 1920, 3480);
    m_mineral = record.mineral;
    m_added = record.added;
    m_stem = new LineControl(this, kDarkGreen, 3, 7080, 4035, 7050, 4035);

    // The healthy pair, drawn once and shared by the three leaves on each side.
    const std::array<QPixmap, 2> healthy = {catalogue::leaf(0), catalogue::leaf(1)};
    for (int k = 0; k < 6; ++k) {
        m_leaf[k] = new ImageControl(this, kLeafAtCreation[k].left, kLeafAtCreation[k].top,
                                     kLeafSizeTwips, kLeafSizeTwips);
        m_leaf[k]->setPicture(healthy[k % 2]);
        m_leaf[k]->setMouseTracking(true);
        m_leaf[k]->hide();
        connect(m_leaf[k], &ImageControl::mouseMoved, this, [this, k] { Leaf_MouseMove(k); });
    }

    m_cmdButton[0] = makeButton(this, QStringLiteral("&Quit"), 4440, 5505, 1335, 735);
    m_cmdButton[1] = makeButton(this, QStringLiteral("&Move ruler"), 720, 5520, 1335, 735);
    m_cmdButton[2] = makeButton(this, QStringLiteral("&New experiment"), 2280, 5505, 1935, 735);
    for (int i = 0; i < 3; ++i)
        connect(m_cmdButton[i], &QPushButton::clicked, this, [this, i] { Cmd_Button_Click(i); });
    // Quit first, then Move ruler and New experiment. The leaves take no keyboard focus: a
    // focused leaf would show nothing and do nothing.
    setTabOrder(m_cmdButton[0], m_cmdButton[1]);
    setTabOrder(m_cmdButton[1], m_cmdButton[2]);

    connect(m_ruler, &ImageControl::pressed, this, &ResultsWindow::Ruler_MouseDown);
    connect(m_ruler, &ImageControl::mouseMoved, this, &ResultsWindow::moveDragOutline);
    connect(m_ruler, &ImageControl::released, this, &ResultsWindow::Ruler_MouseUp);
    nameControlsForScreenReaders();
}

void ResultsWindow::nameControlsForScreenReaders()
{
    // Buttons and captions are named by their text; the pictures describe themselves.
    m_tube->setAccessibleName(QStringLiteral("Test tube"));
    m_ruler->setAccessibleName(QStringLiteral("Ruler"));
    m_stem->setAccessibleName(QStringLiteral("Stem"));
    m_shape1->setAccessibleName(QStringLiteral("Background of the table"));
    m_line1->setAccessibleName(QStringLiteral("Line between the table's columns"));
    m_line2->setAccessibleName(QStringLiteral("Line under the table's headings"));
    for (int k = 0; k < 6; ++k)
        m_leaf[k]->setAccessibleName(QStringLiteral("Leaf %1").arg(k + 1));
}

void ResultsWindow::describeStem(std::int16_t lengthTwips)
{
    // The height a pupil would read off the ruler, for one who cannot see it.
    constexpr double kTwipsPerRulerUnit = drawings::kRulerUnitPixels * kTwipsPerPixel;
    const double units = lengthTwips / kTwipsPerRulerUnit;
    m_stem->setAccessibleDescription(
        QStringLiteral("%1 units tall on the ruler").arg(units, 0, 'f', 1));
}

QPushButton* ResultsWindow::Cmd_Button(int index) const
{
    return index >= 0 && index < 3 ? m_cmdButton[index] : nullptr;
}

CaptionLabel* ResultsWindow::Mineral(int index) const
{
    return index >= 0 && index <= kMineralCount ? m_mineral[index] : nullptr;
}

CaptionLabel* ResultsWindow::Added(int index) const
{
    return index >= 0 && index <= kMineralCount ? m_added[index] : nullptr;
}

ImageControl* ResultsWindow::Leaf(int index) const
{
    return index >= 0 && index < 6 ? m_leaf[index] : nullptr;
}

void ResultsWindow::Form_Load()
{
    loadGeometry();
    m_growthLimit = kGrowthLimitTable;
}

void ResultsWindow::Form_Activate()
{
    m_placingRuler = false;
    // Leaving while placing was armed hid the ruler; bring it back where it was, so the pupil is
    // never left without a ruler and without a way to place it.
    m_ruler->show();
    m_stem->show();
    RunGrowth();
    m_cmdButton[0]->setFocus(Qt::ActiveWindowFocusReason);
}

void ResultsWindow::RunGrowth()
{
    if (ZELCOR1::CuttingAdded == kFalse) {
        m_stem->hide();
        return;
    }
    CopyExperiment();
    ShowLeafSymptoms();
    const std::int16_t g = ComputeGrowth();
    m_lastGrowth = g;
    const std::int16_t length = stemLength(g);

    m_stem->setX1(kStemXTwips);
    m_stem->setX2(kStemXTwips);
    m_stem->setY2(kStemBaseYTwips);
    m_stem->setY1(kStemBaseYTwips);
    for (int y = kStemBaseYTwips; y >= kStemBaseYTwips - length; --y) {
        m_stem->setY1(static_cast<float>(y));
        if (ZELCOR1::WaterAdded == kTrue) {
            if (const auto trigger = leafTriggeredAt(y)) {
                ImageControl* leaf = m_leaf[trigger->leaf];
                leaf->setLeft(trigger->leftTwips);
                leaf->setTop(static_cast<float>(y - kLeafTopOffsetTwips));
                leaf->show();
            }
        }
    }
    describeStem(length);
    show();
}

void ResultsWindow::CopyExperiment()
{
    const DesignWindow& design = m_shell.design();
    for (int i = 1; i <= kMineralCount; ++i)
        m_added[i]->setText(design.Added(i)->text());
}

AddedCaptions ResultsWindow::addedCaptions() const
{
    AddedCaptions captions;
    for (int i = 0; i <= kMineralCount; ++i)
        captions[i] = m_added[i]->text().toStdString();
    return captions;
}

std::int16_t ResultsWindow::ComputeGrowth() const
{
    return computeGrowth(addedCaptions(), m_growthLimit, ZELCOR1::WaterAdded);
}

void ResultsWindow::ShowLeafSymptoms()
{
    const LeafChoice choice =
        m_leafRules.choose(addedCaptions(), [this] { return m_shell.random().next(); });
    const Graphics& graphics = Graphics::instance();
    for (int k = 0; k < 6; ++k) {
        if (choice[k] != kLeafUnchanged)
            m_leaf[k]->setPicture(graphics.Leaf(choice[k]));
    }
}

void ResultsWindow::Cmd_Button_Click(int Index)
{
    switch (Index) {
    case 0:
        m_shell.quitIfConfirmed();
        break;
    case 1:
        BeginRulerPlacing();
        break;
    case 2:
        HideLeaves();
        // A crosshair left from an unfinished placing would follow the pupil to the Design screen.
        if (m_placingRuler)
            setPointerShape(PointerShape::Default);
        m_shell.showDesign();
        break;
    default:
        break;
    }
}

void ResultsWindow::HideLeaves()
{
    for (ImageControl* leaf : m_leaf)
        leaf->hide();
}

void ResultsWindow::BeginRulerPlacing()
{
    m_placingRuler = true;
    m_ruler->hide();
    setPointerShape(PointerShape::Crosshair);
}

void ResultsWindow::Form_MouseMove()
{
    if (m_placingRuler)
        setPointerShape(PointerShape::Crosshair);
}

void ResultsWindow::Leaf_MouseMove(int)
{
    if (m_placingRuler)
        setPointerShape(PointerShape::NoDrop);
}

void ResultsWindow::Form_MouseDown(float X, float Y)
{
    if (!m_placingRuler)
        return;
    m_ruler->setLeft(X);
    m_ruler->setTop(Y);
    // To the front of the windowless controls only: the leaves and buttons stay above it.
    m_ruler->stackUnder(m_leaf[0]);
    m_ruler->show();
    setPointerShape(PointerShape::Default);
    m_placingRuler = false;
}

void ResultsWindow::Ruler_MouseDown(float X, float Y)
{
    const RulerGrab grab = grabAt(X, Y);
    m_grabX = grab.x;
    m_grabY = grab.y;
    // A manual drag: the ruler stays put while an outline of it follows the pointer.
    m_dragging = true;
    if (!m_dragOutline)
        m_dragOutline = new QRubberBand(QRubberBand::Rectangle, this);
    m_dragOutline->setGeometry(m_ruler->geometry());
    m_dragOutline->raise();
    m_dragOutline->show();
}

void ResultsWindow::moveDragOutline(float x, float y)
{
    if (!m_dragging)
        return;
    // (x, y) is the pointer in twips from the ruler's top-left; the grabbed point follows it.
    const float left = m_ruler->left() + x - m_grabX.value_or(0.0f);
    const float top = m_ruler->top() + y - static_cast<float>(m_grabY);
    m_dragOutline->move(twipsToPixels(left), twipsToPixels(top));
}

void ResultsWindow::Ruler_MouseUp(float X, float Y)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    m_dragOutline->hide();
    // The drop goes to whatever lies under the pointer; only the window's own surface takes it.
    // (X, Y) is the pointer in twips from the ruler's top-left corner.
    const float x = toTwips(m_ruler->x()) + X;
    const float y = toTwips(m_ruler->y()) + Y;
    const QPoint pointer(twipsToPixels(x), twipsToPixels(y));
    if (!rect().contains(pointer) || childAt(pointer) != nullptr)
        return;
    Form_DragDrop(m_ruler, x, y);
}

void ResultsWindow::Form_DragDrop(ImageControl* Source, float X, float Y)
{
    if (!Source)
        return;
    const RulerPlace place = dropPlace(X, Y, RulerGrab{m_grabX.value_or(0.0f), m_grabY});
    Source->setLeft(place.left);
    Source->setTop(place.top);
}

void ResultsWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Form_MouseDown(toTwips(event->position().x()), toTwips(event->position().y()));
}

void ResultsWindow::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    Form_MouseMove();
}

} // namespace quorvel
