// The screens' font and its fallbacks.
#include "controls/screen_font.h"

#include <QStringList>

namespace quorvel {

QFont screenFont(double scale)
{
    QFont font;
    // "MS Sans Serif" is missing outside Windows; then a sans-serif of its width: Arial's metrics
    // fit every caption in its control, where a wider face would spill past the labels.
    // A font the program carries for another script (Liberation Sans's substitute, set with the
    // language) comes first: it holds every letter of its translation, so no text ever asks the
    // machine for a fallback, a search through all its fonts that would cost a Chinese start-up
    // several milliseconds, and would draw differently from one machine to the next.
    const QString carried = QStringLiteral("Liberation Sans");
    font.setFamilies(QFont::substitutes(carried) +
                     QStringList{QStringLiteral("MS Sans Serif"),
                                 QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                 carried, QStringLiteral("Helvetica"),
                                 QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    if (scale == 1.0)
        font.setPointSize(12);
    else
        font.setPointSizeF(12.0 * scale);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

} // namespace quorvel
