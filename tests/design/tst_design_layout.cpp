// The Design screen as laid out: every control's place, caption, stacking and keyboard order.
#include "../support/screen_fixture.h"

#include "pictures/graphics.h"

#include <QApplication>
#include <functional>

using namespace quorvel;
using testing::ScreenFixture;
using testing::twips;

namespace {
using Pick = std::function<QWidget*(DesignWindow&)>;

QString captionOf(QWidget* widget)
{
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    return QString();
}
} // namespace

Q_DECLARE_METATYPE(Pick)

class TestDesignLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void window();
    void control_data();
    void control();
    void linesAndCreationPictures();
    void stackingOrder();
    void keyboardOrderAndFocus();
    void accessKeysPressTheirButtons_data();
    void accessKeysPressTheirButtons();
    void instructionWrapsInsideItsLabel();
};

void TestDesignLayout::window()
{
    ScreenFixture f;
    QCOMPARE(f.design().windowTitle(), QStringLiteral("Quorvel - Designing your experiment"));
    QCOMPARE(f.design().palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(!f.design().windowIcon().isNull());
    // No frame on the offscreen platform: the whole outer size is client area.
    QCOMPARE(f.design().frameGeometry().size(), QSize(646, 486));
    // It may be made larger without limit, and smaller down to half its size.
    QCOMPARE(f.design().maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QVERIFY(f.design().minimumSize().width() <= f.design().width() / 2 + 1);
    const QRect display = f.design().screen()->geometry();
    QCOMPARE(f.design().frameGeometry().center(), display.center());
}

void TestDesignLayout::control_data()
{
    QTest::addColumn<Pick>("pick");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    auto zelcor = [](int i) { return Pick([i](DesignWindow& w) { return w.AddZelcor(i); }); };
    auto cmd = [](DesignCommand c) {
        return Pick([c](DesignWindow& w) { return w.Cmd_Button(c); });
    };
    namespace d = layout::design;
    for (int i = 1; i < int(d::kAddZelcor.size()); ++i)
        QTest::addRow("AddZelcor(%d)", i) << zelcor(i) << d::kAddZelcor[std::size_t(i)].caption
                                          << twips(d::kAddZelcor[std::size_t(i)].place);
    for (int i = 0; i < int(d::kCmdButton.size()); ++i)
        QTest::addRow("Cmd_Button(%d)", i)
            << cmd(DesignCommand(i)) << d::kCmdButton[std::size_t(i)].caption
            << twips(d::kCmdButton[std::size_t(i)].place);
    for (int i = 0; i <= 6; ++i) {
        QTest::addRow("Mineral(%d)", i)
            << Pick([i](DesignWindow& w) { return w.Mineral(i); })
            << layout::kMineralCaptions[std::size_t(i)] << twips(d::kRecord.mineral(i));
        QTest::addRow("Added(%d)", i) << Pick([i](DesignWindow& w) { return w.Added(i); })
                                      << (i == 0 ? "Added" : "No") << twips(d::kRecord.added(i));
    }
    QTest::newRow("Shape1") << Pick([](DesignWindow& w) { return w.Shape1(); }) << ""
                            << twips(d::kShape1);
    QTest::newRow("Shape2") << Pick([](DesignWindow& w) { return w.Shape2(); }) << ""
                            << twips(d::kShape2);
    QTest::newRow("Label1") << Pick([](DesignWindow& w) { return w.Label1(); }) << d::kInstruction
                            << twips(d::kLabel1);
    QTest::newRow("Image1") << Pick([](DesignWindow& w) { return w.Image1(); }) << ""
                            << twips(d::kImage1);
    QTest::newRow("Syringe") << Pick([](DesignWindow& w) { return w.Syringe(); }) << ""
                             << twips(d::kSyringe);
    QTest::newRow("TTube") << Pick([](DesignWindow& w) { return w.TTube(); }) << ""
                           << twips(d::kTTube);
    QTest::newRow("Start") << Pick([](DesignWindow& w) { return w.Start(); }) << ""
                           << twips(d::kStart);
}

void TestDesignLayout::control()
{
    QFETCH(Pick, pick);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    ScreenFixture f;
    QWidget* widget = pick(f.design());
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(captionOf(widget), caption);
    if (qobject_cast<QPushButton*>(widget) || qobject_cast<QLabel*>(widget)) {
        QCOMPARE(widget->font().pointSize(), 12);
        QVERIFY(!widget->font().bold() && !widget->font().italic());
    }
    if (qobject_cast<QLabel*>(widget))
        QCOMPARE(widget->palette().color(QPalette::Window), QColor(255, 255, 128));
}

void TestDesignLayout::linesAndCreationPictures()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    const auto ends = [](LineControl* line) {
        return std::array<float, 4>{line->x1(), line->y1(), line->x2(), line->y2()};
    };
    const auto expected = [](std::array<int, 4> ends) {
        return std::array<float, 4>{float(ends[0]), float(ends[1]), float(ends[2]), float(ends[3])};
    };
    QCOMPARE(ends(w.Line1()), expected(layout::design::kLine1));
    QCOMPARE(ends(w.Line2()), expected(layout::design::kLine2));
    // After the first activation: full syringe, empty tube, no drop, no cutting.
    using testing::shownPixmap;
    using testing::shows;
    QVERIFY(shows(w.Syringe(), SyringePicture::Full));
    QVERIFY(shows(w.TTube(), TubePicture::Empty));
    QVERIFY(!w.Drip()->isVisible());
    QVERIFY(!w.Start()->isVisible());
    QVERIFY(w.Syringe()->isVisible() && w.TTube()->isVisible());
    QCOMPARE(shownPixmap(w.Syringe()).size(), QSize(84, 80));
    QCOMPARE(shownPixmap(w.Drip()).size(), QSize(5, 6));
    ScreenFixture::click(w.Cmd_Button(DesignCommand::AddCutting));
    QCOMPARE(shownPixmap(w.Start()).size(), QSize(154, 296));

    // Before any activation the tube holds the clear-water picture and the syringe the empty one.
    DesignWindow created(*f.shell);
    QVERIFY(shows(created.TTube(), TubePicture::ClearWater));
    QVERIFY(shows(created.Syringe(), SyringePicture::Empty));
    QCOMPARE(created.TTube()->accessibleDescription(),
             Graphics::instance().description(TubePicture::ClearWater));
}

void TestDesignLayout::stackingOrder()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    // Front to back.
    QList<QWidget*> order = {w.Image1(), w.Drip(), w.Label1(), w.Line2(), w.Line1()};
    for (int i = 6; i >= 0; --i)
        order << w.Added(i) << w.Mineral(i);
    order << w.Syringe() << w.TTube() << w.Shape1() << w.Shape2() << w.Start();
    const QObjectList children = w.children();
    for (int i = 0; i + 1 < order.size(); ++i)
        QVERIFY2(children.indexOf(order[i]) > children.indexOf(order[i + 1]),
                 qPrintable(QStringLiteral("position %1").arg(i)));
    for (int i = 0; i < DesignWindow::kCommandCount; ++i)
        QVERIFY(children.indexOf(w.Cmd_Button(DesignCommand(i))) > children.indexOf(w.Image1()));
    for (int i = 1; i <= 7; ++i)
        QVERIFY(children.indexOf(w.AddZelcor(i)) > children.indexOf(w.Image1()));
}

