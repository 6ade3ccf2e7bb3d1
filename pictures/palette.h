// The named colours the pictures are painted in; exact values, since screens and tests compare
// pixels against them.
#pragma once

#include <QColor>

namespace quorvel::palette {

inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kBrightGreen = qRgb(0, 255, 0);
inline constexpr QRgb kDarkGreen = qRgb(0, 128, 0);
inline constexpr QRgb kPaleYellow = qRgb(255, 255, 128);
inline constexpr QRgb kOliveBrown = qRgb(128, 128, 0);
inline constexpr QRgb kMagenta = qRgb(255, 0, 255);
inline constexpr QRgb kLightGrey = qRgb(192, 192, 192);
inline constexpr QRgb kGrey = qRgb(128, 128, 128);
inline constexpr QRgb kBlue = qRgb(0, 0, 255);
inline constexpr QRgb kBlueViolet = qRgb(64, 0, 255);
inline constexpr QRgb kCyan = qRgb(0, 255, 255);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);
inline constexpr QRgb kRed = qRgb(255, 0, 0);

} // namespace quorvel::palette
