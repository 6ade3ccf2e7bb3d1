// The program icon: a yellow flower on a green stem, drawn as shapes so every size is sharp.
#include "pictures/drawings.h"

#include "pictures/palette.h"

#include <QCoreApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <numbers>

namespace quorvel::drawings {

namespace {

using namespace palette;

constexpr double kDesignSize = 32.0; // the drawing is laid out on a 32 x 32 grid
constexpr QPointF kFlowerCentre(16.0, 10.5);
constexpr int kPetals = 5;
constexpr double kPetalDistance = 5.4;
constexpr double kPetalRadius = 4.4;
constexpr double kHeartRadius = 3.3;

QPainterPath leafPath(QPointF base, QPointF tip, double bulge)
{
    const QPointF middle = (base + tip) / 2.0;
    const QPointF normal(-(tip - base).y(), (tip - base).x());
    QPainterPath path(base);
    path.quadTo(middle + normal * bulge, tip);
    path.quadTo(middle - normal * bulge, base);
    return path;
}

} // namespace

void paintProgramIcon(QPainter& painter, double sizePx)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(sizePx / kDesignSize, sizePx / kDesignSize);

    const QColor darkGreen(kDarkGreen);
    painter.setPen(QPen(darkGreen, 2.2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(16.0, 14.0), QPointF(16.0, 32.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(darkGreen);
    painter.drawPath(leafPath({16.0, 29.0}, {5.0, 21.5}, 0.32));
    painter.drawPath(leafPath({16.0, 26.0}, {27.0, 18.5}, 0.32));

    // A thin darker rim keeps the yellow petals apart from each other and from a pale title bar.
    painter.setPen(QPen(QColor(kOliveBrown), 0.7));
    painter.setBrush(QColor(kYellow));
    for (int i = 0; i < kPetals; ++i) {
        const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * i / kPetals;
        const QPointF centre =
            kFlowerCentre + kPetalDistance * QPointF(std::cos(angle), std::sin(angle));
        painter.drawEllipse(centre, kPetalRadius, kPetalRadius);
    }
    painter.setBrush(QColor(kRed));
    painter.drawEllipse(kFlowerCentre, kHeartRadius, kHeartRadius);
    painter.restore();
}

QImage programIconImage(int sizePx)
{
    QImage image(sizePx, sizePx, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintProgramIcon(painter, sizePx);
    return image;
}

namespace {

// Draws the flower at a size only when a window system asks for that size: a desktop asks for
// a few at most, and drawing all seven up front would slow every start of the program.
class FlowerIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = qBound(1, qMax(size.width(), size.height()), 1024);
        auto cached = m_sizes.find(side);
        if (cached == m_sizes.end())
            cached = m_sizes.insert(side, QPixmap::fromImage(programIconImage(side)));
        if (mode == QIcon::Disabled)
            return QIcon(cached.value()).pixmap(QSize(side, side), QIcon::Disabled);
        return cached.value();
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : {16, 24, 32, 48, 64, 128, 256})
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine* clone() const override { return new FlowerIconEngine(*this); }
    QString key() const override { return QStringLiteral("quorvel-flower"); }

private:
    QHash<int, QPixmap> m_sizes;
};

} // namespace

QIcon programIcon()
{
    // One icon for every window, so that each size is drawn and kept once. Its pixmaps must not
    // outlive the application object, so the icon goes with it.
    static QIcon* icon = nullptr;
    if (icon == nullptr) {
        icon = new QIcon(new FlowerIconEngine);
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}

} // namespace quorvel::drawings
