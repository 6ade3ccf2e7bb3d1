// A seeded random pupil drives both screens through their widgets and checks them after every
// action.
//
// CI runs the fixed seeds below. More run by hand, for example:
//   export QT_QPA_PLATFORM=offscreen QUORVEL_PUPIL_SEEDS=1-300 QUORVEL_PUPIL_ACTIONS=4000
//   ./build/tests/random_pupil/tst_random_pupil
// A failure names its seed; the same seed replays the same actions.
#include "random_pupil.h"

#include <QApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QTest>

namespace {

constexpr int kDefaultActions = 4000;
const char* const kDefaultSeeds = "1-5";

int actionsPerPupil()
{
    bool ok = false;
    const int actions = qEnvironmentVariableIntValue("QUORVEL_PUPIL_ACTIONS", &ok);
    return ok && actions >= 0 ? actions : kDefaultActions;
}

// "3", "1-20" and "4,9,30-32" all name seeds.
QList<quint64> seedsFrom(const QByteArray& text)
{
    QList<quint64> seeds;
    for (const QByteArray& part : text.split(',')) {
        const QList<QByteArray> range = part.trimmed().split('-');
        bool firstOk = false, lastOk = false;
        const quint64 first = range.value(0).toULongLong(&firstOk);
        const quint64 last = range.size() > 1 ? range[1].toULongLong(&lastOk) : first;
        if (!firstOk || (range.size() > 1 && !lastOk) || last < first)
            qFatal("QUORVEL_PUPIL_SEEDS: \"%s\" is not a seed or a range of seeds",
                   part.constData());
        for (quint64 seed = first; seed <= last; ++seed)
            seeds.append(seed);
    }
    return seeds;
}

} // namespace

class TestRandomPupil : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void pupil_data();
    void pupil();
    // The same pupil in another language: the record keeps its meaning, the keys follow the
    // captions.
    void pupilInGerman();
    // The first fault the pupil found, kept as a case of its own.
    void pressOnAButtonNeverPlacesTheRuler_data();
    void pressOnAButtonNeverPlacesTheRuler();
    void cleanupTestCase();

private:
    void runPupil(quint64 seed, int actions);

    qint64 m_actions = 0;
    QElapsedTimer m_clock;
};

void TestRandomPupil::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    // After QtTest's own handler, which it installs when the run starts.
    pupil::quietenRepeatedRemarks();
    // Moving a window between screens needs a second one, which main() asks the offscreen
    // platform for.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QCOMPARE(QGuiApplication::screens().size(), 2);
    m_clock.start();
}

void TestRandomPupil::pupil_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("actions");
    const QByteArray seeds = qEnvironmentVariableIsSet("QUORVEL_PUPIL_SEEDS")
                                 ? qgetenv("QUORVEL_PUPIL_SEEDS")
                                 : QByteArray(kDefaultSeeds);
    for (quint64 seed : seedsFrom(seeds))
        QTest::addRow("seed %llu", seed) << seed << actionsPerPupil();
}

void TestRandomPupil::pupil()
{
    QFETCH(quint64, seed);
    QFETCH(int, actions);
    runPupil(seed, actions);
}

void TestRandomPupil::pupilInGerman()
{
    const testing::Language german(QStringLiteral("de"));
    runPupil(1, actionsPerPupil());
}

void TestRandomPupil::runPupil(quint64 seed, int actions)
{
    pupil::RandomPupil randomPupil(seed);
    const QString failure = randomPupil.run(actions);
    if (!failure.isEmpty()) {
        // In full: QtTest shortens the message of a failed check.
        qWarning().noquote() << failure;
        QFAIL(qPrintable(failure.section(QLatin1Char('\n'), 0, 0)));
    }
    qInfo().noquote() << randomPupil.tally();
    m_actions += actions;
}

void TestRandomPupil::pressOnAButtonNeverPlacesTheRuler_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("mouseButton");
    const char* names[] = {"Quit", "Move ruler", "New experiment"};
    for (int command = 0; command < quorvel::ResultsWindow::kCommandCount; ++command) {
        QTest::addRow("%s, right", names[command]) << command << int(Qt::RightButton);
        QTest::addRow("%s, middle", names[command]) << command << int(Qt::MiddleButton);
    }
}

void TestRandomPupil::pressOnAButtonNeverPlacesTheRuler()
{
    // A button takes every press on it; only the left button clicks it. While "Move ruler" is
    // armed, a right press on "Quit" used to fall through to the window and place the ruler.
    QFETCH(int, command);
    QFETCH(int, mouseButton);
    testing::ScreenFixture f;
    testing::ScreenFixture::click(f.design().Cmd_Button(quorvel::DesignCommand::AddCutting));
    testing::ScreenFixture::click(f.design().Cmd_Button(quorvel::DesignCommand::SeeResults));
    quorvel::ResultsWindow& w = f.results();
    testing::ScreenFixture::click(w.Cmd_Button(quorvel::ResultsCommand::MoveRuler));
    QVERIFY(testing::placingRuler(w));
    const QPoint onButton = w.Cmd_Button(quorvel::ResultsCommand(command))->geometry().center();
    QTest::mouseClick(w.windowHandle(), Qt::MouseButton(mouseButton), {}, onButton);
    QVERIFY(testing::placingRuler(w));
    QVERIFY(!w.Ruler()->isVisible());
    QCOMPARE(w.Ruler()->left(), 8640.0f);
    QCOMPARE(f.asked, 0);
    QVERIFY(w.isVisible());
}

void TestRandomPupil::cleanupTestCase()
{
    qInfo("%lld actions in %.1f s", m_actions, m_clock.elapsed() / 1000.0);
}

int main(int argc, char* argv[])
{
    pupil::askForTwoScreens(argc, argv);
    QApplication app(argc, argv);
    TestRandomPupil test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_random_pupil.moc"
