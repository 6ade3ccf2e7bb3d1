// The Results screen's layout, growth run, commands and ruler.
#include "results/results_window.h"

#include "controls/command_button.h"
#include "controls/pointer_shape.h"
#include "controls/twips.h"
#include "pictures/palette.h"

#include "model/integer16.h"
#include "model/outcome_rules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QRubberBand>

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

QString ResultsWindow::rulerUnits(int lengthTwips)
{
    return QLocale().toString(rulerReading(lengthTwips), 'f', 1);
}

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
    m_ruler = new ImageControl(this, SinglePicture::Ruler, 8640, 240, 465, 5265);
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
        connect(m_leaf[k], &ImageControl::mouseMoved, this, [this, k] { Leaf_MouseMove(k); });
    }

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
        button->installEventFilter(this);
    installEventFilter(this); // for the keys when no button has the focus

    connect(m_ruler, &ImageControl::pressed, this, &ResultsWindow::Ruler_MouseDown);
    connect(m_ruler, &ImageControl::mouseMoved, this, &ResultsWindow::moveDragOutline);
    connect(m_ruler, &ImageControl::released, this, &ResultsWindow::Ruler_MouseUp);
    nameControlsForScreenReaders();
}

void ResultsWindow::nameControlsForScreenReaders()
{
    // Buttons and captions are named by their text; the pictures describe themselves.
    m_tube->setAccessibleName(tr("Test tube"));
    m_ruler->setAccessibleName(tr("Ruler"));
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
    m_stem->setAccessibleDescription(tr("%1 units tall on the ruler").arg(rulerUnits(lengthTwips)));
}

QPushButton* ResultsWindow::Cmd_Button(ResultsCommand command) const
{
    const int index = static_cast<int>(command);
    return index >= 0 && index < kCommandCount ? m_cmdButton[index] : nullptr;
}

ImageControl* ResultsWindow::Leaf(int index) const
{
    return index >= 0 && index < kLeafCount ? m_leaf[index] : nullptr;
}

void ResultsWindow::Form_Load()
{
    loadGeometry();
}

void ResultsWindow::Form_Activate()
{
    m_placingRuler = false;
    hideKeyboardOutline();
    // Leaving while placing was armed hid the ruler; bring it back where it was, so the pupil is
    // never left without a ruler and without a way to place it.
    m_ruler->show();
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
}

