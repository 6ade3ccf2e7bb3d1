// Writes the program icon into an icon theme folder at every size a desktop asks for, and as a
// vector drawing:
//   quorvel_icon_export FOLDER SIZE...   (FOLDER/<size>x<size>/apps/quorvel.png,
//                                         "scalable": FOLDER/scalable/apps/quorvel.svg)
#include "pictures/drawings.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

namespace {

// The icon's own 32 x 32 grid becomes the SVG's view box, so a desktop scales it to any size.
bool writeScalableIcon(const QString& file)
{
    constexpr int kGridSize = 32;
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(kGridSize, kGridSize));
    svg.setViewBox(QRect(0, 0, kGridSize, kGridSize));
    svg.setTitle(QStringLiteral("Quorvel"));
    svg.setDescription(QStringLiteral("A yellow flower on a green stem"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    quorvel::drawings::paintProgramIcon(painter, kGridSize);
    return painter.end();
}

} // namespace

int main(int argc, char* argv[])
{
    QTextStream errors(stderr);
    if (argc < 3) {
        errors << "usage: quorvel_icon_export FOLDER SIZE|scalable...\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        if (qstrcmp(argv[i], "scalable") == 0) {
            const QString apps = folder + QStringLiteral("/scalable/apps");
            const QString file = apps + QStringLiteral("/quorvel.svg");
            if (!QDir().mkpath(apps) || !writeScalableIcon(file)) {
                errors << "quorvel_icon_export: cannot write " << file << "\n";
                return 1;
            }
            continue;
        }
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size < 1 || size > 1024) {
            errors << "quorvel_icon_export: not an icon size: " << argv[i] << "\n";
            return 2;
        }
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(apps)) {
            errors << "quorvel_icon_export: cannot make " << apps << "\n";
            return 1;
        }
        const QString file = apps + QStringLiteral("/quorvel.png");
        if (!quorvel::drawings::programIconImage(size).save(file, "PNG")) {
            errors << "quorvel_icon_export: cannot write " << file << "\n";
            return 1;
        }
    }
    return 0;
}
