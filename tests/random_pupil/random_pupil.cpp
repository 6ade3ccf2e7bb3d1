// The random pupil's actions, and the comparison of both screens with the model after each one.
#include "random_pupil.h"

#include "controls/pointer_shape.h"
#include "help/help_window.h"
#include "model/experiment_state.h"
#include "notebook/notebook_table.h"
#include "notebook/notebook_window.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRubberBand>
#include <QScreen>
#include <QTableView>
#include <QTextBrowser>
#include <QTextStream>
#include <QTimerEvent>
#include <QTouchEvent>
#include <QWindow>
#include <vector>

namespace pupil {

using quorvel::DesignWindow;
using quorvel::ResultsWindow;
using Kind = Hit::Kind;

struct AccessKey {
    Qt::Key key;
    int id; // Design id or Results index; -1 for a letter no button carries
};

namespace {

// The access keys of both screens in the language installed, read from the captions the
// program must show (English, or their translation), and a few letters that press nothing.
std::vector<AccessKey> keysOf(const char* screen,
                              const std::vector<std::pair<const char*, int>>& captions,
                              const QString& idleLetters, int idleCount)
{
    std::vector<AccessKey> keys;
    QString used;
    for (const auto& [caption, id] : captions) {
        const QString shown = QCoreApplication::translate(screen, caption);
        const qsizetype mark = shown.indexOf(QLatin1Char('&'));
        const QChar letter = shown.at(mark + 1).toUpper();
        used += letter;
        keys.push_back({Qt::Key(letter.unicode()), id});
    }
    int idle = 0;
    for (const QChar letter : idleLetters) {
        if (!used.contains(letter) && idle < idleCount) {
            keys.push_back({Qt::Key(letter.unicode()), -1});
            ++idle;
        }
    }
    return keys;
}

std::vector<AccessKey> designKeys()
{
    return keysOf("quorvel::DesignWindow",
                  {{"&Nitrogen", 1},
                   {"Po&tassium", 2},
                   {"&Magnesium", 3},
                   {"&Iron", 4},
                   {"&Phosphorus", 5},
                   {"&Calcium", 6},
                   {"Add &Water", 7},
                   {"See &Results", DesignButton::kCmd},
                   {"&Quit", DesignButton::kCmd + 1},
                   {"&Start again", DesignButton::kCmd + 2},
                   {"&Add Cutting", DesignButton::kCmd + 3}},
                  QStringLiteral("XGJZKY"), 2);
}

std::vector<AccessKey> resultsKeys()
{
    return keysOf("quorvel::ResultsWindow",
                  {{"&Quit", 0}, {"&Move ruler", 1}, {"&New experiment", 2}},
                  QStringLiteral("RSWXGJZ"), 3);
}

QString where(QPoint p)
{
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

QString buttonName(Qt::MouseButton button)
{
    return button == Qt::LeftButton    ? QStringLiteral("left")
           : button == Qt::RightButton ? QStringLiteral("right")
                                       : QStringLiteral("middle");
}

// An access key starts an animated click whose 100 ms timer ends it. Firing that timer at once
// keeps thousands of key presses fast and changes nothing else: the click runs exactly as the
// timer would run it.
void finishAnimatedClicks(QWidget& window)
{
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (!button->isDown())
            continue;
        for (const auto& timer : dispatcher->registeredTimers(button)) {
            QTimerEvent tick(timer.timerId);
            QCoreApplication::sendEvent(button, &tick);
        }
        if (button->isDown()) // a platform that hides its timers: let the timer fire
            QTRY_VERIFY_WITH_TIMEOUT(!button->isDown(), 2000);
    }
}

QtMessageHandler g_defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // A release outside the window (the pupil lets go beyond its edge), and raise() on a platform
    // that has no stacking of windows.
    if (type == QtWarningMsg && (message.contains(QLatin1String("occurs outside target window")) ||
                                 message.contains(QLatin1String("does not support raise()"))))
        return;
    g_defaultHandler(type, context, message);
}

} // namespace

void askForTwoScreens(int argc, char* argv[])
{
    // The platform is named in the environment, or on the command line where Wine passes no QT_
    // variable on.
    static QByteArray twoScreens = QByteArray("offscreen:configfile=") + QUORVEL_PUPIL_SCREENS;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QPA_PLATFORM", twoScreens);
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 && qstrcmp(argv[i + 1], "offscreen") == 0)
            argv[i + 1] = twoScreens.data();
    }
}

void quietenRepeatedRemarks()
{
    g_defaultHandler = qInstallMessageHandler(quietHandler);
}

