// The screens' font and its fallbacks.
#include "controls/screen_font.h"

#include <QStringList>

namespace quorvel {

QFont screenFont(double scale)
{
    QFont font;
    // "MS Sans Serif" is missing outside Windows; then a sans-serif of its width: Arial's metrics
    // fit every caption in its control, where a wider face would spill past the labels.
    // The fonts the program carries for other scripts stand in for Liberation Sans (its
    // substitutes), and come right after it: before any face of the machine that would draw the
    // same letters differently from one machine to the next.
    const QString carried = QStringLiteral("Liberation Sans");
    font.setFamilies(
        QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Arial"), carried} +
        QFont::substitutes(carried) +
        QStringList{QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans Condensed")});
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
