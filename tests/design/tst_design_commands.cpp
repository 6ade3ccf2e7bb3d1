// Filling the tube, the syringe dose and its drop, the cutting, and the reset.
#include "../support/screen_fixture.h"

#include "model/experiment_state.h"

using namespace quorvel;
using testing::ScreenFixture;

namespace {
enum Action { GiveWater, GiveMineral, StartAgain, Activation, Cutting };

// Brings a fresh screen to the given tube contents by the pupil's own clicks.
void fillTo(DesignWindow& w, int state)
{
    if (state == 2 || state == 3)
        ScreenFixture::click(w.AddZelcor(Mineral::Phosphorus));
    if (state == 1 || state == 3)
        ScreenFixture::click(w.AddZelcor(DesignWindow::kWaterButton));
}

} // namespace

class TestDesignCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tubeTransitions_data();
    void tubeTransitions();
    void phases();
    void mineralsAreRecordedAndRepeatable();
    void dropFall_data();
    void dropFall();
    void waterMovesNoSyringeOrDrop();
    void syringeRefillsOnTheTick();
    void startAgainKeepsTheTimerAndCommands();
    void returningFromResultsResets();
};

void TestDesignCommands::tubeTransitions_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("picture"); // -1: the tube is hidden
    const char* stateNames[] = {"empty", "water only", "minerals only", "water and minerals"};
    // Before x action -> state and Tube picture; water cannot be given twice.
    const int table[4][5][2] = {
        {{1, 3}, {2, 1}, {0, 0}, {0, 0}, {0, -1}},
        {{-1, 0}, {3, 2}, {0, 0}, {0, 0}, {1, -1}},
        {{3, 2}, {2, 1}, {0, 0}, {0, 0}, {2, -1}},
        {{-1, 0}, {3, 2}, {0, 0}, {0, 0}, {3, -1}},
    };
    const char* actionNames[] = {"water", "mineral", "start again", "activation", "cutting"};
    for (int before = 0; before < 4; ++before) {
        for (int action = 0; action < 5; ++action) {
            if (table[before][action][0] < 0)
                continue;
            QTest::addRow("%s, %s", stateNames[before], actionNames[action])
                << before << action << table[before][action][0] << table[before][action][1];
        }
    }
}

void TestDesignCommands::tubeTransitions()
{
    QFETCH(int, before);
    QFETCH(int, action);
    QFETCH(int, after);
    QFETCH(int, picture);
    ScreenFixture f;
    DesignWindow& w = f.design();
    fillTo(w, before);
    QCOMPARE(int(ZELCOR1::TubeState), before);

    switch (action) {
    case GiveWater:
        QVERIFY(w.AddZelcor(DesignWindow::kWaterButton)->isEnabled());
        ScreenFixture::click(w.AddZelcor(DesignWindow::kWaterButton));
        break;
    case GiveMineral:
        ScreenFixture::click(w.AddZelcor(Mineral::Magnesium));
        break;
    case StartAgain:
        ScreenFixture::click(w.Cmd_Button(DesignCommand::StartAgain));
        break;
    case Activation:
        f.shell->showResults();
        f.shell->showDesign();
        break;
    case Cutting:
        ScreenFixture::click(w.Cmd_Button(DesignCommand::AddCutting));
        break;
    }
    QCOMPARE(int(ZELCOR1::TubeState), after);
    if (picture < 0)
        QVERIFY(!w.TTube()->isVisible());
    else
        QCOMPARE(testing::shownNumber<TubePicture>(w.TTube()), picture);
}