RandomPupil::RandomPupil(std::uint64_t seed)
    : m_seed(seed)
    , m_rng(seed)
    , m_drawSource(static_cast<std::uint32_t>(seed * 2654435761u + 1u))
{
    // The program's generator hands out seeded values, mostly uniform, sometimes its edges; the
    // model replays every value the program took.
    m_fixture.random = [this] {
        static constexpr std::array<float, 5> edges = {0.0f, 0.25f, 0.5f, 0.75f, 0.99999994f};
        const std::uint32_t bits = m_drawSource();
        const float value =
            bits % 8 == 0 ? edges[(bits >> 3) % edges.size()] : float(bits >> 8) * 0x1p-24f;
        m_model.draws.push_back(value);
        return value;
    };
    m_model.laidOut = m_fixture.design().defaultClientSize();
    m_model.setClientSize(m_fixture.design().size());
    m_model.start();
    m_clock.start();
}

QString RandomPupil::run(int count)
{
    if (const QString failed = play(count); !failed.isEmpty())
        return failed;
    return quit();
}

QString RandomPupil::play(int count)
{
    if (m_logged == 0)
        if (const QString differs = check(); !differs.isEmpty())
            return failure(QStringLiteral("at start: ") + differs);
    for (int i = 0; i < count; ++i) {
        // The window system's own events (a screen shown and activated by the last action) come
        // before the pupil's next one: no pupil clicks faster than a window can appear.
        QCoreApplication::processEvents();
        m_model.nowMs = m_clock.elapsed();
        act();
        // A window's new size or state arrives from the window system after the action.
        QCoreApplication::processEvents();
        if (const QString differs = check(); !differs.isEmpty())
            return failure(differs);
    }
    return {};
}

QString RandomPupil::quit()
{
    quitWithYes();
    if (m_fixture.ended != 1 || m_fixture.design().isVisible() ||
        (m_fixture.shell->resultsLoaded() && m_fixture.results().isVisible()))
        return failure(QStringLiteral("Yes did not end the program with every screen gone"));
    if (m_fixture.asked != m_model.asked + 1)
        return failure(
            QStringLiteral("Yes was asked %1 times").arg(m_fixture.asked - m_model.asked));
    return {};
}

QString RandomPupil::tally() const
{
    const PupilModel::Tally& t = m_model.tally;
    return QStringLiteral("seed %1: %2 actions; %3 doses, %4 growth runs (%5 random mixtures), "
                          "ruler placed %6 and dropped %7 times, %8 quits answered No, "
                          "%9 keys not typed (window inactive), Help opened and closed %10 "
                          "times, the notebook %16 times; ruler placed by keyboard %11 times and "
                          "refused %12, %13 touches (%14 cancelled or two-fingered); %15 s")
        .arg(m_seed)
        .arg(m_logged)
        .arg(t.doses)
        .arg(t.growthRuns)
        .arg(t.mixtures)
        .arg(t.placings)
        .arg(t.drops)
        .arg(t.quitsAnswered)
        .arg(m_inactiveWindows)
        .arg(m_helpVisits)
        .arg(t.keyPlacings)
        .arg(t.keyRefusals)
        .arg(t.touches)
        .arg(t.touchesAbandoned)
        .arg(m_clock.elapsed() / 1000.0, 0, 'f', 1)
        .arg(m_notebookVisits);
}

void RandomPupil::act()
{
    // Weights per screen; the rarer actions are the slow ones.
    const bool onResults = m_model.screen == Screen::Results;
    if (onResults)
        m_plan.clear();
    if (!onResults && m_plan.empty() && chance(0.03))
        planExperiment();
    if (!m_plan.empty()) {
        const int id = m_plan.front();
        m_plan.pop_front();
        clickButton(id);
        return;
    }
    if (onResults && m_model.placing && chance(0.3)) {
        placeByKeyboard();
        return;
    }
    if (chance(0.06)) {
        touch();
        return;
    }
    const int roll = below(1000);
    if (roll < 230)
        clickButton();
    else if (roll < 470)
        click(false);
    else if (roll < 510)
        click(true);
    else if (roll < (onResults ? 690 : 590))
        drag(onResults && chance(0.6));
    else if (roll < 740)
        hover();
    else if (roll < 830)
        accessKey();
    else if (roll < 900)
        keyOnFocus();
    else if (roll < 930)
        closeWindow();
    else if (roll < 960)
        windowActivation();
    else if (roll < 970)
        switchScreen();
    else if (roll < 973)
        look();
    else if (roll < 974 && chance(0.2))
        waitForTick();
    else if (roll < 974)
        click(false);
    else if (roll < 983)
        resizeWindow();
    else if (roll < 988)
        toggleFullScreen();
    else if (roll < 993)
        openAndCloseHelp();
    else if (roll < 997)
        openAndCloseNotebook();
    else
        click(false);
}

bool RandomPupil::bringToFront(QWidget& window)
{
    window.activateWindow();
    if (QTest::qWaitForWindowActive(&window, 1000))
        return true;
    m_actions.last() += QStringLiteral(" (skipped: the window never became active)");
    ++m_inactiveWindows;
    return false;
}

