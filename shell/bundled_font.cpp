// Registers the fonts that are built into the program's resources, each once per run.
#include "shell/bundled_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QResource>
#include <optional>

namespace quorvel {

namespace {

const QString kBundledFamily = QStringLiteral("Liberation Sans");

QByteArray resourceFont(const QString& file)
{
    // Stored uncompressed, so the font database reads the program's own memory in place. Without
    // the resource the data is empty and nothing is registered.
    return QResource(QStringLiteral(":/quorvel/fonts/") + file).uncompressedData();
}

} // namespace

void registerBundledFont()
{
    static const int id = QFontDatabase::addApplicationFontFromData(
        resourceFont(QStringLiteral("LiberationSans-Regular.ttf")));
    Q_UNUSED(id);
}

QByteArray scriptFontData(const QString& language)
{
    if (language.isEmpty())
        return {};
    return resourceFont(language + QStringLiteral(".otf"));
}

void useScriptFont(const QString& language)
{
    static QHash<QString, QString> registered; // language -> the family its font registered as
    static std::optional<QFont> desktopFont;   // the application's font before a script font
    QFont::removeSubstitutions(kBundledFamily);
    if (desktopFont) {
        QApplication::setFont(*desktopFont);
        desktopFont.reset();
    }
    const QByteArray data = scriptFontData(language);
    if (data.isEmpty())
        return;
    if (!registered.contains(language)) {
        const int id = QFontDatabase::addApplicationFontFromData(data);
        registered.insert(language, QFontDatabase::applicationFontFamilies(id).value(0));
    }
    const QString family = registered.value(language);
    if (family.isEmpty())
        return;
    // The screens name Liberation Sans and take its substitutes next (screenFont); Help and the
    // quit box keep the desktop's font for what the script font lacks.
    QFont::insertSubstitution(kBundledFamily, family);
    desktopFont = QApplication::font();
    QFont font = *desktopFont;
    font.setFamilies(QStringList{family} + desktopFont->families());
    QApplication::setFont(font);
}

} // namespace quorvel
