// The pupil's language: the program's own translations and Qt's, built into the program.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace quorvel::translations {

// The languages the program speaks besides English, as the names of its translation files.
QStringList available();

// Installs the translations of the first of the desktop's languages that the program speaks
// (LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as desktop programs read them); none, so English, in
// the C or POSIX locale or when no language matches. Call before the first widget exists.
// Returns the language installed, empty for English.
QString installForDesktop();

// Installs one language of available(), replacing the one installed before; an empty name or
// one the program does not speak gives English. Returns whether that language is now installed.
bool install(const QString& language);

// The locale the texts write their numbers in: C (a point before the decimals) for English. It is
// the application's default locale, set with the language, so the screens need not know this file.
QLocale textLocale();

} // namespace quorvel::translations
