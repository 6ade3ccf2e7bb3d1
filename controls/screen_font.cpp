// The screens' font and its fallbacks.
#include "controls/screen_font.h"

#include <QStringList>

namespace quorvel {

QFont screenFont(double scale)
{
    QFont font;
    // "MS Sans Serif" is missing outside Windows; then a sans-serif of its width: Arial's metrics
    // fit every caption in its control, where a wider face would spill past the labels.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans Condensed")});
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
