// The wooden ruler that pupils hold against a shoot to measure it.
#include "pictures/drawings.h"

#include "model/ruler_rules.h"
#include "pictures/palette.h"
#include "pictures/raster.h"

#include <QString>
#include <cmath>

namespace quorvel::drawings {

namespace {

using namespace palette;

constexpr QSize kSize(31, 351);
constexpr int kScaleX = 13;
constexpr int kUnit = kRulerUnitPixels; // zero is the top edge
constexpr int kUnits = kRulerScaleUnits;
constexpr int kWholeTick = 18;
constexpr int kHalfTick = 9;
constexpr QPointF kHoleCentre(15.5, 339.5);
constexpr double kHoleRadius = 4.6;

constexpr QRgb kLightTan = qRgb(236, 206, 156);
constexpr QRgb kTan = qRgb(214, 172, 118);
constexpr QRgb kOrange = qRgb(226, 142, 64);
constexpr QRgb kRedBrown = qRgb(186, 74, 48);
constexpr QRgb kDarkBrown = qRgb(110, 56, 28);

// Digits five pixels wide and seven high: crisp at this size, whatever fonts the machine has.
constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr const char* kDigits[10][kGlyphHeight] = {
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"####.", "....#", "....#", ".###.", "....#", "....#", "####."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."},
};

// Writes a number whose last digit ends one pixel short of the scale line. The digits are
// pixel glyphs: drawn finer, each of their pixels becomes a block.
void label(QImage& image, int number, int top)
{
    const QString text = QString::number(number);
    int left = kScaleX - int(text.size()) * (kGlyphWidth + 1);
    for (const QChar digit : text) {
        const auto& glyph = kDigits[digit.digitValue()];
        const QRect cells(left, top, kGlyphWidth, kGlyphHeight);
        raster::fill(
            image, QRectF(cells),
            [&](QPointF p) {
                const QPoint cell(int(std::floor(p.x())), int(std::floor(p.y())));
                return cells.contains(cell) && glyph[cell.y() - top][cell.x() - left] == '#';
            },
            kBlack);
        left += kGlyphWidth + 1;
    }
}

// Grain runs the length of the ruler: each column keeps its streaks for a few pixels, with
// a sprinkling of darker specks.
QRgb woodAt(int x, int y)
{
    constexpr quint32 kSeed = 31;
    const double streak = raster::unitNoise(x, y / 6 + x * 7, kSeed);
    const double speck = raster::unitNoise(x, y, kSeed + 1);
    if (speck < 0.03)
        return kRedBrown;
    if (streak < 0.12)
        return kOrange;
    if (streak < 0.45 || speck < 0.2)
        return kTan;
    return kLightTan;
}

} // namespace

QImage ruler(double scale)
{
    QImage image = raster::canvas(kSize, kWhite, scale);
    // The grain is a texture of whole picture pixels; a finer drawing keeps the same grain.
    raster::paint(image, [](QPointF p) { return woodAt(int(p.x()), int(p.y())); });
    const QRectF board(QPointF(0, 0), kSize);
    raster::outline(
        image, board, [&](QPointF p) { return board.contains(p); }, kDarkBrown);

    const int scaleEnd = kUnits * kUnit;
    raster::line(image, QPointF(kScaleX + 0.5, 0.5), QPointF(kScaleX + 0.5, scaleEnd + 0.5),
                 kBlack);
    for (int unit = 1; unit <= kUnits; ++unit) {
        const int whole = unit * kUnit;
        const int half = whole - (kUnit + 1) / 2;
        raster::line(image, QPointF(kScaleX + 0.5, whole + 0.5),
                     QPointF(kScaleX + kWholeTick - 0.5, whole + 0.5), kBlack);
        raster::line(image, QPointF(kScaleX + 0.5, half + 0.5),
                     QPointF(kScaleX + kHalfTick - 0.5, half + 0.5), kBlack);
    }
    label(image, 0, 2);
    for (const int number : {5, 10, 15})
        label(image, number, number * kUnit - kGlyphHeight / 2);

    const raster::Disc rim{kHoleCentre, kHoleRadius + 1.0};
    const raster::Disc hole{kHoleCentre, kHoleRadius};
    raster::fill(image, rim.bounds(), rim, kDarkBrown);
    raster::fill(image, hole.bounds(), hole, kWhite);
    return image;
}

} // namespace quorvel::drawings
