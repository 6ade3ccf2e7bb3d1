// Pixel-exact drawing helpers: shapes are tested at pixel centres, so no edge ever blends colours.
// Every helper works in picture units on an image of any device pixel ratio: at a ratio of 2 a
// picture unit covers 2 x 2 image pixels, and the shapes are tested at the finer pixel centres,
// so a high-density picture is drawn sharp rather than enlarged.
#pragma once

#include "pictures/palette.h"

#include <QImage>
#include <QPointF>
#include <functional>

namespace quorvel::raster {

// A shape given by whether a point (in pixel units, pixel centres at .5) lies inside it.
using Region = std::function<bool(QPointF)>;

// An opaque picture of the given size in picture units, all one colour, drawn at scale (its
// device pixel ratio): size times scale image pixels, rounded down.
QImage canvas(QSize size, QRgb colour = palette::kWhite, double scale = 1.0);

// Colours every pixel whose centre lies in the region.
void fill(QImage& image, const Region& region, QRgb colour);
// Colours every pixel with the colour that colourAt gives for its centre.
void paint(QImage& image, const std::function<QRgb(QPointF)>& colourAt);
// Colours the inside pixels that touch the outside across a side, giving a closed edge one
// picture unit wide.
void outline(QImage& image, const Region& region, QRgb colour);
// A line one picture unit wide that steps one image pixel at a time along its longer direction,
// so it has no gaps.
void line(QImage& image, QPointF from, QPointF to, QRgb colour);

Region disc(QPointF centre, double radius);
Region capsule(QPointF from, QPointF to, double radius);

// Repeatable pseudo-random numbers: the same arguments always give the same value, on every
// machine, so textures and blotches never change between runs.
quint32 noise(int a, int b, quint32 seed);
double unitNoise(int a, int b, quint32 seed); // in [0, 1)

} // namespace quorvel::raster
