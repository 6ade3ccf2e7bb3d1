// Pixel-exact drawing helpers shared by the pictures.
#include "pictures/raster.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <utility>

namespace quorvel::raster {

namespace {

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double lengthSquared = QPointF::dotProduct(ab, ab);
    double t = lengthSquared > 0 ? QPointF::dotProduct(p - a, ab) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return QLineF(p, a + ab * t).length();
}

// The image pixels whose centres lie in (at - 0.5, at + 0.5] picture units along one axis.
std::pair<int, int> pixelSpan(double at, double scale)
{
    return {int(std::floor((at - 0.5) * scale - 0.5)) + 1,
            int(std::floor((at + 0.5) * scale - 0.5))};
}

void setPixel(QImage& image, int x, int y, QRgb colour)
{
    row(image, y)[x] = 0xff000000u | colour;
}

} // namespace

QImage canvas(QSize size, QRgb colour, double scale)
{
    // Rounded down, so that every pixel centre lies inside the picture (a tiny allowance keeps a
    // product such as 70 x 1.15 from losing a pixel to rounding).
    const auto pixels = [scale](int units) { return int(std::floor(units * scale + 1e-9)); };
    QImage image(pixels(size.width()), pixels(size.height()), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(colour);
    return image;
}

QRectF everywhere(const QImage& image)
{
    const double scale = image.devicePixelRatio();
    return {0.0, 0.0, image.width() / scale, image.height() / scale};
}

QRect pixelsAround(const QImage& image, const QRectF& bounds)
{
    const double scale = image.devicePixelRatio();
    const auto clampTo = [](double value, int last) {
        return int(std::clamp(value, -1.0, double(last) + 1.0));
    };
    const int left = clampTo(std::floor(bounds.left() * scale) - 1.0, image.width());
    const int right = clampTo(std::ceil(bounds.right() * scale) + 1.0, image.width());
    const int top = clampTo(std::floor(bounds.top() * scale) - 1.0, image.height());
    const int bottom = clampTo(std::ceil(bounds.bottom() * scale) + 1.0, image.height());
    return QRect(QPoint(left, top), QPoint(right, bottom)) & image.rect();
}

void line(QImage& image, QPointF from, QPointF to, QRgb colour)
{
    const double scale = image.devicePixelRatio();
    const QPointF step = to - from;
    const int steps =
        std::max(1, int(std::ceil(std::max(std::abs(step.x()), std::abs(step.y())) * scale)));
    for (int i = 0; i <= steps; ++i) {
        const QPointF p = from + step * (double(i) / steps);
        if (scale == 1.0) {
            const QPoint pixel(int(std::floor(p.x())), int(std::floor(p.y())));
            if (image.rect().contains(pixel))
                setPixel(image, pixel.x(), pixel.y(), colour);
            continue;
        }
        // A square one picture unit across, centred on the point: at scale 1 that would be
        // exactly the pixel the point lies in, which the branch above keeps bit for bit.
        const auto [left, right] = pixelSpan(p.x(), scale);
        const auto [top, bottom] = pixelSpan(p.y(), scale);
        for (int y = std::max(top, 0); y <= std::min(bottom, image.height() - 1); ++y) {
            for (int x = std::max(left, 0); x <= std::min(right, image.width() - 1); ++x)
                setPixel(image, x, y, colour);
        }
    }
}

QRectF Disc::bounds() const
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

bool Disc::operator()(QPointF p) const
{
    return QLineF(p, centre).length() < radius;
}

QRectF Capsule::bounds() const
{
    return QRectF(from, to).normalized().adjusted(-radius, -radius, radius, radius);
}

bool Capsule::operator()(QPointF p) const
{
    return distanceToSegment(p, from, to) < radius;
}

quint32 noise(int a, int b, quint32 seed)
{
    // A few rounds of multiply and xor-shift mix every input bit into every output bit.
    quint32 h = seed * 0x9e3779b9u;
    h ^= quint32(a) * 0x85ebca6bu;
    h = (h ^ (h >> 15)) * 0xc2b2ae35u;
    h ^= quint32(b) * 0x27d4eb2fu;
    h = (h ^ (h >> 13)) * 0x165667b1u;
    return h ^ (h >> 16);
}

double unitNoise(int a, int b, quint32 seed)
{
    return noise(a, b, seed) / 4294967296.0;
}

} // namespace quorvel::raster