void TestDesignCommands::phases()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    // Enabled filling buttons 1..7, Add Cutting enabled, syringe, tube, cutting picture shown.
    auto expect = [&w](const char* phase, bool minerals, bool water, bool cutting, bool apparatus) {
        for (int i = 1; i <= 6; ++i)
            QVERIFY2(w.AddZelcor(i)->isEnabled() == minerals, phase);
        QVERIFY2(w.AddZelcor(DesignWindow::kWaterButton)->isEnabled() == water, phase);
        QVERIFY2(w.Cmd_Button(DesignCommand::AddCutting)->isEnabled() == cutting, phase);
        QVERIFY2(w.Syringe()->isVisible() == apparatus, phase);
        QVERIFY2(w.TTube()->isVisible() == apparatus, phase);
        QVERIFY2(w.Start()->isVisible() == !apparatus, phase);
        QVERIFY2(!w.Drip()->isVisible(), phase);
        for (DesignCommand always :
             {DesignCommand::SeeResults, DesignCommand::Quit, DesignCommand::StartAgain})
            QVERIFY2(w.Cmd_Button(always)->isEnabled(), phase);
    };
    expect("after reset", true, true, true, true);
    ScreenFixture::click(w.AddZelcor(DesignWindow::kWaterButton));
    expect("after water", true, false, true, true);
    ScreenFixture::click(w.AddZelcor(Mineral::Calcium));
    expect("after a mineral", true, false, true, true);
    ScreenFixture::click(w.Cmd_Button(DesignCommand::AddCutting));
    expect("cutting added", false, false, false, false);
    QCOMPARE(ZELCOR1::CuttingAdded, kTrue);
    QCOMPARE(ZELCOR1::WaterAdded, kTrue);
    QCOMPARE(int(ZELCOR1::TubeState), 3);
    QCOMPARE(w.Added(Mineral::Calcium)->text(), QStringLiteral("Yes"));
    ScreenFixture::click(w.Cmd_Button(DesignCommand::StartAgain));
    expect("start again after the cutting", true, true, true, true);
    QVERIFY(testing::shows(w.Syringe(), SyringePicture::Full));
    QCOMPARE(ZELCOR1::CuttingAdded, kFalse);

    // A cutting into an empty tube is accepted as it is.
    ScreenFixture::click(w.Cmd_Button(DesignCommand::AddCutting));
    QCOMPARE(ZELCOR1::CuttingAdded, kTrue);
    QCOMPARE(int(ZELCOR1::TubeState), 0);
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(w.Added(i)->text(), QStringLiteral("No"));
}

void TestDesignCommands::mineralsAreRecordedAndRepeatable()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    for (int i = 1; i <= 6; ++i) {
        ScreenFixture::click(w.AddZelcor(i));
        for (int j = 1; j <= 6; ++j)
            QCOMPARE(w.Added(j)->text(), j <= i ? QStringLiteral("Yes") : QStringLiteral("No"));
        QVERIFY(w.AddZelcor(i)->isEnabled());
    }
    ScreenFixture::click(w.AddZelcor(Mineral::Potassium));
    QCOMPARE(w.Added(Mineral::Potassium)->text(), QStringLiteral("Yes"));
    QCOMPARE(int(ZELCOR1::TubeState), 2);
    QCOMPARE(w.Added(0)->text(), QStringLiteral("Added"));
    ScreenFixture::click(w.Cmd_Button(DesignCommand::StartAgain));
    for (int j = 1; j <= 6; ++j)
        QCOMPARE(w.Added(j)->text(), QStringLiteral("No"));
    QCOMPARE(w.Added(0)->text(), QStringLiteral("Added"));
}

void TestDesignCommands::dropFall_data()
{
    QTest::addColumn<bool>("water");
    QTest::addColumn<bool>("mineralFirst");
    QTest::addColumn<int>("lastTop");
    QTest::newRow("into an empty tube") << false << false << 4430;
    QTest::newRow("into minerals only") << false << true << 4430;
    QTest::newRow("into water only") << true << false << 2480;
    QTest::newRow("into water and minerals") << true << true << 2480;
}

