// On a machine whose only fonts are DejaVu, every caption still fits its control: the program
// lays its captions out in the Liberation Sans it carries. CTest runs this with a fontconfig that
// offers nothing but DejaVu.
#include "../support/screen_fixture.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>

using testing::ScreenFixture;

class TestCaptionsFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyCaptionFitsItsControl_data();
    void everyCaptionFitsItsControl();

private:
    std::unique_ptr<ScreenFixture> m_screens;
};

void TestCaptionsFit::initTestCase()
{
    // Without this the test would only repeat what a machine with Liberation Sans shows anyway.
    if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")))
        QFAIL("the machine's fonts include Liberation Sans: run with the DejaVu-only fontconfig");
    m_screens = std::make_unique<ScreenFixture>();
    // Every "Yes" written, the longest caption the record table shows.
    quorvel::DesignWindow& design = m_screens->design();
    for (int index = 1; index <= quorvel::DesignWindow::kWaterButton; ++index)
        ScreenFixture::click(design.AddZelcor(index));
    ScreenFixture::click(design.Cmd_Button(quorvel::DesignCommand::AddCutting));
    ScreenFixture::click(design.Cmd_Button(quorvel::DesignCommand::SeeResults));
}

void TestCaptionsFit::everyCaptionFitsItsControl_data()
{
    QTest::addColumn<bool>("results");
    QTest::newRow("Design") << false;
    QTest::newRow("Results") << true;
}

void TestCaptionsFit::everyCaptionFitsItsControl()
{
    QFETCH(bool, results);
    QWidget& screen = results ? static_cast<QWidget&>(m_screens->results())
                              : static_cast<QWidget&>(m_screens->design());
    struct Caption {
        QWidget* control;
        QString text;
        int flags;
    };
    std::vector<Caption> captions;
    for (QLabel* label : screen.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            captions.push_back(
                {label, label->text(),
                 int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0)});
    for (QPushButton* button : screen.findChildren<QPushButton*>())
        captions.push_back({button, button->text(), Qt::AlignCenter | Qt::TextShowMnemonic});
    QVERIFY(captions.size() >= 10);

    for (const Caption& caption : captions) {
        const QString what = QStringLiteral("\"%1\"").arg(caption.text);
        QCOMPARE(QFontInfo(caption.control->font()).family(), QStringLiteral("Liberation Sans"));
        const QRect room = caption.control->contentsRect();
        const QRect needed =
            QFontMetrics(caption.control->font()).boundingRect(room, caption.flags, caption.text);
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(QStringLiteral("%1 needs %2 x %3 px in %4 x %5")
                                .arg(what)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height())));
    }
}

QTEST_MAIN(TestCaptionsFit)
#include "tst_captions_fit.moc"
