// The fonts the program carries, so its captions fit their controls on every machine and no text
// depends on the fonts a machine happens to have.
#pragma once

#include <QByteArray>
#include <QString>

namespace quorvel {

// Makes the bundled Liberation Sans Regular (Arial's metrics) available to every font of the
// program, beside whatever fonts the machine has. Needs the application object; a second call
// does nothing.
void registerBundledFont();

// The font the program carries for the script of a language that Liberation Sans does not cover
// (Chinese, Arabic), cut down to the characters of its translation; empty for every other language.
QByteArray scriptFontData(const QString& language);

// Draws every glyph that Liberation Sans lacks from the language's script font, before any font
// of the machine, on the screens, in Help and in the quit box; registers that font on first use,
// so a language without one starts exactly as before. An empty language, or one without a script
// font, takes a script font chosen before away again. Call before the first widget exists.
void useScriptFont(const QString& language);

} // namespace quorvel
