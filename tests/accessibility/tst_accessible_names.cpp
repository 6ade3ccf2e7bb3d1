// What a screen reader is told about each control, and that it follows the screens' state.
#include "../support/screen_fixture.h"

#include "controls/announcer.h"
#include "model/experiment_state.h"

#include <QAccessible>
#include <QAccessibleInterface>

using namespace quorvel;
using testing::ScreenFixture;

namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        qFatal("no accessible interface for %s", widget->metaObject()->className());
    return face;
}

QString name(QWidget* widget)
{
    return accessible(widget)->text(QAccessible::Name);
}
QString description(QWidget* widget)
{
    return accessible(widget)->text(QAccessible::Description);
}

enum Step { Water, Nitrogen, Iron, StartAgain, Cutting };

void perform(DesignWindow& w, Step step)
{
    switch (step) {
    case Water:
        ScreenFixture::click(w.AddZelcor(DesignWindow::kWaterButton));
        break;
    case Nitrogen:
        ScreenFixture::click(w.AddZelcor(Mineral::Nitrogen));
        break;
    case Iron:
        ScreenFixture::click(w.AddZelcor(Mineral::Iron));
        break;
    case StartAgain:
        ScreenFixture::click(w.Cmd_Button(DesignCommand::StartAgain));
        break;
    case Cutting:
        ScreenFixture::click(w.Cmd_Button(DesignCommand::AddCutting));
        break;
    }
}

} // namespace

class TestAccessibleNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlHasARoleAndAName_data();
    void everyControlHasARoleAndAName();
    void buttonsAreNamedWithoutTheAccessKeyMark();
    void tubeIsDescribedByWhatItHolds_data();
    void tubeIsDescribedByWhatItHolds();
    void syringeIsPressedForADose();
    void tableNamesEachYesAndNo();
    void resultsDescribeThePlant_data();
    void resultsDescribeThePlant();
};

void TestAccessibleNames::everyControlHasARoleAndAName_data()
{
    QTest::addColumn<bool>("results");
    QTest::addColumn<QString>("title");
    QTest::newRow("design") << false << QStringLiteral("Quorvel - Designing your experiment");
    QTest::newRow("results") << true << QStringLiteral("Quorvel - Your results");
}

void TestAccessibleNames::everyControlHasARoleAndAName()
{
    QFETCH(bool, results);
    QFETCH(QString, title);
    ScreenFixture f;
    QWidget* screen = results ? static_cast<QWidget*>(&f.results()) : &f.design();
    QCOMPARE(accessible(screen)->role(), QAccessible::Window);
    QCOMPARE(name(screen), title);
    const QList<QWidget*> controls = screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QVERIFY(controls.size() > 20);
    for (QWidget* control : controls) {
        const QAccessible::Role role = accessible(control)->role();
        // Never shown: only what it announces is heard, as a notification.
        if (qobject_cast<Announcer*>(control)) {
            QCOMPARE(role, QAccessible::Notification);
            QVERIFY(!control->isVisible());
            continue;
        }
        QVERIFY2(role != QAccessible::Client && role != QAccessible::NoRole,
                 control->metaObject()->className());
        QVERIFY2(!name(control).isEmpty(), control->metaObject()->className());
        if (role == QAccessible::Graphic && !qobject_cast<LineControl*>(control) &&
            !qobject_cast<ShapeControl*>(control))
            QVERIFY2(!description(control).isEmpty(), qPrintable(name(control)));
    }
}

void TestAccessibleNames::buttonsAreNamedWithoutTheAccessKeyMark()
{
    ScreenFixture f;
    QCOMPARE(name(f.design().AddZelcor(DesignWindow::kWaterButton)), QStringLiteral("Add Water"));
    QCOMPARE(name(f.design().AddZelcor(Mineral::Potassium)), QStringLiteral("Potassium"));
    QCOMPARE(name(f.design().Cmd_Button(DesignCommand::SeeResults)), QStringLiteral("See Results"));
    QCOMPARE(name(f.results().Cmd_Button(ResultsCommand::NewExperiment)),
             QStringLiteral("New experiment"));
}

