// Every picture of the program, drawn in code. At scale 1 one image pixel is one screen pixel;
// at scale s the same picture is drawn s times finer, into an image of s times the size whose
// device pixel ratio is s, for high-density displays. The sizes below are in picture units.
#pragma once

#include <QIcon>
#include <QImage>
#include <QRectF>

class QPainter;

namespace quorvel::drawings {

// How many pictures each array holds; the store and the words follow these.
inline constexpr int kLeafCount = 16;
inline constexpr int kTubeCount = 4;
inline constexpr int kSyringeCount = 4;

QImage leaf(int index, double scale = 1.0);    // 0..15, 70 x 70, white background
QImage tube(int index, double scale = 1.0);    // 0..3, 58 x 177
QImage syringe(int index, double scale = 1.0); // 0..3, 84 x 80
QImage drip(double scale = 1.0);               // 5 x 6

// Pictures that the screens carry themselves.
QImage blackedOutTube(double scale = 1.0); // 58 x 177, the tube outline filled black
QImage cuttingInTube(double scale = 1.0);  // 154 x 296, the blacked-out tube at (47, 115) with
                                           // a cutting in it
QImage ruler(double scale = 1.0);          // 31 x 351, zero of the scale at the top edge; its
                                           // unit is kRulerUnitPixels (model/ruler_rules.h)
QImage programIconImage(int sizePx = 32);  // transparent background
QIcon programIcon();
// The icon's shapes drawn into a sizePx square from the painter's origin: the same drawing for the
// pictures above and for a vector icon file.
void paintProgramIcon(QPainter& painter, double sizePx);

// The instruction arrow is a vector drawing (217 x 151 units) stretched to fill target.
void drawInstructionArrow(QPainter& painter, const QRectF& target);

} // namespace quorvel::drawings
