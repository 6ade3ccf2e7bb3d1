// Registers the font that is built into the program's resources, once per run.
#include "shell/bundled_font.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>

namespace quorvel {

void registerBundledFont()
{
    static const bool registered = [] {
        // Stored uncompressed, so the font database reads the program's own memory in place.
        const QResource font(QStringLiteral(":/quorvel/fonts/LiberationSans-Regular.ttf"));
        if (!font.isValid())
            return false;
        return QFontDatabase::addApplicationFontFromData(font.uncompressedData()) != -1;
    }();
    Q_UNUSED(registered);
}

} // namespace quorvel
