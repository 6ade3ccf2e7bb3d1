// Writes every picture, enlarged without smoothing and named underneath, onto one PNG sheet.
#include "pictures/drawings.h"
#include "pictures/graphics.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QList>
#include <QPainter>
#include <QTextStream>

namespace {

constexpr int kZoom = 4;
constexpr int kGap = 24;
constexpr int kSheetWidth = 2200;

struct Entry {
    QString name;
    QImage image;
};

QImage arrowPicture()
{
    QImage image(217, 151, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    quorvel::drawings::drawInstructionArrow(painter, image.rect());
    return image;
}

QList<Entry> allPictures()
{
    using namespace quorvel;
    const Graphics& store = Graphics::instance();
    QList<Entry> entries;
    for (int i = 0; i < kLeafPictureCount; ++i)
        entries.append(
            {QStringLiteral("Leaf(%1)").arg(i), store.picture(LeafPicture(i)).toImage()});
    for (int i = 0; i < kTubePictureCount; ++i)
        entries.append(
            {QStringLiteral("Tube(%1)").arg(i), store.picture(TubePicture(i)).toImage()});
    for (int i = 0; i < kSyringePictureCount; ++i)
        entries.append(
            {QStringLiteral("Syringe(%1)").arg(i), store.picture(SyringePicture(i)).toImage()});
    entries.append({QStringLiteral("Drip"), store.picture(SinglePicture::Drip).toImage()});
    entries.append(
        {QStringLiteral("blackedOutTube"), store.picture(SinglePicture::BlackedOutTube).toImage()});
    entries.append(
        {QStringLiteral("cuttingInTube"), store.picture(SinglePicture::CuttingInTube).toImage()});
    entries.append({QStringLiteral("ruler"), store.picture(SinglePicture::Ruler).toImage()});
    for (const int size : {16, 32, 64})
        entries.append({QStringLiteral("icon %1").arg(size), drawings::programIconImage(size)});
    entries.append({QStringLiteral("instruction arrow"), arrowPicture()});
    return entries;
}

} // namespace

int main(int argc, char* argv[])
{
    // The tool opens no window, so it should not need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const QString path = args.size() > 1 ? args.at(1) : QStringLiteral("docs/pictures.png");

    const QList<Entry> entries = allPictures();
    QFont font;
    font.setPixelSize(16);
    const QFontMetrics metrics(font);
    const int labelHeight = metrics.height() + 4;

    // Lay the pictures out in rows, wrapping when a row gets wider than the sheet.
    QList<QRect> places;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (const Entry& entry : entries) {
        const QSize size = entry.image.size() * kZoom;
        const int width = std::max(size.width(), metrics.horizontalAdvance(entry.name));
        if (x > kGap && x + width > kSheetWidth) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.append(QRect(QPoint(x, y), size));
        x += width + kGap;
        rowHeight = std::max(rowHeight, size.height() + labelHeight);
    }

    QImage sheet(kSheetWidth, y + rowHeight + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(232, 232, 232));
    QPainter painter(&sheet);
    painter.setFont(font);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QRect place = places.at(i);
        const QImage& image = entries.at(i).image;
        painter.drawImage(
            place, image.scaled(place.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
        painter.setPen(Qt::black);
        painter.drawText(QPoint(place.left(), place.bottom() + 1 + metrics.ascent() + 2),
                         entries.at(i).name);
    }
    painter.end();

    if (!sheet.save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return 1;
    }
    return 0;
}