void TestDesignLayout::keyboardOrderAndFocus()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QList<QWidget*> expected = {w.AddZelcor(Mineral::Iron),
                                      w.AddZelcor(Mineral::Nitrogen),
                                      w.AddZelcor(Mineral::Magnesium),
                                      w.AddZelcor(Mineral::Calcium),
                                      w.AddZelcor(Mineral::Phosphorus),
                                      w.AddZelcor(Mineral::Potassium),
                                      w.AddZelcor(DesignWindow::kWaterButton),
                                      w.Cmd_Button(DesignCommand::SeeResults),
                                      w.Cmd_Button(DesignCommand::Quit),
                                      w.Cmd_Button(DesignCommand::StartAgain),
                                      w.Cmd_Button(DesignCommand::AddCutting)};
    QCOMPARE(QApplication::focusWidget(), expected.first());
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected[i]);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), expected.first()); // labels and pictures take no focus
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // presses the focused button
    QCOMPARE(w.Added(Mineral::Iron)->text(), QStringLiteral("Yes"));
}

void TestDesignLayout::accessKeysPressTheirButtons_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mineral");
    QTest::newRow("Alt+N") << int(Qt::Key_N) << 1;
    QTest::newRow("Alt+T") << int(Qt::Key_T) << 2;
    QTest::newRow("Alt+M") << int(Qt::Key_M) << 3;
    QTest::newRow("Alt+I") << int(Qt::Key_I) << 4;
    QTest::newRow("Alt+P") << int(Qt::Key_P) << 5;
    QTest::newRow("Alt+C") << int(Qt::Key_C) << 6;
    QTest::newRow("Alt+W") << int(Qt::Key_W) << 7;
}

void TestDesignLayout::accessKeysPressTheirButtons()
{
    QFETCH(int, key);
    QFETCH(int, mineral);
    ScreenFixture f;
    DesignWindow& w = f.design();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // An access key presses its button as a short animated click.
    QTest::keyClick(&w, Qt::Key(key), Qt::AltModifier);
    if (mineral == 7)
        QTRY_VERIFY(!w.AddZelcor(DesignWindow::kWaterButton)->isEnabled());
    else
        QTRY_COMPARE(w.Added(mineral)->text(), QStringLiteral("Yes"));
    QTest::keyClick(&w, Qt::Key_A, Qt::AltModifier); // Add Cutting
    QTRY_VERIFY(!w.Cmd_Button(DesignCommand::AddCutting)->isEnabled());
    QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier); // Start again
    QTRY_VERIFY(w.Cmd_Button(DesignCommand::AddCutting)->isEnabled());
    QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier); // See Results
    QTRY_VERIFY(f.shell->resultsLoaded() && f.results().isVisible());
}

void TestDesignLayout::instructionWrapsInsideItsLabel()
{
    ScreenFixture f;
    QLabel* label = f.design().Label1();
    QVERIFY(label->wordWrap());
    const QFontMetrics metrics(label->font());
    const QRect needed =
        metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text());
    QVERIFY2(
        needed.height() <= label->height(),
        qPrintable(QStringLiteral("needs %1 px of %2").arg(needed.height()).arg(label->height())));
    QVERIFY(needed.height() > metrics.height()); // it does wrap
    for (int i = 0; i <= 6; ++i) {
        CaptionLabel* mineral = f.design().Mineral(i);
        QVERIFY(QFontMetrics(mineral->font()).horizontalAdvance(mineral->text()) <=
                mineral->width());
    }
}

QTEST_MAIN(TestDesignLayout)
#include "tst_design_layout.moc"
