// Writes the program icon into an icon theme folder at every size a desktop asks for:
//   quorvel_icon_export FOLDER SIZE...   (FOLDER/<size>x<size>/apps/quorvel.png)
#include "pictures/drawings.h"

#include <QDir>
#include <QImage>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QTextStream errors(stderr);
    if (argc < 3) {
        errors << "usage: quorvel_icon_export FOLDER SIZE...\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
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
