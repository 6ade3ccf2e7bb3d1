// Pixel-exact drawing helpers: shapes are tested at pixel centres, so no edge ever blends colours.
// Every helper works in picture units on an image of any device pixel ratio: at a ratio of 2 a
// picture unit covers 2 x 2 image pixels, and the shapes are tested at the finer pixel centres,
// so a high-density picture is drawn sharp rather than enlarged.
//
// A shape is a test of whether a point (in picture units, pixel centres at .5) lies inside it,
// together with a rectangle that holds every point inside it: only the pixels whose centres lie in
// that rectangle are tested, so the rectangle may be generous but must never cut the shape.
#pragma once

#include "pictures/palette.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <vector>

namespace quorvel::raster {

// An opaque picture of the given size in picture units, all one colour, drawn at scale (its
// device pixel ratio): size times scale image pixels, rounded down.
QImage canvas(QSize size, QRgb colour = palette::kWhite, double scale = 1.0);

// The whole picture in picture units, for shapes that may reach anywhere on it.
QRectF everywhere(const QImage& image);

// The centre of image pixel (x, y) in picture units.
inline QPointF centreOf(int x, int y, double scale)
{
    return {(x + 0.5) / scale, (y + 0.5) / scale};
}

// The image pixels whose centres may lie in bounds (a pixel more on every side), clipped to the
// image.
QRect pixelsAround(const QImage& image, const QRectF& bounds);

// The rows of an opaque 32-bit picture, written directly.
inline QRgb* row(QImage& image, int y)
{
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}

namespace detail {

// Which pixel centres of box lie inside the shape, row by row.
class Coverage {
public:
    template <typename Inside>
    Coverage(const QImage& image, const QRectF& bounds, const Inside& inside)
        : m_box(pixelsAround(image, bounds))
        , m_scale(image.devicePixelRatio())
        , m_inside(std::size_t(std::max(0, m_box.width() * m_box.height())))
    {
        std::size_t at = 0;
        for (int y = m_box.top(); y <= m_box.bottom(); ++y) {
            for (int x = m_box.left(); x <= m_box.right(); ++x)
                m_inside[at++] = inside(centreOf(x, y, m_scale)) ? 1 : 0;
        }
    }

    const QRect& box() const { return m_box; }
    bool at(int x, int y) const
    {
        return m_inside[std::size_t((y - m_box.top()) * m_box.width() + (x - m_box.left()))] != 0;
    }

    // Whether the point one picture unit from the centre of pixel (x, y) by (dx, dy) lies inside.
    // Where that point is exactly the centre of another pixel (as at whole-number scales), the
    // answer is already known; elsewhere the shape is asked.
    template <typename Inside>
    bool neighbour(const Inside& inside, int x, int y, int dx, int dy) const
    {
        const QPointF point = centreOf(x, y, m_scale) + QPointF(dx, dy);
        const int step = int(m_scale);
        const int nx = x + dx * step;
        const int ny = y + dy * step;
        if (double(step) == m_scale && nx >= m_box.left() && nx <= m_box.right() &&
            ny >= m_box.top() && ny <= m_box.bottom()) {
            // Compared exactly: QPointF's own comparison allows for rounding.
            const QPointF centre = centreOf(nx, ny, m_scale);
            if (centre.x() == point.x() && centre.y() == point.y())
                return at(nx, ny);
        }
        return inside(point);
    }

private:
    QRect m_box;
    double m_scale;
    std::vector<unsigned char> m_inside;
};

// Colours the covered pixels that touch the outside across a side with edge, giving a closed edge
// one picture unit wide, and the other covered pixels with fill (if given).
template <typename Inside>
void draw(QImage& image, const QRectF& bounds, const Inside& inside, const QRgb* fill, QRgb edge)
{
    const Coverage coverage(image, bounds, inside);
    const QRect& box = coverage.box();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* pixels = row(image, y);
        for (int x = box.left(); x <= box.right(); ++x) {
            if (!coverage.at(x, y))
                continue;
            // The neighbours one picture unit away, so the edge keeps its width at any scale.
            const bool onEdge = !coverage.neighbour(inside, x, y, -1, 0) ||
                                !coverage.neighbour(inside, x, y, 1, 0) ||
                                !coverage.neighbour(inside, x, y, 0, -1) ||
                                !coverage.neighbour(inside, x, y, 0, 1);
            if (onEdge)
                pixels[x] = 0xff000000u | edge;
            else if (fill)
                pixels[x] = 0xff000000u | *fill;
        }
    }
}

} // namespace detail

// Colours every pixel whose centre lies in the shape.
template <typename Inside>
void fill(QImage& image, const QRectF& bounds, const Inside& inside, QRgb colour)
{
    const double scale = image.devicePixelRatio();
    const QRect box = pixelsAround(image, bounds);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* pixels = row(image, y);
        for (int x = box.left(); x <= box.right(); ++x) {
            if (inside(centreOf(x, y, scale)))
                pixels[x] = 0xff000000u | colour;
        }
    }
}

// Colours the inside pixels that touch the outside across a side, giving a closed edge one
// picture unit wide.
template <typename Inside>
void outline(QImage& image, const QRectF& bounds, const Inside& inside, QRgb colour)
{
    detail::draw(image, bounds, inside, nullptr, colour);
}

// A fill and then its outline, testing each pixel centre once.
template <typename Inside>
void fillOutlined(QImage& image, const QRectF& bounds, const Inside& inside, QRgb fill, QRgb edge)
{
    detail::draw(image, bounds, inside, &fill, edge);
}

// Colours every pixel with the colour that colourAt gives for its centre.
template <typename ColourAt> void paint(QImage& image, const ColourAt& colourAt)
{
    const double scale = image.devicePixelRatio();
    for (int y = 0; y < image.height(); ++y) {
        QRgb* pixels = row(image, y);
        for (int x = 0; x < image.width(); ++x)
            pixels[x] = 0xff000000u | colourAt(centreOf(x, y, scale));
    }
}

// A line one picture unit wide that steps one image pixel at a time along its longer direction,
// so it has no gaps.
void line(QImage& image, QPointF from, QPointF to, QRgb colour);

// Points nearer than radius to centre.
struct Disc {
    QPointF centre;
    double radius;
    QRectF bounds() const;
    bool operator()(QPointF p) const;
};

// Points nearer than radius to the segment from, to.
struct Capsule {
    QPointF from;
    QPointF to;
    double radius;
    QRectF bounds() const;
    bool operator()(QPointF p) const;
};

// Repeatable pseudo-random numbers: the same arguments always give the same value, on every
// machine, so textures and blotches never change between runs.
quint32 noise(int a, int b, quint32 seed);
double unitNoise(int a, int b, quint32 seed); // in [0, 1)

} // namespace quorvel::raster