void TestDesignCommands::dropFall()
{
    QFETCH(bool, water);
    QFETCH(bool, mineralFirst);
    QFETCH(int, lastTop);
    ScreenFixture f;
    DesignWindow& w = f.design();
    if (mineralFirst)
        ScreenFixture::click(w.AddZelcor(Mineral::Nitrogen));
    if (water)
        ScreenFixture::click(w.AddZelcor(DesignWindow::kWaterButton));

    ScreenFixture::click(w.AddZelcor(Mineral::Iron));

    // The whole fall happens within the click, and no step of it is ever painted: the pupil sees
    // the drop only where it stopped, hidden. Its steps are the model's (dropFallsToTheRightLimit).
    QCOMPARE(w.Drip()->left(), 4590.0f);
    QCOMPARE(w.Drip()->top(), float(lastTop));
    QVERIFY(!w.Drip()->isVisible());
}

void TestDesignCommands::waterMovesNoSyringeOrDrop()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    const float dropTop = w.Drip()->top();
    ScreenFixture::click(w.AddZelcor(DesignWindow::kWaterButton));
    QCOMPARE(w.Drip()->top(), dropTop);
    QVERIFY(testing::shows(w.Syringe(), SyringePicture::Full));
    QVERIFY(!w.AniTimer().isActive());
}

void TestDesignCommands::syringeRefillsOnTheTick()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    using testing::shows;
    QVERIFY(!w.AniTimer().isActive()); // stopped by the activation
    ScreenFixture::click(w.AddZelcor(Mineral::Nitrogen));
    QVERIFY(shows(w.Syringe(), SyringePicture::HalfFull));
    QVERIFY(w.AniTimer().isActive());
    QCOMPARE(w.AniTimer().interval(), 500);
    QTest::qWait(250);
    ScreenFixture::click(w.AddZelcor(Mineral::Potassium)); // a second dose restarts the half second
    QCOMPARE(w.AniTimer().remainingTime() > 400, true);
    QTest::qWait(300);
    QVERIFY(shows(w.Syringe(), SyringePicture::HalfFull));
    QTRY_VERIFY_WITH_TIMEOUT(shows(w.Syringe(), SyringePicture::Full), 1000);
    // It keeps ticking after the cutting hides the syringe.
    ScreenFixture::click(w.Cmd_Button(DesignCommand::AddCutting));
    QVERIFY(w.AniTimer().isActive());
    w.Syringe()->setPicture(SyringePicture::Empty);
    QTRY_VERIFY_WITH_TIMEOUT(shows(w.Syringe(), SyringePicture::Full), 1000);
}

void TestDesignCommands::startAgainKeepsTheTimerAndCommands()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    ScreenFixture::click(w.AddZelcor(Mineral::Nitrogen));
    ScreenFixture::click(w.Cmd_Button(DesignCommand::StartAgain));
    QVERIFY(w.AniTimer().isActive());
    QVERIFY(testing::shows(w.Syringe(), SyringePicture::Full));
    QVERIFY(testing::shows(w.TTube(), TubePicture::Empty));
    QCOMPARE(int(ZELCOR1::TubeState), 0);
}

void TestDesignCommands::returningFromResultsResets()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    ScreenFixture::click(w.AddZelcor(DesignWindow::kWaterButton));
    ScreenFixture::click(w.AddZelcor(Mineral::Magnesium));
    ScreenFixture::click(w.Cmd_Button(DesignCommand::AddCutting));
    ScreenFixture::click(w.Cmd_Button(DesignCommand::SeeResults));
    QVERIFY(w.AniTimer().isActive());
    ScreenFixture::click(f.results().Cmd_Button(ResultsCommand::NewExperiment));
    QVERIFY(w.isVisible());
    QVERIFY(!w.AniTimer().isActive());
    QVERIFY(w.Syringe()->isVisible() && w.TTube()->isVisible() && !w.Start()->isVisible());
    QVERIFY(testing::shows(w.TTube(), TubePicture::Empty));
    QVERIFY(testing::shows(w.Syringe(), SyringePicture::Full));
    for (int i = 1; i <= 7; ++i)
        QVERIFY(w.AddZelcor(i)->isEnabled());
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(w.Added(i)->text(), QStringLiteral("No"));
}

QTEST_MAIN(TestDesignCommands)
#include "tst_design_commands.moc"
