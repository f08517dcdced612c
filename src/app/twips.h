#pragma once

#include "app/layout.h"

#include <QRect>

#include <cmath>

namespace talco {

// 15 twips make one logical pixel; Qt's own scaling takes it from there.
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

inline QRect twipsToPixelsRect(const TwipRect& r)
{
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                 twipsToPixels(r.height));
}

} // namespace talco
