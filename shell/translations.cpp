// Choosing and installing the pupil's language.
#include "shell/translations.h"

#include "shell/bundled_font.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTranslator>
#include <memory>

#ifndef QUORVEL_LANGUAGES
#error "QUORVEL_LANGUAGES comes from the list in translations/CMakeLists.txt"
#endif

namespace quorvel::translations {

namespace {

const QString kResourceFolder = QStringLiteral(":/i18n");

struct Installed {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt; // the standard buttons of the quit box
    QString language;
};

Installed& installed()
{
    static Installed state;
    return state;
}

// What follows the language beyond its texts: the font for its script and the direction it reads
// in. Qt takes the direction from its own translation as well (QT_LAYOUT_DIRECTION), but only once
// the event loop runs, after the first screen has been laid out.
void followLanguage(const QString& language)
{
    // Only what draws has a script or a direction to follow: a tool that only writes text (the
    // guides' tables) runs without a GUI application.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    useScriptFont(language);
    QGuiApplication::setLayoutDirection(language.isEmpty() ? Qt::LeftToRight
                                                           : QLocale(language).textDirection());
}

void removeInstalled()
{
    // A translator takes itself out of the application as it is destroyed.
    installed() = Installed();
    QLocale::setDefault(QLocale::c());
    followLanguage(QString());
}

// gettext's rule, which every desktop program on these systems follows: in the C or POSIX locale
// the program speaks English, whatever LANGUAGE says.
bool inPlainLocale()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(variable);
        if (!messages.isEmpty())
            break;
    }
    return messages.isEmpty() || messages == QLatin1String("C") ||
           messages == QLatin1String("POSIX");
#else
    return false;
#endif
}

} // namespace

QStringList available()
{
    return QString::fromLatin1(QUORVEL_LANGUAGES).split(QLatin1Char(','));
}

bool install(const QString& language)
{
    removeInstalled();
    if (!available().contains(language)
#if defined(QUORVEL_PSEUDO_TRANSLATION)
        && language != QLatin1String("pseudo")
#endif
    )
        return false;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral("quorvel_") + language, kResourceFolder))
        return false;
    Installed& state = installed();
    QCoreApplication::installTranslator(program.get());
    state.program = std::move(program);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, kResourceFolder)) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    }
    state.language = language;
    QLocale::setDefault(QLocale(language));
    followLanguage(language);
    return true;
}

QString installForDesktop()
{
#if defined(QUORVEL_PSEUDO_TRANSLATION)
    // A build for finding controls that would clip: every text longer, with accented capitals.
    install(QStringLiteral("pseudo"));
    return installed().language;
#else
    removeInstalled();
    if (inPlainLocale())
        return QString();
    // Each of the desktop's languages in its order, each from the most to the least specific
    // ("pt-BR" before "pt"), as QTranslator would look them up.
    const QStringList offered = available();
    for (QString wanted : QLocale::system().uiLanguages()) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        while (!wanted.isEmpty()) {
            if (offered.contains(wanted))
                return install(wanted) ? wanted : QString();
            const qsizetype cut = wanted.lastIndexOf(QLatin1Char('_'));
            wanted.truncate(cut < 0 ? 0 : cut);
        }
    }
    return QString();
#endif
}

QLocale textLocale()
{
    return QLocale();
}

} // namespace quorvel::translations
