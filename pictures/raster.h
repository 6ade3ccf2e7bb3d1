// Pixel-exact drawing helpers: shapes are tested at pixel centres, so no edge ever blends colours.
#pragma once

#include "pictures/palette.h"

#include <QImage>
#include <QPointF>
#include <functional>

namespace quorvel::raster {

// A shape given by whether a point (in pixel units, pixel centres at .5) lies inside it.
using Region = std::function<bool(QPointF)>;

// An opaque picture of the given size, all one colour.
QImage canvas(QSize size, QRgb colour = palette::kWhite);

// Colours every pixel whose centre lies in the region.
void fill(QImage& image, const Region& region, QRgb colour);
// Colours the inside pixels that touch the outside across a side, giving a closed 1 px edge.
void outline(QImage& image, const Region& region, QRgb colour);
// A 1 px line that steps one pixel at a time along its longer direction, so it has no gaps.
void line(QImage& image, QPointF from, QPointF to, QRgb colour);

Region disc(QPointF centre, double radius);
Region capsule(QPointF from, QPointF to, double radius);

// Repeatable pseudo-random numbers: the same arguments always give the same value, on every
// machine, so textures and blotches never change between runs.
quint32 noise(int a, int b, quint32 seed);
double unitNoise(int a, int b, quint32 seed); // in [0, 1)

} // namespace quorvel::raster