void TestAccessibleNames::tubeIsDescribedByWhatItHolds_data()
{
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QString>("tube");
    QTest::newRow("fresh") << QList<int>{} << QStringLiteral("empty");
    QTest::newRow("water") << QList<int>{Water} << QStringLiteral("clear water");
    QTest::newRow("mineral") << QList<int>{Nitrogen} << QStringLiteral("minerals only");
    QTest::newRow("water then mineral")
        << QList<int>{Water, Nitrogen} << QStringLiteral("water and minerals");
    QTest::newRow("mineral then water")
        << QList<int>{Iron, Water} << QStringLiteral("water and minerals");
    QTest::newRow("start again") << QList<int>{Water, Iron, StartAgain} << QStringLiteral("empty");
}

void TestAccessibleNames::tubeIsDescribedByWhatItHolds()
{
    QFETCH(QList<int>, steps);
    QFETCH(QString, tube);
    ScreenFixture f;
    for (const int step : steps)
        perform(f.design(), Step(step));
    QCOMPARE(name(f.design().TTube()), QStringLiteral("Test tube"));
    QCOMPARE(description(f.design().TTube()), tube);
}

void TestAccessibleNames::syringeIsPressedForADose()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    QCOMPARE(description(w.Syringe()), QStringLiteral("full"));
    perform(w, Nitrogen);
    QCOMPARE(description(w.Syringe()), QStringLiteral("pressed"));
    w.AniTimer_Timer();
    QCOMPARE(description(w.Syringe()), QStringLiteral("full"));
}

void TestAccessibleNames::tableNamesEachYesAndNo()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    QCOMPARE(name(w.Added(0)), QStringLiteral("Added"));
    QCOMPARE(name(w.Mineral(3)), QStringLiteral("Magnesium"));
    QCOMPARE(name(w.Added(Mineral::Nitrogen)), QStringLiteral("Nitrogen added: No"));
    perform(w, Nitrogen);
    QCOMPARE(name(w.Added(Mineral::Nitrogen)), QStringLiteral("Nitrogen added: Yes"));
    QCOMPARE(name(w.Added(Mineral::Iron)), QStringLiteral("Iron added: No"));
    perform(w, Cutting);
    ScreenFixture::click(w.Cmd_Button(DesignCommand::SeeResults));
    QCOMPARE(name(f.results().Added(Mineral::Nitrogen)), QStringLiteral("Nitrogen added: Yes"));
    QCOMPARE(name(f.results().Added(Mineral::Calcium)), QStringLiteral("Calcium added: No"));
    perform(w, StartAgain);
    QCOMPARE(name(w.Added(Mineral::Nitrogen)), QStringLiteral("Nitrogen added: No"));
}

void TestAccessibleNames::resultsDescribeThePlant_data()
{
    QTest::addColumn<QList<int>>("minerals"); // the Add buttons pressed, with water
    QTest::addColumn<QStringList>("leaves");  // descriptions of the leaves shown, in order
    QTest::addColumn<QString>("stem");
    QTest::newRow("nitrogen and iron")
        << QList<int>{1, 4} << QStringList{QStringLiteral("narrow purple leaf with a wavy edge")}
        << QStringLiteral("2.0 units tall on the ruler");
    QStringList healthy;
    for (int k = 0; k < 6; ++k)
        healthy << QStringLiteral("healthy green leaf");
    QTest::newRow("everything") << QList<int>{1, 2, 3, 4, 5, 6} << healthy
                                << QStringLiteral("9.4 units tall on the ruler");
}

void TestAccessibleNames::resultsDescribeThePlant()
{
    QFETCH(QList<int>, minerals);
    QFETCH(QStringList, leaves);
    QFETCH(QString, stem);
    ScreenFixture f;
    oracle::Given given;
    for (const int mineral : minerals)
        given.set(std::size_t(mineral - 1));
    ResultsWindow& r = f.grow(given);
    QStringList shown;
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(name(r.Leaf(k)), QStringLiteral("Leaf %1").arg(k + 1));
        if (r.Leaf(k)->isVisible())
            shown << description(r.Leaf(k));
    }
    QCOMPARE(shown, leaves);
    QCOMPARE(description(r.Stem()), stem);
    QCOMPARE(description(r.Ruler()), QStringLiteral("a ruler marked from 0 at the top to 17"));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessible_names.moc"
