#pragma once

#include "app/layout.h"
#include "divers/twips.h"

namespace talco {

inline QRect twipsToPixelsRect(const TwipRect& r)
{
    return twipsRect(r.left, r.top, r.width, r.height);
}

} // namespace talco