QWidget& RandomPupil::visibleWindow()
{
    if (m_model.screen == Screen::Results)
        return m_fixture.results();
    return m_fixture.design();
}

QPushButton* RandomPupil::button(int id)
{
    if (m_model.screen == Screen::Results)
        return m_fixture.results().Cmd_Button(quorvel::ResultsCommand(id));
    DesignWindow& design = m_fixture.design();
    return DesignButton::isFilling(id)
               ? design.AddZelcor(id)
               : design.Cmd_Button(quorvel::DesignCommand(id - DesignButton::kCmd));
}

int RandomPupil::idOf(const QWidget* widget)
{
    if (m_model.screen == Screen::Results) {
        for (int i = 0; i < 3; ++i)
            if (m_fixture.results().Cmd_Button(quorvel::ResultsCommand(i)) == widget)
                return i;
        return -1;
    }
    for (int id : {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13})
        if (button(id) == widget)
            return id;
    return -1;
}

int RandomPupil::below(int n)
{
    return int(m_rng() % std::uint64_t(n));
}

bool RandomPupil::chance(double probability)
{
    return below(1000000) < probability * 1000000;
}

Qt::MouseButton RandomPupil::randomButton()
{
    const int roll = below(10);
    return roll < 7 ? Qt::LeftButton : roll < 9 ? Qt::RightButton : Qt::MiddleButton;
}

namespace {
// QtTest reads the point (0, 0) of a window as "its centre", so the pupil aims one pixel lower.
QPoint notOrigin(QPoint p)
{
    return p.isNull() ? QPoint(0, 1) : p;
}
} // namespace

QPoint RandomPupil::randomPoint(bool mayLeaveWindow)
{
    const QSize size = m_model.clientSize;
    if (mayLeaveWindow && chance(0.1))
        return notOrigin(QPoint(below(size.width() + 80) - 40, below(size.height() + 80) - 40));
    if (chance(0.5)) {
        const std::vector<QRect> targets = m_model.targets();
        const QRect target = targets[std::size_t(below(int(targets.size())))];
        // The edges of a control matter most: aim at them as often as at its inside.
        const int x = chance(0.25) ? (chance(0.5) ? target.left() - 1 : target.left())
                                   : target.left() + below(target.width());
        const int y = chance(0.25) ? (chance(0.5) ? target.bottom() : target.bottom() + 1)
                                   : target.top() + below(target.height());
        const QPoint p(x, y);
        if (QRect(QPoint(), size).contains(p) || mayLeaveWindow)
            return notOrigin(p);
    }
    return notOrigin(QPoint(below(size.width()), below(size.height())));
}

void RandomPupil::log(const QString& action)
{
    if (m_actions.size() >= m_kept)
        m_actions.removeFirst();
    m_actions.append(QStringLiteral("%1 %2: %3")
                         .arg(++m_logged)
                         .arg(m_model.screen == Screen::Design ? QStringLiteral("design")
                                                               : QStringLiteral("results"),
                              action));
}

void RandomPupil::planExperiment()
{
    // A whole experiment from a fresh tube: water before, after or among the minerals (or not
    // at all), any minerals, and usually the cutting before looking at the results. Phosphorus
    // and calcium come often, so the random mixture does too.
    m_plan = {DesignButton::kCmd + 2};
    std::vector<int> steps;
    for (int mineral = 1; mineral <= 6; ++mineral)
        if (chance(mineral >= 5 ? 0.8 : 0.45))
            steps.push_back(mineral);
    if (chance(0.85))
        steps.insert(steps.begin() + below(int(steps.size()) + 1), 7);
    m_plan.insert(m_plan.end(), steps.begin(), steps.end());
    if (chance(0.9))
        m_plan.push_back(DesignButton::kCmd + 3);
    m_plan.push_back(DesignButton::kCmd);
}

void RandomPupil::clickButton(int id)
{
    // By mouse, by its access key, or by Space once it has the focus, as pupils do.
    const int how = below(10);
    if (how < 2) {
        for (const AccessKey& key : designKeys())
            if (key.id == id) {
                accessKey(key);
                return;
            }
    }
    QPushButton* target = button(id);
    if (how == 2 && target->isEnabled()) {
        target->setFocus(Qt::TabFocusReason);
        log(QStringLiteral("Space on \"%1\"").arg(target->text()));
        QTest::keyClick(target, Qt::Key_Space);
    } else {
        log(QStringLiteral("mouse click on \"%1\"").arg(target->text()));
        QTest::mouseClick(target, Qt::LeftButton);
    }
    m_model.designClick(id);
}