void ResultsWindow::announceGrowth(int lengthTwips)
{
    QStringList looks;
    for (ImageControl* leaf : m_leaf) {
        if (leaf->isVisibleTo(this) && !looks.contains(leaf->accessibleDescription()))
            looks.append(leaf->accessibleDescription());
    }
    if (looks.isEmpty()) {
        announce(tr("The stem grew %1 units, with no leaves.").arg(rulerUnits(lengthTwips)));
        return;
    }
    announce(tr("The stem grew %1 units. Leaves: %2.")
                 .arg(rulerUnits(lengthTwips),
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
        if (choice[k])
            m_leaf[k]->setPicture(*choice[k]);
    }
}

void ResultsWindow::Cmd_Button_Click(ResultsCommand Index)
{
    switch (Index) {
    case ResultsCommand::Quit:
        m_host.quitIfConfirmed();
        break;
    case ResultsCommand::MoveRuler:
        BeginRulerPlacing();
        break;
    case ResultsCommand::NewExperiment:
        HideLeaves();
        // A crosshair left from an unfinished placing would follow the pupil to the Design screen.
        if (m_placingRuler)
            setPointerShape(PointerShape::Default);
        hideKeyboardOutline();
        m_host.showDesign();
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
    if (!m_placingRuler)
        announce(tr("Placing the ruler: arrows move it, Return puts it down, Escape stops."));
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
    hideKeyboardOutline();
}

void ResultsWindow::Ruler_MouseDown(float X, float Y)
{
    m_grab = grabAt(X, Y);
    // A manual drag: the ruler stays put while an outline of it follows the pointer.
    m_dragging = true;
    m_dragCorner = QPointF(m_ruler->left(), m_ruler->top());
    dragOutline()->setGeometry(m_ruler->geometry());
    m_dragOutline->raise();
    m_dragOutline->show();
}

QRubberBand* ResultsWindow::dragOutline()
{
    if (!m_dragOutline)
        m_dragOutline = new QRubberBand(QRubberBand::Rectangle, this);
    return m_dragOutline;
}

QPointF ResultsWindow::pointerOnWindow(float x, float y) const
{
    // The ruler's on-screen corner, as the pointer meets it, not its unrounded twips.
    const TwipsFrame& frame = twipsFrame();
    return {frame.toTwipsX(m_ruler->x()) + x, frame.toTwipsY(m_ruler->y()) + y};
}

void ResultsWindow::moveDragOutline(float x, float y)
{
    if (!m_dragging)
        return;
    const QPointF pointer = pointerOnWindow(x, y);
    const RulerPlace place = dropPlace(float(pointer.x()), float(pointer.y()), m_grab);
    m_dragCorner = QPointF(place.left, place.top);
    m_dragOutline->move(twipsFrame().point(place.left, place.top));
}

void ResultsWindow::Ruler_MouseUp(float X, float Y)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    m_dragOutline->hide();
    // The drop goes to whatever lies under the pointer; only the window's own surface takes it.
    const QPointF pointer = pointerOnWindow(X, Y);
    const float x = float(pointer.x());
    const float y = float(pointer.y());
    const QPoint pixel = twipsFrame().point(x, y);
    if (!rect().contains(pixel) || childAt(pixel) != nullptr)
        return;
    Form_DragDrop(m_ruler, x, y);
}

void ResultsWindow::Form_DragDrop(ImageControl* Source, float X, float Y)
{
    if (!Source)
        return;
    const RulerPlace place = dropPlace(X, Y, m_grab);
    Source->setLeft(place.left);
    Source->setTop(place.top);
}

std::optional<QPointF> ResultsWindow::keyboardOutline() const
{
    return m_keyboardCorner;
}

bool ResultsWindow::placingKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (!m_placingRuler)
        return false;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        moveKeyboardOutline(key, modifiers.testFlag(Qt::ShiftModifier));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        placeAtKeyboardOutline();
        return true;
    case Qt::Key_Escape:
        leavePlacing();
        return true;
    default:
        return false;
    }
}

void ResultsWindow::moveKeyboardOutline(int key, bool large)
{
    // The outline starts where the ruler stood.
    QPointF corner = m_keyboardCorner.value_or(QPointF(m_ruler->left(), m_ruler->top()));
    const int direction = key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 1;
    if (key == Qt::Key_Left || key == Qt::Key_Right)
        corner.setX(outlineStep(float(corner.x()), direction, large, std::nullopt));
    else
        corner.setY(outlineStep(float(corner.y()), direction, large, stemTop()));
    // The corner stays on the window's surface, where a press could put it.
    const TwipsFrame& frame = twipsFrame();
    corner.setX(std::clamp(corner.x(), frame.toTwipsX(0), frame.toTwipsX(width() - 1)));
    corner.setY(std::clamp(corner.y(), frame.toTwipsY(0), frame.toTwipsY(height() - 1)));
    m_keyboardCorner = corner;
    showKeyboardOutline();
    announce(whereOutlineIs());
}

void ResultsWindow::showOutlineAt(const QPointF& corner)
{
    dragOutline()->setGeometry(QRect(twipsFrame().point(corner.x(), corner.y()), m_ruler->size()));
    m_dragOutline->raise();
    m_dragOutline->show();
}

void ResultsWindow::showKeyboardOutline()
{
    if (m_keyboardCorner)
        showOutlineAt(*m_keyboardCorner);
}

void ResultsWindow::hideKeyboardOutline()
{
    if (!m_keyboardCorner)
        return;
    m_keyboardCorner.reset();
    m_dragOutline->hide();
}

void ResultsWindow::placeAtKeyboardOutline()
{
    const QPointF corner = m_keyboardCorner.value_or(QPointF(m_ruler->left(), m_ruler->top()));
    // Exactly a press at the outline's corner: the pixel it is drawn at, in the press's twips.
    const TwipsFrame& frame = twipsFrame();
    const QPoint pixel = frame.point(corner.x(), corner.y());
    if (!rect().contains(pixel))
        return; // never: the arrows keep the corner on the window
    if (const QWidget* inTheWay = childAt(pixel)) {
        QApplication::beep();
        QString name = inTheWay->accessibleName();
        if (const auto* button = qobject_cast<const QAbstractButton*>(inTheWay))
            name = shownCaption(button->text());
        else if (const auto* label = qobject_cast<const QLabel*>(inTheWay); label && name.isEmpty())
            name = label->text();
        announce(tr("The ruler cannot go there: %1 is in the way.").arg(name));
        return;
    }
    Form_MouseDown(float(frame.toTwipsX(pixel.x())), float(frame.toTwipsY(pixel.y())));
    announce(stemReading());
}

