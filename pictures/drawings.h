// Every picture of the program, drawn in code at 1x (one image pixel to one screen pixel).
#pragma once

#include <QIcon>
#include <QImage>
#include <QRectF>

class QPainter;

namespace quorvel::drawings {

QImage leaf(int index);    // 0..15, 70 x 70, white background
QImage tube(int index);    // 0..3, 58 x 177
QImage syringe(int index); // 0..3, 84 x 80
QImage drip();             // 5 x 6

// Pictures that the screens carry themselves.
QImage blackedOutTube(); // 58 x 177, the tube outline filled black
QImage cuttingInTube();  // 154 x 296, the blacked-out tube at (47, 115) with a cutting in it
QImage ruler();          // 31 x 351, zero of the scale at the top edge
QImage programIconImage(int sizePx = 32); // transparent background
QIcon programIcon();

// The instruction arrow is a vector drawing (217 x 151 units) stretched to fill target.
void drawInstructionArrow(QPainter& painter, const QRectF& target);

} // namespace quorvel::drawings
