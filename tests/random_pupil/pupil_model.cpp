// The reference model of both screens.
#include "pupil_model.h"

#include "../support/layout_oracle.h"
#include "../support/scaled_fit.h"

#include <algorithm>
#include <cmath>

namespace pupil {

namespace {

namespace design = layout::design;
namespace results = layout::results;

TwipsRect rect(const layout::Twips& t)
{
    return {double(t.left), double(t.top), double(t.width), double(t.height)};
}

// A Design button by the model's id, or an empty place for an id that is no button.
TwipsRect designButton(int id)
{
    if (DesignButton::isFilling(id))
        return rect(design::kAddZelcor[std::size_t(id)].place);
    const int cmd = id - DesignButton::kCmd;
    if (cmd >= 0 && cmd < int(design::kCmdButton.size()))
        return rect(design::kCmdButton[std::size_t(cmd)].place);
    return {};
}
constexpr int kLastDesignButton = DesignButton::kCmd + int(design::kCmdButton.size()) - 1;

} // namespace

void PupilModel::setClientSize(QSize size)
{
    // The layout drawn as one picture at the largest scale that fits, centred.
    clientSize = size;
    const testing::ScaledFit fit = testing::scaledFit(laidOut, size);
    scale = fit.scale;
    origin = fit.origin;
}

int PupilModel::length(double twips) const
{
    return int(std::lround(twips * scale / 15.0));
}

QRect PupilModel::toPixels(const TwipsRect& r) const
{
    return QRect(origin.x() + length(r.left), origin.y() + length(r.top), length(r.width),
                 length(r.height));
}

QPointF PupilModel::toTwips(QPoint p) const
{
    return {(p.x() - origin.x()) * 15.0 / scale, (p.y() - origin.y()) * 15.0 / scale};
}

int PupilModel::tubePicture(std::int16_t state)
{
    // The picture's index is not the state's number.
    static constexpr std::array<int, 4> pictures = {0, 3, 1, 2};
    return pictures.at(std::size_t(state));
}

PupilModel::PupilModel()
{
    for (int i = 1; i <= 6; ++i)
        resultsAdded[std::size_t(i)] = QStringLiteral("No");
    resultsAdded[0] = QStringLiteral("Added");
    for (std::size_t k = 0; k < leafAt.size(); ++k)
        leafAt[k] = QPointF(results::kLeafAtCreation[k][0], results::kLeafAtCreation[k][1]);
    leafPicture = {0, 1, 0, 1, 0, 1}; // the healthy pair, as created
}

void PupilModel::start()
{
    designActivation();
}

bool PupilModel::designEnabled(int id) const
{
    if (id >= 1 && id <= 6)
        return !cutting;
    if (id == 7)
        return !cutting && !water;
    if (id == DesignButton::kCmd + 3)
        return !cutting;
    return id >= DesignButton::kCmd && id <= DesignButton::kCmd + 2;
}

void PupilModel::designClick(int id)
{
    if (!designEnabled(id))
        return;
    if (id >= 1 && id <= 6)
        mineral(id);
    else if (id == 7)
        addWater();
    else if (id == DesignButton::kCmd)
        seeResults();
    else if (id == DesignButton::kCmd + 1)
        closeAnsweredNo(); // the Quit button asks as closing does; No changes nothing
    else if (id == DesignButton::kCmd + 2)
        resetExperiment();
    else if (id == DesignButton::kCmd + 3)
        cutting = true;
}

void PupilModel::resultsClick(int index)
{
    if (index == 0) {
        closeAnsweredNo();
    } else if (index == 1) {
        placing = true;
        rulerShown = false;
        pointer = Pointer::Crosshair;
    } else if (index == 2) {
        newExperiment();
    }
}

void PupilModel::closeAnsweredNo()
{
    ++asked;
    ++tally.quitsAnswered;
}

void PupilModel::designActivation()
{
    syringe = Syringe::Full;
    aniTimerActive = false;
    resetExperiment();
}

void PupilModel::resetExperiment()
{
    syringe = Syringe::Full;
    tubeState = 0;
    given.reset();
    water = false;
    cutting = false;
}

void PupilModel::mineral(int index)
{
    const bool wet = tubeState == 1 || tubeState == 3;
    dripTop = wet ? 2480 : 4430; // the last of 17 or 56 positions, 50 twips apart from 1680
    if (tubeState == 0)
        tubeState = 2;
    else if (tubeState == 1)
        tubeState = 3;
    given.set(std::size_t(index - 1));
    ++tally.doses;
    syringe = Syringe::Pressed;
    pressedAtMs = nowMs;
    aniTimerActive = true;
}

void PupilModel::addWater()
{
    water = true;
    if (tubeState == 0)
        tubeState = 1;
    else if (tubeState == 2)
        tubeState = 3;
}

void PupilModel::seeResults()
{
    resultsLoaded = true;
    screen = Screen::Results;
    // Activation: placing is cleared, and the ruler that leaving while placing hid comes back.
    placing = false;
    outline.reset();
    rulerShown = true;
    stemShown = true;
    growthRun();
}

void PupilModel::newExperiment()
{
    leafShown.fill(false);
    outline.reset();
    if (placing)
        pointer = Pointer::Default; // no crosshair follows the pupil to the Design screen
    screen = Screen::Design;
    designActivation();
}

void PupilModel::growthRun()
{
    if (!cutting) {
        stemShown = false;
        return;
    }
    for (int i = 1; i <= 6; ++i)
        resultsAdded[std::size_t(i)] =
            given.test(std::size_t(i - 1)) ? QStringLiteral("Yes") : QStringLiteral("No");
    ++tally.growthRuns;
    leafSymptoms();
    const int g = oracle::growth(given, water);
    growth = g;
    stemTop = results::kStemBase - oracle::stemLength(g);
    const int shown = water ? oracle::leavesShown(g) : 0;
    for (int k = 0; k < shown; ++k) {
        leafShown[std::size_t(k)] = true;
        leafAt[std::size_t(k)] = QPointF(
            k % 2 == 0 ? 5985 : 7080, results::kLeafTriggers[std::size_t(k)] - results::kLeafSize);
    }
}

void PupilModel::leafSymptoms()
{
    const oracle::LeafPictures rule = oracle::leafPictures(given);
    if (!rule.mixture) {
        for (int k = 0; k < 6; ++k)
            if (rule.picture[std::size_t(k)] >= 0)
                leafPicture[std::size_t(k)] = rule.picture[std::size_t(k)];
        if (!draws.empty())
            wrongTurn = QStringLiteral("the generator was drawn outside the random mixture");
        draws.clear();
        return;
    }
    ++tally.mixtures;
    // Two draws, each repeated until it picks a missing one of minerals 1 to 4.
    for (int draw = 1; draw <= 2; ++draw) {
        int picked = 0;
        do {
            if (draws.empty()) {
                wrongTurn = QStringLiteral("the random mixture drew fewer values than it needs");
                return;
            }
            const double r = draws.front();
            draws.pop_front();
            picked = std::clamp(int(std::floor(r * 4.0 + 1.0)), 1, 4);
        } while (!oracle::missing(given, picked));
        if (draw == 1) {
            const auto pictures = oracle::drawOnePictures(picked);
            leafPicture[0] = pictures[0];
            leafPicture[2] = pictures[1];
            leafPicture[4] = pictures[2];
        } else {
            const auto pictures = oracle::drawTwoPictures(picked);
            leafPicture[1] = pictures[0];
            leafPicture[3] = pictures[1];
        }
    }
    if (!draws.empty())
        wrongTurn = QStringLiteral("the random mixture drew more values than it needs");
    draws.clear();
}

QRect PupilModel::rulerRect() const
{
    return toPixels(
        {rulerLeft, rulerTop, double(results::kRuler.width), double(results::kRuler.height)});
}

QRect PupilModel::leafRect(int k) const
{
    const QPointF at = leafAt[std::size_t(k)];
    return toPixels({at.x(), at.y(), double(results::kLeafSize), double(results::kLeafSize)});
}

Hit PupilModel::designAt(QPoint p) const
{
    if (!QRect(QPoint(), clientSize).contains(p))
        return {Hit::Kind::Outside, -1};
    // Every button lies above every other control.
    for (int id = 1; id <= kLastDesignButton; ++id) {
        if (designButton(id).width > 0 && toPixels(designButton(id)).contains(p))
            return {Hit::Kind::Button, id};
    }
    return {Hit::Kind::Other, -1};
}

Hit PupilModel::resultsAt(QPoint p) const
{
    if (!QRect(QPoint(), clientSize).contains(p))
        return {Hit::Kind::Outside, -1};
    // Front to back: buttons, then the leaf boxes (Leaf(5) in front), then the windowless
    // controls that take a press: the ruler once brought to the front, the labels, the ruler in
    // its place from the layout, the tube. The stem, rules and rectangle take none.
    for (int i = 0; i < 3; ++i)
        if (toPixels(rect(results::kCmdButton[std::size_t(i)].place)).contains(p))
            return {Hit::Kind::Button, i};
    for (int k = 5; k >= 0; --k)
        if (leafShown[std::size_t(k)] && leafRect(k).contains(p))
            return {Hit::Kind::Leaf, k};
    if (rulerShown && rulerInFront && rulerRect().contains(p))
        return {Hit::Kind::Ruler, -1};
    for (int i = 0; i <= 6; ++i) {
        if (toPixels(rect(results::kRecord.mineral(i))).contains(p) ||
            toPixels(rect(results::kRecord.added(i))).contains(p))
            return {Hit::Kind::Label, i};
    }
    if (rulerShown && !rulerInFront && rulerRect().contains(p))
        return {Hit::Kind::Ruler, -1};
    if (toPixels(rect(results::kTube)).contains(p))
        return {Hit::Kind::Tube, -1};
    return {Hit::Kind::Surface, -1};
}

std::vector<QRect> PupilModel::targets() const
{
    std::vector<QRect> rects;
    if (screen == Screen::Design) {
        for (int id = 1; id <= kLastDesignButton; ++id)
            if (designButton(id).width > 0)
                rects.push_back(toPixels(designButton(id)));
        return rects;
    }
    for (const layout::Button& button : results::kCmdButton)
        rects.push_back(toPixels(rect(button.place)));
    for (int k = 0; k < 6; ++k)
        if (leafShown[std::size_t(k)])
            rects.push_back(leafRect(k));
    if (rulerShown)
        rects.push_back(rulerRect());
    rects.push_back(toPixels({1920, 1080, 2655, 3375})); // the table
    rects.push_back(toPixels(rect(results::kTube)));
    rects.push_back(toPixels({7020, 1200, 60, 2760})); // along the stem
    return rects;
}

bool PupilModel::placingKey(int key, bool shift, QPoint drawn)
{
    if (screen != Screen::Results || !placing)
        return false;
    QPointF corner = outline.value_or(QPointF(rulerLeft, rulerTop));
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int direction = key == Qt::Key_Left ? -1 : 1;
        // One mark of the ruler (in single precision, as positions are), or with Shift one
        // pixel from where it is drawn.
        corner.setX(shift ? toTwips(drawn + QPoint(direction, 0)).x()
                          : double(float(corner.x()) + float(direction * 285)));
        break;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int direction = key == Qt::Key_Up ? -1 : 1;
        if (shift) {
            corner.setY(toTwips(drawn + QPoint(0, direction)).y());
            break;
        }
        const double to = float(corner.y()) + float(direction * 285);
        // A mark's step stops level with the stem's top on its way.
        const bool passes = stemShown && stemTop && std::min(corner.y(), to) < *stemTop &&
                            *stemTop < std::max(corner.y(), to);
        corner.setY(passes ? *stemTop : to);
        break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        const QPoint p(origin.x() + length(corner.x()), origin.y() + length(corner.y()));
        if (QRect(QPoint(), clientSize).contains(p) && resultsAt(p).kind == Hit::Kind::Surface) {
            place(p);
            ++tally.keyPlacings;
        } else {
            ++tally.keyRefusals;
        }
        return true;
    }
    case Qt::Key_Escape:
        outline.reset();
        placing = false;
        rulerShown = true;
        pointer = Pointer::Default;
        return true;
    default:
        return false;
    }
    const QPointF first = toTwips(QPoint(0, 0));
    const QPointF last = toTwips(QPoint(clientSize.width() - 1, clientSize.height() - 1));
    outline = QPointF(std::clamp(corner.x(), first.x(), last.x()),
                      std::clamp(corner.y(), first.y(), last.y()));
    return true;
}

