#pragma once

class QWidget;

namespace talco {

// Moving a borderless window by one of its pictures: the point that was grabbed stays
// under the pointer. Where the platform refuses programmatic moves (Wayland), the
// press hands the drag to the window manager instead.
class WindowDrag {
public:
    void press(QWidget* window);
    void move(QWidget* window);
    void release() { m_dragging = false; }
    bool dragging() const { return m_dragging; }

private:
    bool m_dragging = false;
    bool m_moving = false; // a move runs: the one that the move itself may cause waits
    int m_offsetX = 0;     // twips: cursor minus the window's left edge
    int m_offsetY = 0;
};

// Resizing a borderless window by its bottom border: the bottom edge follows the pointer
// itself, not the point that was grabbed, and stops above the minimum height.
class HeightDrag {
public:
    explicit HeightDrag(int minHeightTwips) : m_minHeight(minHeightTwips) {}

    void press() { m_dragging = true; }
    void move(QWidget* window);
    void release() { m_dragging = false; }

private:
    int m_minHeight;
    bool m_dragging = false;
    bool m_moving = false;
};

} // namespace talco
