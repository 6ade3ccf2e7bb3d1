// Registers the font that is built into the program's resources, once per run.
#include "shell/bundled_font.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>

namespace quorvel {

void registerBundledFont()
{
    // Stored uncompressed, so the font database reads the program's own memory in place. Without
    // the resource the data is empty and nothing is registered.
    static const int id = QFontDatabase::addApplicationFontFromData(
        QResource(QStringLiteral(":/quorvel/fonts/LiberationSans-Regular.ttf")).uncompressedData());
    Q_UNUSED(id);
}

} // namespace quorvel
