// Every shipped language: complete, in fonts the program carries, every control where the English
// screens have it, and an experiment grown from it exactly as from the English one. (Fitting and
// access keys: tst_captions_fit.)
#include "../support/screen_fixture.h"

#include "shell/bundled_font.h"
#include "shell/translations.h"

#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QResource>
#include <QSignalSpy>
#include <QXmlStreamReader>
#include <algorithm>

using namespace quorvel;
using testing::Language;
using testing::ScreenFixture;

namespace {

// The places a text is filled in at, in order: %1 to %9 and %n.
QStringList placeholders(const QString& text)
{
    QStringList found;
    // %L1 is %1 written in the language's own digits, which a translation may choose.
    static const QRegularExpression marker(QStringLiteral("%L?([1-9n])"));
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found << match.captured(1);
    found.sort();
    return found;
}

// The characters of a text that none of the fonts has.
QString lacking(const QString& text, const QList<QRawFont>& fonts)
{
    QString missing;
    for (const char32_t character : text.toUcs4())
        if (QChar::category(character) != QChar::Other_Control &&
            std::none_of(fonts.begin(), fonts.end(), [character](const QRawFont& font) {
                return font.supportsCharacter(character);
            }))
            missing += QString::fromUcs4(&character, 1);
    return missing;
}

// Every control of both screens after the same experiment, in creation order: where it stands,
// and for a picture, shape or line what it draws.
struct Placed {
    QString kind;
    QRect geometry;
    QImage drawn;
    bool operator==(const Placed&) const = default;
};

QList<Placed> placesOf(ScreenFixture& f)
{
    QList<Placed> places;
    ResultsWindow& results = f.grow(oracle::Given().set(std::size_t(Mineral::Iron) - 1));
    for (QWidget* screen : {static_cast<QWidget*>(&f.design()), static_cast<QWidget*>(&results)})
        for (QWidget* control : screen->findChildren<QWidget*>()) {
            const bool text = qobject_cast<QLabel*>(control) || qobject_cast<QPushButton*>(control);
            places.append({QString::fromLatin1(control->metaObject()->className()),
                           control->geometry(), text ? QImage() : control->grab().toImage()});
        }
    return places;
}

ResultsWindow& resultsOf(ScreenFixture& f)
{
    ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    return f.results();
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void thePicturesKeepTheirPlaces_data();
    void thePicturesKeepTheirPlaces();
    void theRecordGrowsTheSamePlant_data();
    void theRecordGrowsTheSamePlant();
    void englishIsUntouched();
};

void TestTranslations::everyTextIsTranslated_data()
{
    testing::addLanguageRows(testing::WithEnglish::No);
}

void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, language);
    QFile source(QStringLiteral(QUORVEL_TRANSLATIONS_DIR "/quorvel_%1.ts").arg(language));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&source);
    // Every character is in a font the program carries: Liberation Sans, or the language's own.
    QList<QRawFont> carried{QRawFont(
        QResource(QStringLiteral(":/quorvel/fonts/LiberationSans-Regular.ttf")).uncompressedData(),
        12)};
    if (const QByteArray script = scriptFontData(language); !script.isEmpty())
        carried << QRawFont(script, 12);
    for (const QRawFont& font : std::as_const(carried))
        QVERIFY(font.isValid());
    int messages = 0;
    QString context, sourceText;
    bool numerus = false;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == QLatin1String("name"))
            context = ts.readElementText();
        else if (ts.name() == QLatin1String("message"))
            numerus = ts.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        else if (ts.name() == QLatin1String("source"))
            sourceText = ts.readElementText();
        else if (ts.name() == QLatin1String("translation")) {
            ++messages;
            const QString where = context + QStringLiteral(": ") + sourceText;
            QVERIFY2(ts.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(where));
            // A count in the text is translated once for each plural form of the language.
            QStringList forms;
            if (numerus) {
                while (ts.readNextStartElement())
                    forms << ts.readElementText();
            } else {
                forms << ts.readElementText();
            }
            QVERIFY2(!forms.isEmpty(), qPrintable(where));
            for (const QString& form : std::as_const(forms)) {
                QVERIFY2(!form.isEmpty(), qPrintable(where));
                QVERIFY2(lacking(form, carried).isEmpty(),
                         qPrintable(where + QStringLiteral(" lacks ") + lacking(form, carried)));
                QVERIFY2(placeholders(form) == placeholders(sourceText),
                         qPrintable(where + QStringLiteral(" -> ") + form));
            }
        }
    }
    QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
    QVERIFY(messages > 60);

    // And the program takes them: every caption on both screens is in the language.
    Language installed(language);
    ScreenFixture f;
    QVERIFY(f.design().windowTitle() != QLatin1String("Quorvel - Designing your experiment"));
    QVERIFY(resultsOf(f).Cmd_Button(ResultsCommand::NewExperiment)->text() !=
            QLatin1String("&New experiment"));
    // A number inside a text is in the language's own digits, as the heights are.
    const QString leafName = resultsOf(f).Leaf(5)->accessibleName();
    QVERIFY2(leafName.contains(QLocale().toString(6)), qPrintable(leafName));
}