void RandomPupil::clickButton()
{
    // Weighted towards finishing experiments, so that many growth runs follow.
    static constexpr std::array<int, 20> designChoices = {1, 2, 3, 4, 5,  6,  1,  2,  3,  4,
                                                          5, 6, 7, 7, 13, 13, 13, 10, 10, 12};
    static constexpr std::array<int, 5> resultsChoices = {0, 1, 1, 2, 2};
    int id = m_model.screen == Screen::Results
                 ? resultsChoices[std::size_t(below(int(resultsChoices.size())))]
                 : designChoices[std::size_t(below(int(designChoices.size())))];
    if (m_model.screen == Screen::Design && chance(0.04))
        id = DesignButton::kCmd + 1; // Quit, answered No
    QPushButton* target = button(id);
    log(QStringLiteral("mouse click on \"%1\"").arg(target->text()));
    QTest::mouseClick(target, Qt::LeftButton);
    if (m_model.screen == Screen::Results)
        m_model.resultsClick(id);
    else
        m_model.designClick(id);
}

void RandomPupil::accessKey()
{
    const bool onResults = m_model.screen == Screen::Results;
    const std::vector<AccessKey> keys = onResults ? resultsKeys() : designKeys();
    accessKey(keys[std::size_t(below(int(keys.size())))]);
}

void RandomPupil::accessKey(const AccessKey& key)
{
    QWidget& window = visibleWindow();
    const bool onResults = m_model.screen == Screen::Results;
    log(QStringLiteral("Alt+%1").arg(QKeySequence(key.key).toString()));
    // The pupil types into the window in front of them.
    if (!bringToFront(window))
        return;
    QTest::keyClick(&window, key.key, Qt::AltModifier);
    finishAnimatedClicks(window);
    if (key.id < 0)
        return;
    if (onResults)
        m_model.resultsClick(key.id);
    else
        m_model.designClick(key.id);
}

void RandomPupil::keyOnFocus()
{
    static constexpr std::array<Qt::Key, 10> keys = {
        Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape,
        Qt::Key_N,   Qt::Key_Left,    Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down};
    keyOnFocus(keys[std::size_t(below(int(keys.size())))], chance(0.3));
}

void RandomPupil::placeByKeyboard()
{
    // A few arrows, plain or with Shift, then usually Return, Space or Escape.
    static constexpr std::array<Qt::Key, 4> arrows = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                                      Qt::Key_Down};
    static constexpr std::array<Qt::Key, 3> ends = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape};
    for (int i = below(5); i > 0; --i)
        keyOnFocus(chance(0.5) ? Qt::Key_Down : arrows[std::size_t(below(4))], chance(0.5));
    if (chance(0.7))
        keyOnFocus(ends[std::size_t(below(3))], false);
}

void RandomPupil::keyOnFocus(Qt::Key key, bool shift)
{
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    const Qt::KeyboardModifiers modifiers = arrow && shift ? Qt::ShiftModifier : Qt::NoModifier;
    QWidget& window = visibleWindow();
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != &window)
        focus = &window;
    const int id = idOf(focus);
    log(QStringLiteral("key %1 on %2")
            .arg(QKeySequence(key | modifiers).toString(),
                 id >= 0 ? QStringLiteral("\"%1\"").arg(button(id)->text())
                         : QStringLiteral("the window")));
    // Where the pupil sees the outline, or the ruler before the first arrow brings it out.
    QPoint drawn;
    if (m_fixture.shell->resultsLoaded()) {
        const ResultsWindow& results = m_fixture.results();
        const QRubberBand* outline = testing::rulerOutline(results);
        drawn = outline ? outline->pos() : results.Ruler()->pos();
    }
    QTest::keyClick(focus, key, modifiers);
    // While the ruler is being placed, the arrows, Return, Space and Escape place it.
    if (m_model.placingKey(key, modifiers != Qt::NoModifier, drawn))
        return;
    // Escape leaves full screen, where the key reaches the window's shortcut.
    if (key == Qt::Key_Escape && m_model.fullScreen && !window.isFullScreen()) {
        m_model.fullScreen = false;
        m_model.setClientSize(m_model.normalSize);
    }
    // Space and Return press the focused command button.
    if (id >= 0 && (key == Qt::Key_Space || key == Qt::Key_Return)) {
        if (m_model.screen == Screen::Results)
            m_model.resultsClick(id);
        else
            m_model.designClick(id);
    }
}

void RandomPupil::click(bool doubleClick)
{
    QWindow* window = visibleWindow().windowHandle();
    const QPoint p = randomPoint(false);
    const Qt::MouseButton mouseButton = randomButton();
    const bool left = mouseButton == Qt::LeftButton;
    // A double click whose first click leaves the screen would land its second on a hidden
    // window, which a window system never does: such a pupil clicks once.
    if (doubleClick && left) {
        const Hit at =
            m_model.screen == Screen::Design ? m_model.designAt(p) : m_model.resultsAt(p);
        const bool leaves = at.kind == Kind::Button &&
                            (m_model.screen == Screen::Design
                                 ? at.index == DesignButton::kCmd && m_model.designEnabled(at.index)
                                 : at.index == 2);
        doubleClick = !leaves;
    }
    log(QStringLiteral("%1 %2 click at %3")
            .arg(doubleClick ? QStringLiteral("double") : QStringLiteral("single"),
                 buttonName(mouseButton), where(p)));
    if (doubleClick)
        QTest::mouseDClick(window, mouseButton, {}, p);
    else
        QTest::mouseClick(window, mouseButton, {}, p);
    m_model.gesture(p, p, left);
    if (doubleClick)
        m_model.gesture(p, p, left);
}

