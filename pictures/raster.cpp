// Pixel-exact drawing helpers shared by the pictures.
#include "pictures/raster.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

namespace quorvel::raster {

namespace {

QPointF centreOf(int x, int y) {
    return {x + 0.5, y + 0.5};
}

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double lengthSquared = QPointF::dotProduct(ab, ab);
    double t = lengthSquared > 0 ? QPointF::dotProduct(p - a, ab) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return QLineF(p, a + ab * t).length();
}

} // namespace

QImage canvas(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void fill(QImage& image, const Region& region, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (region(centreOf(x, y)))
                image.setPixel(x, y, colour);
        }
    }
}

void outline(QImage& image, const Region& region, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!region(centreOf(x, y)))
                continue;
            const bool onEdge = !region(centreOf(x - 1, y)) || !region(centreOf(x + 1, y)) ||
                                !region(centreOf(x, y - 1)) || !region(centreOf(x, y + 1));
            if (onEdge)
                image.setPixel(x, y, colour);
        }
    }
}

void line(QImage& image, QPointF from, QPointF to, QRgb colour) {
    const QPointF step = to - from;
    const int steps = std::max(1, int(std::ceil(std::max(std::abs(step.x()), std::abs(step.y())))));
    for (int i = 0; i <= steps; ++i) {
        const QPointF p = from + step * (double(i) / steps);
        const QPoint pixel(int(std::floor(p.x())), int(std::floor(p.y())));
        if (image.rect().contains(pixel))
            image.setPixel(pixel, colour);
    }
}

Region disc(QPointF centre, double radius) {
    return [centre, radius](QPointF p) { return QLineF(p, centre).length() < radius; };
}

Region capsule(QPointF from, QPointF to, double radius) {
    return [from, to, radius](QPointF p) { return distanceToSegment(p, from, to) < radius; };
}

quint32 noise(int a, int b, quint32 seed) {
    // A few rounds of multiply and xor-shift mix every input bit into every output bit.
    quint32 h = seed * 0x9e3779b9u;
    h ^= quint32(a) * 0x85ebca6bu;
    h = (h ^ (h >> 15)) * 0xc2b2ae35u;
    h ^= quint32(b) * 0x27d4eb2fu;
    h = (h ^ (h >> 13)) * 0x165667b1u;
    return h ^ (h >> 16);
}

double unitNoise(int a, int b, quint32 seed) {
    return noise(a, b, seed) / 4294967296.0;
}

} // namespace quorvel::raster
