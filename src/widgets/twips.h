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

// A rectangle as the layout tables give it.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const TwipRect&, const TwipRect&) = default;
};

inline QRect twipsToPixelsRect(const TwipRect& r)
{
    return twipsRect(r.left, r.top, r.width, r.height);
}

} // namespace talco