void RandomPupil::drag(bool fromRuler)
{
    QWindow* window = visibleWindow().windowHandle();
    QPoint p = randomPoint(false);
    if (fromRuler && m_model.rulerShown) {
        const std::vector<QRect> targets = m_model.targets();
        // The ruler is the last but three of the Results targets when it is shown.
        const QRect ruler = targets[targets.size() - 4];
        p = notOrigin(
            QPoint(ruler.left() + below(ruler.width()), ruler.top() + below(ruler.height())));
        if (!QRect(QPoint(), m_model.clientSize).contains(p))
            p = randomPoint(false);
    }
    const Qt::MouseButton mouseButton = randomButton();
    const int moves = below(4);
    QStringList path;
    QTest::mousePress(window, mouseButton, {}, p);
    QPoint q = p;
    for (int i = 0; i < moves; ++i) {
        q = randomPoint(true);
        path.append(where(q));
        QTest::mouseMove(window, q);
    }
    if (chance(0.7))
        q = randomPoint(true);
    QTest::mouseRelease(window, mouseButton, {}, q);
    log(QStringLiteral("%1 drag from %2 via [%3] to %4")
            .arg(buttonName(mouseButton), where(p), path.join(QLatin1Char(' ')), where(q)));
    m_model.gesture(p, q, mouseButton == Qt::LeftButton);
}

void RandomPupil::touch()
{
    // One finger as the mouse's left button; a touch cancelled or joined by a second finger
    // changes nothing.
    // One touch screen for every seed: Qt keeps a device it was told of until the program ends.
    static QPointingDevice* const touchScreen =
        QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    m_touchScreen = touchScreen;
    QWidget& window = visibleWindow();
    QPoint p = randomPoint(false);
    if (m_model.screen == Screen::Results && m_model.rulerShown && chance(0.4)) {
        const std::vector<QRect> targets = m_model.targets();
        const QRect ruler = targets[targets.size() - 4];
        const QPoint on(ruler.left() + below(ruler.width()), ruler.top() + below(ruler.height()));
        if (QRect(QPoint(), m_model.clientSize).contains(on))
            p = notOrigin(on);
    }
    auto glass = QTest::touchEvent(&window, m_touchScreen, false);
    glass.press(0, p, &window);
    glass.commit();
    QPoint q = p;
    QStringList path;
    for (int i = below(4); i > 0; --i) {
        q = randomPoint(false);
        path.append(where(q));
        glass.move(0, q, &window);
        glass.commit();
    }
    const int ending = below(10);
    const QString how = ending < 7   ? QStringLiteral("lifted")
                        : ending < 9 ? QStringLiteral("cancelled")
                                     : QStringLiteral("joined by a second finger");
    log(QStringLiteral("finger from %1 via [%2] to %3, %4")
            .arg(where(p), path.join(QLatin1Char(' ')), where(q), how));
    ++m_model.tally.touches;
    if (ending < 7) {
        glass.release(0, q, &window);
        glass.commit();
        m_model.gesture(p, q, true);
        return;
    }
    if (ending < 9) {
        QTouchEvent cancel(QEvent::TouchCancel, m_touchScreen);
        QCoreApplication::sendEvent(window.windowHandle(), &cancel);
        // The window system forgets the finger too.
        glass.release(0, q, &window);
        glass.commit();
    } else {
        const QPoint second = randomPoint(false);
        glass.stationary(0).press(1, second, &window);
        glass.commit();
        glass.release(0, q, &window).release(1, second, &window);
        glass.commit();
    }
    ++m_model.tally.touchesAbandoned;
    if (m_model.screen == Screen::Results && m_model.placing)
        m_model.pointer = PupilModel::Pointer::CrosshairOrNoDrop;
}

void RandomPupil::hover()
{
    const QPoint p = randomPoint(false);
    log(QStringLiteral("pointer moves to %1").arg(where(p)));
    QTest::mouseMove(visibleWindow().windowHandle(), p);
    m_model.hover(p);
}

void RandomPupil::closeWindow()
{
    log(QStringLiteral("closes the window, answers No"));
    testing::ScreenFixture::closeWindow(&visibleWindow());
    m_model.closeAnsweredNo();
}

void RandomPupil::windowActivation()
{
    log(QStringLiteral("comes back from another application"));
    testing::ScreenFixture::windowSystemActivation(&visibleWindow());
}