void PupilModel::place(QPoint p)
{
    outline.reset();
    const QPointF at = toTwips(p);
    rulerLeft = float(at.x());
    rulerTop = float(at.y());
    rulerInFront = true;
    ++tally.placings;
    rulerShown = true;
    pointer = Pointer::Default;
    placing = false;
}

void PupilModel::gesture(QPoint p, QPoint q, bool leftButton)
{
    if (screen == Screen::Design) {
        const Hit at = designAt(p);
        if (leftButton && at.kind == Hit::Kind::Button && designAt(q) == at)
            designClick(at.index);
        return;
    }
    const Hit at = resultsAt(p);
    switch (at.kind) {
    case Hit::Kind::Button:
        // Any mouse button goes to the button; only the left one clicks it.
        if (leftButton && resultsAt(q) == at)
            resultsClick(at.index);
        break;
    case Hit::Kind::Surface:
        if (placing)
            place(p);
        break;
    case Hit::Kind::Ruler: {
        const QRect ruler = rulerRect();
        // Where the ruler was taken hold of, in twips from its corner; down to whole twips.
        m_grabX = float((p.x() - ruler.x()) * 15.0 / scale);
        m_grabY = int(std::nearbyint((p.y() - ruler.y()) * 15.0 / scale));
        // The drop goes to what lies under the release; only the surface takes it.
        if (resultsAt(q).kind == Hit::Kind::Surface) {
            const QPointF at = toTwips(q);
            rulerLeft = float(at.x()) - m_grabX;
            rulerTop = float(at.y()) - float(m_grabY);
            ++tally.drops;
        }
        break;
    }
    default:
        break; // a label, the tube or a leaf takes the press and does nothing with it
    }
    // The pointer reaching p, and every move on the way to q, may set either placing shape.
    if (screen == Screen::Results && placing)
        pointer = Pointer::CrosshairOrNoDrop;
}

void PupilModel::hover(QPoint p)
{
    if (screen != Screen::Results || !placing)
        return;
    const Hit at = resultsAt(p);
    if (at.kind == Hit::Kind::Surface)
        pointer = Pointer::Crosshair;
    else if (at.kind == Hit::Kind::Leaf)
        pointer = Pointer::NoDrop;
    else
        pointer = Pointer::CrosshairOrNoDrop;
}

void PupilModel::waitedForTick()
{
    if (aniTimerActive)
        syringe = Syringe::Full;
}

} // namespace pupil
