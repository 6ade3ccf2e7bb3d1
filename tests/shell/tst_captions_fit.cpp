// On a machine whose only fonts are DejaVu, every caption of every language still fits its control,
// with access keys that differ on each screen, and every letter of the screens, Help and the quit
// box is drawn: the program lays its captions out in the Liberation Sans it carries, and draws the
// scripts that font lacks from the fonts it carries for them. CTest runs this with a fontconfig
// that offers nothing but DejaVu, so no font of the machine can stand in for a missing glyph.
#include "../support/screen_fixture.h"

#include "controls/command_button.h"
#include "help/help_topics.h"
#include "help/help_window.h"
#include "shell/bundled_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>

using namespace quorvel;
using testing::Language;
using testing::ScreenFixture;

namespace {

const QString kCarried = QStringLiteral("Liberation Sans");

QChar accessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&'))
                return caption[i + 1].toLower();
            ++i;
        }
    }
    return {};
}

QStringList repeatedAccessKeys(QWidget& screen)
{
    QStringList repeated;
    QMap<QChar, QString> seen;
    for (const QPushButton* button : screen.findChildren<QPushButton*>()) {
        const QChar key = accessKey(button->text());
        if (key.isNull())
            repeated << QStringLiteral("\"%1\" has no access key").arg(button->text());
        else if (seen.contains(key))
            repeated
                << QStringLiteral("\"%1\" and \"%2\" share %3").arg(seen[key], button->text(), key);
        seen[key] = button->text();
    }
    return repeated;
}

// What does not fit its control: a button's text with its margins, a label's text in its room.
QStringList misfits(QWidget& screen)
{
    QStringList found;
    for (const QPushButton* button : screen.findChildren<QPushButton*>()) {
        const QSize needed = button->sizeHint();
        if (needed.width() > button->width() || needed.height() > button->height())
            found << QStringLiteral("button \"%1\" needs %2 x %3, has %4 x %5")
                         .arg(button->text())
                         .arg(needed.width())
                         .arg(needed.height())
                         .arg(button->width())
                         .arg(button->height());
    }
    for (const QLabel* label : screen.findChildren<QLabel*>()) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
        if (needed.width() > room.width() || needed.height() > room.height())
            found << QStringLiteral("label \"%1\" needs %2 x %3, has %4 x %5")
                         .arg(label->text())
                         .arg(needed.width())
                         .arg(needed.height())
                         .arg(room.width())
                         .arg(room.height());
    }
    return found;
}

// The glyphs that no font drew (a box in their place), or that a font not in allowed drew.
QStringList undrawn(const QList<QGlyphRun>& runs, const QStringList& allowed, const QString& text)
{
    QStringList found;
    for (const QGlyphRun& run : runs) {
        const QString family = run.rawFont().familyName();
        if (run.glyphIndexes().contains(0))
            found << QStringLiteral("\"%1\": a glyph missing from %2").arg(text, family);
        else if (!allowed.isEmpty() && !allowed.contains(family, Qt::CaseInsensitive))
            found << QStringLiteral("\"%1\": drawn in %2").arg(text, family);
    }
    return found;
}

QStringList undrawn(const QString& text, const QFont& font, const QStringList& allowed)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    return undrawn(layout.glyphRuns(), allowed, text);
}

} // namespace

class TestCaptionsFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyCaptionFitsItsControl_data();
    void everyCaptionFitsItsControl();
    void helpAndQuitBoxDrawEveryLetter_data();
    void helpAndQuitBoxDrawEveryLetter();
};

void TestCaptionsFit::initTestCase()
{
    // Without this the test would only repeat what a machine with Liberation Sans shows anyway.
    if (QFontDatabase::hasFamily(kCarried))
        QFAIL("the machine's fonts include Liberation Sans: run with the DejaVu-only fontconfig");
}

void TestCaptionsFit::everyCaptionFitsItsControl_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("results");
    QStringList languages{QString()};
    languages += translations::available();
    for (const QString& language : std::as_const(languages)) {
        const QString name = language.isEmpty() ? QStringLiteral("en") : language;
        QTest::newRow(qPrintable(name + QStringLiteral(" Design"))) << language << false;
        QTest::newRow(qPrintable(name + QStringLiteral(" Results"))) << language << true;
    }
}

void TestCaptionsFit::everyCaptionFitsItsControl()
{
    QFETCH(QString, language);
    QFETCH(bool, results);
    Language installed(language);
    ScreenFixture f;
    // The record at its widest: "Yes" and "No" both shown.
    f.fill(oracle::Given().set(std::size_t(Mineral::Iron) - 1), false);
    if (results)
        ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    QWidget& screen =
        results ? static_cast<QWidget&>(f.results()) : static_cast<QWidget&>(f.design());
    QStringList problems = misfits(screen) + repeatedAccessKeys(screen);

    // A language's own font lays its captions out, as it holds every letter of them.
    QStringList carried{kCarried};
    if (const QByteArray script = scriptFontData(language); !script.isEmpty())
        carried << QRawFont(script, 12).familyName();
    int captions = 0;
    const auto check = [&](QWidget* control, const QString& text) {
        ++captions;
        if (QFontInfo(control->font()).family().compare(carried.last(), Qt::CaseInsensitive) != 0)
            problems << QStringLiteral("\"%1\" is not laid out in %2").arg(text, carried.last());
        problems += undrawn(shownCaption(text), control->font(), carried);
    };
    for (QLabel* label : screen.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            check(label, label->text());
    for (QPushButton* button : screen.findChildren<QPushButton*>())
        check(button, button->text());
    QVERIFY(captions >= 10);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestCaptionsFit::helpAndQuitBoxDrawEveryLetter_data()
{
    testing::addLanguageRows(testing::WithEnglish::Yes);
}

void TestCaptionsFit::helpAndQuitBoxDrawEveryLetter()
{
    // Help and the quit box are in the desktop's font, which the machine has; what it lacks must
    // come from the fonts the program carries, never be left out.
    QFETCH(QString, language);
    Language installed(language);
    ScreenFixture f;
    QStringList problems;
    const QFont boxFont = QApplication::font("QMessageBox");
    for (const QString& text :
         {QCoreApplication::translate("QuitBox", "Talvessa"),
          QCoreApplication::translate("QuitBox", "Do you really want to quit?"),
          shownCaption(QCoreApplication::translate("QPlatformTheme", "&Yes")),
          shownCaption(QCoreApplication::translate("QPlatformTheme", "&No"))})
        problems += undrawn(text, boxFont, {});

    for (int topic = 0; topic < help::kTopicCount; ++topic) {
        f.shell->showHelp(help::HelpTopic(topic));
        QTextDocument* document = f.shell->helpWindow()->findChild<QTextBrowser*>()->document();
        document->size(); // lays the whole document out
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            problems += undrawn(block.layout()->glyphRuns(), {}, block.text());
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestCaptionsFit)
#include "tst_captions_fit.moc"