void RandomPupil::resizeWindow()
{
    QWidget& window = visibleWindow();
    if (m_model.fullScreen)
        return look(); // a full-screen window is not dragged by its edge
    // From half the layout's size to twice it, in any proportion.
    const QSize laidOut = m_model.laidOut;
    const QSize size(laidOut.width() / 2 + below(laidOut.width() * 3 / 2),
                     laidOut.height() / 2 + below(laidOut.height() * 3 / 2));
    log(QStringLiteral("resizes the window to %1 x %2").arg(size.width()).arg(size.height()));
    window.resize(size);
    QCoreApplication::processEvents();
    m_model.setClientSize(size);
}

void RandomPupil::toggleFullScreen()
{
    // Qt's offscreen platform fills the display a window was first shown on, whichever it has
    // moved to since; after a move between displays the pupil only resizes.
    if (m_movedScreens && !m_model.fullScreen)
        return resizeWindow();
    QWidget& window = visibleWindow();
    log(QStringLiteral("F11"));
    if (!bringToFront(window))
        return;
    QTest::keyClick(&window, Qt::Key_F11);
    QCoreApplication::processEvents();
    if (m_model.fullScreen) {
        m_model.fullScreen = false;
        m_model.setClientSize(m_model.normalSize);
    } else {
        m_model.fullScreen = true;
        m_model.normalSize = m_model.clientSize;
        // The screen's own size, which the platform gives.
        m_model.setClientSize(window.size());
    }
}

void RandomPupil::switchScreen()
{
    if (m_model.fullScreen)
        return look(); // a full-screen window stays on its screen
    const QList<QScreen*> screens = QGuiApplication::screens();
    QWidget& window = visibleWindow();
    m_movedScreens = true;
    QScreen* next = screens[below(int(screens.size()))];
    log(QStringLiteral("window moves to screen \"%1\"").arg(next->name()));
    window.windowHandle()->setScreen(next);
    window.move(next->geometry().center() - window.rect().center());
    QCoreApplication::processEvents();
}

void RandomPupil::waitForTick()
{
    log(QStringLiteral("waits a while"));
    QTest::qWait(700);
    m_model.waitedForTick();
}

void RandomPupil::look()
{
    log(QStringLiteral("looks at the screen"));
    const QPixmap seen = visibleWindow().grab();
    Q_UNUSED(seen);
}

void RandomPupil::openAndCloseHelp()
{
    // Help is no screen: pressing F1 and closing it again changes nothing the model knows.
    QWidget& window = visibleWindow();
    log(QStringLiteral("F1, then closes Help"));
    if (!bringToFront(window))
        return;
    QTest::keyClick(&window, Qt::Key_F1);
    quorvel::HelpWindow* help = m_fixture.shell->helpWindow();
    if (!help || !help->isVisible()) {
        m_model.wrongTurn = QStringLiteral("F1 opened no Help");
        return;
    }
    if (chance(0.5) && QTest::qWaitForWindowActive(help, 1000))
        QTest::keyClick(help->browser(), Qt::Key_Escape);
    else
        QTest::mouseClick(help->closeButton(), Qt::LeftButton);
    if (help->isVisible())
        m_model.wrongTurn = QStringLiteral("Help stayed open after closing");
    ++m_helpVisits;
}

void RandomPupil::openAndCloseNotebook()
{
    // Nor is the notebook a screen; it holds a row for every plant grown.
    QWidget& window = visibleWindow();
    log(QStringLiteral("Ctrl+H, then closes the notebook"));
    if (!bringToFront(window))
        return;
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    quorvel::NotebookWindow* notebook = m_fixture.shell->notebookWindow();
    if (!notebook || !notebook->isVisible()) {
        m_model.wrongTurn = QStringLiteral("Ctrl+H opened no notebook");
        return;
    }
    if (m_fixture.shell->notebook().rowCount() != m_model.tally.growthRuns)
        m_model.wrongTurn = QStringLiteral("the notebook has %1 rows after %2 growth runs")
                                .arg(m_fixture.shell->notebook().rowCount())
                                .arg(m_model.tally.growthRuns);
    if (chance(0.5) && QTest::qWaitForWindowActive(notebook, 1000))
        QTest::keyClick(notebook->table(), Qt::Key_Escape);
    else
        notebook->close();
    if (notebook->isVisible())
        m_model.wrongTurn = QStringLiteral("the notebook stayed open after closing");
    ++m_notebookVisits;
}

void RandomPupil::quitWithYes()
{
    m_fixture.answers = {quorvel::kAnswerYes};
    if (chance(0.5)) {
        log(QStringLiteral("closes the window, answers Yes"));
        testing::ScreenFixture::closeWindow(&visibleWindow());
    } else {
        log(QStringLiteral("clicks Quit, answers Yes"));
        QTest::mouseClick(button(m_model.screen == Screen::Results ? 0 : DesignButton::kCmd + 1),
                          Qt::LeftButton);
    }
}

