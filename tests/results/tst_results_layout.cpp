// The Results screen as laid out: controls, stacking, keyboard order, and its load.
#include "../support/screen_test_support.h"

#include "pictures/graphics.h"

#include <QApplication>

using namespace quorvel;
using testing::ScreenFixture;

namespace {
QRect twips(int left, int top, int width, int height)
{
    auto px = [](int t) { return static_cast<int>(std::lround(t / 15.0)); };
    return QRect(px(left), px(top), px(width), px(height));
}
} // namespace

class TestResultsLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowAndLoad();
    void controls();
    void stackingOrder();
    void keyboardOrder();
    void accessKeys();
};

void TestResultsLayout::windowAndLoad()
{
    ScreenFixture f;
    ScreenFixture::click(f.design().Cmd_Button(0));
    ResultsWindow& w = f.results();
    QCOMPARE(w.windowTitle(), QStringLiteral("Quorvel - Your results"));
    QCOMPARE(w.frameGeometry().size(), QSize(646, 486));
    QCOMPARE(w.frameGeometry().center(), w.screen()->geometry().center());
    const GrowthLimits limits = {0, 62, 62, 58, 52, 25, 25};
    QCOMPARE(w.GrowthLimit(), limits);
}

void TestResultsLayout::controls()
{
    ScreenFixture f;
    ScreenFixture::click(f.design().Cmd_Button(0));
    ResultsWindow& w = f.results();
    QCOMPARE(w.Cmd_Button(0)->text(), QStringLiteral("&Quit"));
    QCOMPARE(w.Cmd_Button(0)->geometry(), twips(4440, 5505, 1335, 735));
    QCOMPARE(w.Cmd_Button(1)->text(), QStringLiteral("&Move ruler"));
    QCOMPARE(w.Cmd_Button(1)->geometry(), twips(720, 5520, 1335, 735));
    QCOMPARE(w.Cmd_Button(2)->text(), QStringLiteral("&New experiment"));
    QCOMPARE(w.Cmd_Button(2)->geometry(), twips(2280, 5505, 1935, 735));
    const char* minerals[] = {"Mineral", "Nitrogen",   "Potassium", "Magnesium",
                              "Iron",    "Phosphorus", "Calcium"};
    const int tops[] = {1080, 1680, 2160, 2640, 3120, 3600, 4080};
    for (int i = 0; i <= 6; ++i) {
        QCOMPARE(w.Mineral(i)->text(), QString::fromLatin1(minerals[i]));
        QCOMPARE(w.Mineral(i)->geometry(), twips(1920, tops[i], 1335, 375));
        QCOMPARE(w.Added(i)->geometry(), twips(3480, tops[i], 1095, 375));
        QCOMPARE(w.Added(i)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
    QCOMPARE(w.Added(0)->text(), QStringLiteral("Added"));
    QCOMPARE(w.Shape1()->geometry(), twips(1680, 840, 3135, 3855));
    QCOMPARE(w.Tube()->geometry(), twips(6600, 3960, 870, 2655));
    QCOMPARE(w.Tube()->picture().size(), QSize(58, 177));
    QCOMPARE(w.Ruler()->geometry(), twips(8640, 240, 465, 5265));
    QCOMPARE(w.Ruler()->picture().size(), QSize(31, 351));
    QCOMPARE(w.Line1()->x1(), 3360.0f);
    QCOMPARE(w.Line2()->y1(), 1560.0f);
    // Without a cutting the stem is hidden and no leaf shows.
    QVERIFY(!w.Stem()->isVisible());
    for (int k = 0; k < 6; ++k) {
        QVERIFY(!w.Leaf(k)->isVisible());
        QCOMPARE(w.Leaf(k)->size(), QSize(70, 70));
    }
    QCOMPARE(w.Stem()->x1(), 7080.0f); // never grown: as created
    QCOMPARE(w.Stem()->y1(), 4035.0f);
    QCOMPARE(w.Leaf(3)->geometry(), twips(6480, 0, 1050, 1050));
    QCOMPARE(w.Leaf(1)->geometry(), w.Leaf(3)->geometry());
    QVERIFY(!w.Cmd_Button(3) && !w.Leaf(6) && !w.Added(7));
}

void TestResultsLayout::stackingOrder()
{
    ScreenFixture f;
    ScreenFixture::click(f.design().Cmd_Button(0));
    ResultsWindow& w = f.results();
    QList<QWidget*> order;
    for (int k = 5; k >= 0; --k)
        order << w.Leaf(k);
    order << w.Stem();
    for (int i = 6; i >= 0; --i)
        order << w.Added(i) << w.Mineral(i);
    order << w.Line1() << w.Line2() << w.Ruler() << w.Tube() << w.Shape1();
    const QObjectList children = w.children();
    for (int i = 0; i + 1 < order.size(); ++i)
        QVERIFY2(children.indexOf(order[i]) > children.indexOf(order[i + 1]),
                 qPrintable(QStringLiteral("position %1").arg(i)));
    for (int i = 0; i < 3; ++i)
        QVERIFY(children.indexOf(w.Cmd_Button(i)) > children.indexOf(w.Leaf(5)));
}

void TestResultsLayout::keyboardOrder()
{
    ScreenFixture f;
    ScreenFixture::click(f.design().Cmd_Button(0));
    ResultsWindow& w = f.results();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.Cmd_Button(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Cmd_Button(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Cmd_Button(2));
}

void TestResultsLayout::accessKeys()
{
    ScreenFixture f;
    ScreenFixture::click(f.design().Cmd_Button(0));
    ResultsWindow& w = f.results();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_M, Qt::AltModifier);
    QTRY_VERIFY(w.PlacingRuler());
    f.answers = {kAnswerNo};
    QTest::keyClick(&w, Qt::Key_Q, Qt::AltModifier);
    QTRY_COMPARE(f.asked, 1);
    QTest::keyClick(&w, Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(f.design().isVisible());
}

QTEST_MAIN(TestResultsLayout)
#include "tst_results_layout.moc"