void TestTranslations::thePicturesKeepTheirPlaces_data()
{
    testing::addLanguageRows(testing::WithEnglish::No);
}

void TestTranslations::thePicturesKeepTheirPlaces()
{
    // The pictures say what they mean by where they stand, so no language moves or mirrors a
    // control; the texts read in the language's direction, and their access keys still answer.
    QFETCH(QString, language);
    const QList<Placed> english = [] {
        ScreenFixture f;
        return placesOf(f);
    }();
    Language installed(language);
    QCoreApplication::processEvents(); // Qt's own reading of the direction, from its translation
    const Qt::LayoutDirection direction = QLocale(language).textDirection();
    QCOMPARE(QGuiApplication::layoutDirection(), direction);
    ScreenFixture f;
    QCOMPARE(placesOf(f), english);
    for (QWidget* screen :
         {static_cast<QWidget*>(&f.design()), static_cast<QWidget*>(&f.results())})
        for (const QWidget* text : screen->findChildren<QLabel*>())
            QCOMPARE(text->layoutDirection(), direction);

    ScreenFixture::click(f.results().Cmd_Button(ResultsCommand::NewExperiment));
    QPushButton* water = f.design().AddZelcor(DesignWindow::kWaterButton);
    const QKeyCombination key = QKeySequence::mnemonic(water->text())[0];
    QSignalSpy pressed(water, &QPushButton::clicked);
    QVERIFY(QTest::qWaitForWindowActive(&f.design()));
    // Sent as a key event of the language's own letter (keyClick knows ASCII letters alone).
    QTest::sendKeyEvent(QTest::Click, &f.design(), key.key(), QString(), key.keyboardModifiers());
    QTRY_COMPARE(pressed.count(), 1); // an access key's click is animated
}

void TestTranslations::theRecordGrowsTheSamePlant_data()
{
    testing::addLanguageRows(testing::WithEnglish::No);
}

void TestTranslations::theRecordGrowsTheSamePlant()
{
    // Every set of minerals, with water, in English and then in the language: the same stem, the
    // same leaves shown, the same pictures (the random mixture draws the same values in both).
    QFETCH(QString, language);
    const auto grow = [](const QString& in) {
        Language installed(in);
        ScreenFixture f;
        QList<qint64> plants;
        for (unsigned given = 0; given < 64; ++given) {
            ResultsWindow& r = f.grow(oracle::Given(given));
            plants << qint64(r.Stem()->y1());
            for (int k = 0; k < ResultsWindow::kLeafCount; ++k)
                plants << (r.Leaf(k)->isVisibleTo(&r) ? testing::shownNumber<LeafPicture>(r.Leaf(k))
                                                      : -1);
            ScreenFixture::click(r.Cmd_Button(ResultsCommand::NewExperiment));
        }
        return plants;
    };
    QCOMPARE(grow(language), grow(QString()));
}

void TestTranslations::englishIsUntouched()
{
    // With no language installed the captions are the record's own words.
    ScreenFixture f;
    ScreenFixture::click(f.design().AddZelcor(Mineral::Nitrogen));
    QCOMPARE(f.design().Added(Mineral::Nitrogen)->text(), QStringLiteral("Yes"));
    QCOMPARE(f.design().Added(Mineral::Iron)->text(), QStringLiteral("No"));
    QCOMPARE(translations::textLocale(), QLocale::c());
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