QString RandomPupil::check() const
{
    QStringList wrong;
    const auto expect = [&wrong](bool holds, const QString& what) {
        if (!holds)
            wrong.append(what);
    };
    const auto yesNo = [](bool given) {
        return QCoreApplication::translate("RecordTable", given ? "Yes" : "No");
    };
    using testing::shownNumber;
    const PupilModel& m = m_model;
    DesignWindow& d = m_fixture.shell->design();

    expect(m_fixture.asked == m.asked,
           QStringLiteral("quit asked %1 times, expected %2").arg(m_fixture.asked).arg(m.asked));
    expect(m_fixture.ended == 0, QStringLiteral("the program ended"));
    expect(d.isVisible() == (m.screen == Screen::Design), QStringLiteral("Design screen shown"));
    if (m.screen == Screen::Design)
        expect(d.size() == m.clientSize,
               QStringLiteral("Design client size %1 x %2").arg(d.width()).arg(d.height()));
    expect(m_fixture.shell->resultsLoaded() == m.resultsLoaded, QStringLiteral("Results loaded"));

    // The experiment, the tube picture that shows it, and the record of what was given.
    expect(quorvel::ZELCOR1::TubeState == m.tubeState, QStringLiteral("TubeState %1, expected %2")
                                                           .arg(quorvel::ZELCOR1::TubeState)
                                                           .arg(m.tubeState));
    expect(quorvel::ZELCOR1::WaterAdded == (m.water ? -1 : 0), QStringLiteral("WaterAdded"));
    expect(quorvel::ZELCOR1::CuttingAdded == (m.cutting ? -1 : 0), QStringLiteral("CuttingAdded"));
    expect(shownNumber<quorvel::TubePicture>(d.TTube()) == PupilModel::tubePicture(m.tubeState),
           QStringLiteral("the tube picture does not show TubeState %1").arg(m.tubeState));
    for (int i = 1; i <= 6; ++i) {
        const QString caption = d.Added(i)->text();
        expect(caption == yesNo(m.given.test(std::size_t(i - 1))),
               QStringLiteral("Design Added(%1) is \"%2\"").arg(i).arg(caption));
    }

    // Which buttons this step of the experiment enables.
    for (int id : {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13}) {
        QPushButton* b = DesignButton::isFilling(id)
                             ? d.AddZelcor(id)
                             : d.Cmd_Button(quorvel::DesignCommand(id - DesignButton::kCmd));
        expect(b->isEnabled() == m.designEnabled(id),
               QStringLiteral("\"%1\" enabled is %2").arg(b->text()).arg(b->isEnabled()));
    }
    expect(d.Syringe()->isVisibleTo(&d) == !m.cutting, QStringLiteral("Syringe visibility"));
    expect(d.TTube()->isVisibleTo(&d) == !m.cutting, QStringLiteral("TTube visibility"));
    expect(d.Start()->isVisibleTo(&d) == m.cutting, QStringLiteral("Start visibility"));
    expect(!d.Drip()->isVisibleTo(&d), QStringLiteral("the drop is shown outside its fall"));
    expect(
        d.Drip()->top() == float(m.dripTop),
        QStringLiteral("the drop stopped at %1, expected %2").arg(d.Drip()->top()).arg(m.dripTop));
    expect(d.AniTimer().isActive() == m.aniTimerActive, QStringLiteral("AniTimer enabled"));
    const int syringe = shownNumber<quorvel::SyringePicture>(d.Syringe());
    if (m.syringe == PupilModel::Syringe::Full) {
        expect(syringe == 3, QStringLiteral("the syringe is not full"));
    } else {
        // Pressed until the first tick, 500 ms after the dose; a little earlier is still pressed.
        const bool tickCannotHaveCome = m_clock.elapsed() - m.pressedAtMs < 400;
        expect(syringe == 2 || (!tickCannotHaveCome && syringe == 3),
               QStringLiteral("the syringe is not pressed"));
    }

    const quorvel::PointerShape pointer = testing::pointerShape();
    if (m.screen == Screen::Design || !m.placing) {
        expect(pointer == quorvel::PointerShape::Default,
               QStringLiteral("pointer not the default"));
    } else {
        using P = PupilModel::Pointer;
        const bool ok = m.pointer == P::Crosshair ? pointer == quorvel::PointerShape::Crosshair
                        : m.pointer == P::NoDrop  ? pointer == quorvel::PointerShape::NoDrop
                                                  : pointer != quorvel::PointerShape::Default;
        expect(ok, QStringLiteral("pointer shape %1 while placing").arg(int(pointer)));
    }

    if (!m.wrongTurn.isEmpty())
        wrong.append(m.wrongTurn);
    if (!m.resultsLoaded)
        return wrong.join(QStringLiteral("; "));

    ResultsWindow& r = m_fixture.shell->results();
    expect(r.isVisible() == (m.screen == Screen::Results), QStringLiteral("Results screen shown"));
    // The screen shown has the size the pupil gave it; the other takes it when it is shown.
    if (m.screen == Screen::Results)
        expect(r.size() == m.clientSize,
               QStringLiteral("Results client size %1 x %2 on %3, expected %4 x %5")
                   .arg(r.width())
                   .arg(r.height())
                   .arg(r.screen()->name())
                   .arg(m.clientSize.width())
                   .arg(m.clientSize.height()));
    for (int i = 1; i <= 6; ++i) {
        const QString caption = r.Added(i)->text();
        // The model keeps the record's own words; the screen shows them in its language.
        const QString shown = QCoreApplication::translate(
            "RecordTable", m.resultsAdded[std::size_t(i)].toLatin1().constData());
        expect(caption == shown, QStringLiteral("Results Added(%1) is \"%2\", expected \"%3\"")
                                     .arg(i)
                                     .arg(caption, shown));
    }
    expect(r.Stem()->isVisibleTo(&r) == m.stemShown, QStringLiteral("stem visibility"));
    if (m.stemTop) {
        expect(r.Stem()->y1() == float(*m.stemTop) && r.Stem()->y2() == 3945.0f &&
                   r.Stem()->x1() == 7050.0f && r.Stem()->x2() == 7050.0f,
               QStringLiteral("stem from %1 to %2, expected 3945 to %3 (growth %4)")
                   .arg(r.Stem()->y2())
                   .arg(r.Stem()->y1())
                   .arg(*m.stemTop)
                   .arg(m.growth.value_or(-1)));
    }
    for (int k = 0; k < 6; ++k) {
        const quorvel::ImageControl* leaf = r.Leaf(k);
        const bool shown = leaf->isVisibleTo(&r);
        expect(shown == m.leafShown[std::size_t(k)],
               QStringLiteral("Leaf(%1) shown is %2").arg(k).arg(shown));
        expect(QPointF(leaf->left(), leaf->top()) == m.leafAt[std::size_t(k)],
               QStringLiteral("Leaf(%1) at %2,%3").arg(k).arg(leaf->left()).arg(leaf->top()));
        const int picture = m.leafPicture[std::size_t(k)];
        expect(shownNumber<quorvel::LeafPicture>(leaf) == picture,
               QStringLiteral("Leaf(%1) does not show picture %2").arg(k).arg(picture));
    }
    expect(r.Ruler()->isVisibleTo(&r) == m.rulerShown, QStringLiteral("ruler visibility"));
    // Unrounded twips from pixels at a scale: equal to within a hundredth of a twip.
    const auto near = [](float a, float b) { return std::abs(a - b) <= 0.01f; };
    expect(near(r.Ruler()->left(), m.rulerLeft) && near(r.Ruler()->top(), m.rulerTop),
           QStringLiteral("ruler at %1,%2, expected %3,%4")
               .arg(r.Ruler()->left())
               .arg(r.Ruler()->top())
               .arg(m.rulerLeft)
               .arg(m.rulerTop));
    // No drag outlives its release: only the keyboard's outline may stay, while placing, where
    // the keys put it.
    const QRubberBand* outline = testing::rulerOutline(r);
    expect(bool(outline) == m.outline.has_value(),
           QStringLiteral("the outline is shown: %1").arg(bool(outline)));
    if (outline && m.outline) {
        const QPoint expected = r.twipsFrame().point(m.outline->x(), m.outline->y());
        expect(outline->pos() == expected, QStringLiteral("outline at %1,%2, expected %3,%4")
                                               .arg(outline->x())
                                               .arg(outline->y())
                                               .arg(expected.x())
                                               .arg(expected.y()));
    }
    return wrong.join(QStringLiteral("; "));
}

QString RandomPupil::failure(const QString& what) const
{
    // The whole list goes to a file; the message keeps the last actions, which usually suffice.
    const QString path =
        QDir::temp().filePath(QStringLiteral("quorvel-random-pupil-%1.txt").arg(m_seed));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text))
        QTextStream(&file) << m_actions.join(QLatin1Char('\n')) << '\n';
    const qsizetype shown = std::min<qsizetype>(m_actions.size(), 40);
    const QString kept =
        m_actions.size() == m_logged
            ? QStringLiteral("all %1").arg(m_logged)
            : QStringLiteral("the last %1 of %2").arg(m_actions.size()).arg(m_logged);
    return QStringLiteral("seed %1, after action %2: %3\nlast actions (%4 in %5):\n%6")
        .arg(m_seed)
        .arg(m_logged)
        .arg(what, kept, path, m_actions.mid(m_actions.size() - shown).join(QLatin1Char('\n')));
}

} // namespace pupil
