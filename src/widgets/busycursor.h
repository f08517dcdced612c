#pragma once

#include <QApplication>

namespace talco {

// The busy pointer for as long as it lives: from the start of a click to its end,
// cancelled dialogs and early returns included.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace talco