void ResultsWindow::leavePlacing()
{
    hideKeyboardOutline();
    m_placingRuler = false;
    m_ruler->show();
    setPointerShape(PointerShape::Default);
    announce(tr("Placing stopped; the ruler is back."));
}

namespace {
// A distance on the layout as the eye sees it, in whole pixels at 1x: a third of a pixel between
// the stem's top and the zero mark is no distance at all.
int wholePixels(double twips)
{
    return toInteger16(twips / kTwipsPerPixel) * kTwipsPerPixel;
}
} // namespace

std::optional<float> ResultsWindow::stemTop() const
{
    if (!m_stem->isVisibleTo(this))
        return std::nullopt;
    return m_stem->y1();
}

std::vector<PlantBox> ResultsWindow::plantParts() const
{
    std::vector<PlantBox> parts;
    if (const auto top = stemTop()) {
        parts.push_back({PlantPart::StemTop, 0, kStemXTwips, *top, 0, 0});
        parts.push_back({PlantPart::Stem, 0, kStemXTwips, *top, 0, kStemBaseYTwips - *top});
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

QString ResultsWindow::whereOutlineIs() const
{
    const QPointF corner = *m_keyboardCorner;
    const auto nearest = nearestPart(float(corner.x()), float(corner.y()), plantParts());
    QString near;
    switch (nearest->part) {
    case PlantPart::StemTop:
        near = tr("Near the top of the stem");
        break;
    case PlantPart::Stem:
        near = tr("Near the stem");
        break;
    case PlantPart::Leaf:
        near = tr("Near leaf %1").arg(nearest->leaf + 1);
        break;
    case PlantPart::Tube:
        near = tr("Near the tube");
        break;
    }
    const auto top = stemTop();
    if (!top)
        return near;
    // The zero mark is the outline's top edge; positive is above the stem's top.
    const int above = wholePixels(*top - corner.y());
    if (above == 0)
        return tr("%1, zero mark level with the stem's top").arg(near);
    if (above > 0)
        return tr("%1, zero mark %2 units above the stem's top").arg(near, rulerUnits(above));
    return tr("%1, zero mark %2 units below the stem's top").arg(near, rulerUnits(-above));
}

QString ResultsWindow::stemReading() const
{
    const auto top = stemTop();
    if (!top)
        return tr("Ruler placed.");
    // Where the stem's top and foot fall on the ruler's scale, which starts at its top edge.
    const int fromTop = wholePixels(*top - m_ruler->top());
    const int toFoot = wholePixels(kStemBaseYTwips - m_ruler->top());
    return tr("Ruler placed: the stem runs from %1 to %2 on its scale.")
        .arg(rulerUnits(fromTop), rulerUnits(toFoot));
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (m_placingRuler &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Claimed before any shortcut, so that Escape leaves placing before full screen.
        if (event->type() == QEvent::ShortcutOverride) {
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                event->accept();
                return true;
            }
            return false;
        }
        if (!(key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) &&
            placingKey(key->key(), key->modifiers()))
            return true;
    }
    return ScreenWindow::eventFilter(watched, event);
}

void ResultsWindow::resizeEvent(QResizeEvent* event)
{
    ScreenWindow::resizeEvent(event);
    // An outline stays on the same place of the layout, at the new scale and the ruler's new
    // size: F11 during a drag changes both under the pupil's hand.
    if (m_dragging)
        showOutlineAt(m_dragCorner);
    showKeyboardOutline();
}

void ResultsWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const TwipsFrame& frame = twipsFrame();
    Form_MouseDown(float(frame.toTwipsX(event->position().x())),
                   float(frame.toTwipsY(event->position().y())));
}

void ResultsWindow::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    Form_MouseMove();
}

} // namespace quorvel
