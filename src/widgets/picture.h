#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

namespace talco {

// What a picture control draws: an image for the control's size on a screen of that scale.
class PictureSource {
public:
    virtual QImage image(QSize size, qreal ratio) = 0;

protected:
    ~PictureSource() = default;
};

// A picture control: draws its picture stretched to its size and reports the mouse.
// The picture is drawn for the widget's size and scale, so it stays sharp at any scale.
class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);

    // The source is not owned; it outlives the picture (the image list keeps it).
    void setPicture(PictureSource* source);
    PictureSource* picture() const { return m_source; }

    // A picture that acts on a click is a button, and says so to assistive technologies.
    bool isButton() const;
    // Does what a click does, for a press through the accessibility interface.
    void click() { Q_EMIT clicked(); }

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
    PictureSource* m_source = nullptr;
    bool m_pressed = false;
    bool m_afterDoubleClick = false;
};

} // namespace talco
