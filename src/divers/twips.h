#pragma once

#include <QRect>

#include <cmath>

namespace talco {

// Window geometry is designed in twips; 15 make one logical pixel, and Qt's own
// scaling takes it from there.
inline constexpr int TwipsPerPixel = 15;

// Conversions round to the nearest, halves to even.
inline int twipsToPixels(int twips)
{
    return int(std::nearbyint(double(twips) / TwipsPerPixel));
}

inline int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace talco
