#pragma once

#include <QWidget>

class QSvgRenderer;

namespace talco {

// A picture control: draws its picture stretched to its size and reports the mouse.
// Pictures are SVG, so they stay sharp at any scale.
class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);

    // The renderer is not owned; it outlives the picture (the image list keeps it).
    void setPicture(QSvgRenderer* renderer);
    QSvgRenderer* picture() const { return m_renderer; }

Q_SIGNALS:
    void mouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void mouseUp(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QSvgRenderer* m_renderer = nullptr;
    bool m_pressed = false;
    bool m_afterDoubleClick = false;
};

} // namespace talco
