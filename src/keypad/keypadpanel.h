#pragma once

#include "keypad/keypad.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

namespace talco {

class ImageList;
class Picture;

// The keypad panel FrameClavier: the 19 picture keys built from the key table, their
// normal, hover and pressed pictures, and the one key that shows its hover picture.
class KeypadPanel : public QWidget {
    Q_OBJECT
public:
    KeypadPanel(Keypad& keypad, ImageList& images, QWidget* parent);

    // The base name of the key showing its hover picture, or empty.
    const QString& HoveredKey() const { return m_hoveredKey; }
    void ResetHoveredKey();

    Picture* key(KeyControl control, int index) const;
    Picture* key(const QString& base) const;
    // The key's base name: its control's prefix and index, or its own name.
    static QString baseName(const KeyDef& key) { return QString::fromUtf16(key.base); }

    // Runs after each key's action, so that the window shows the tape's new state.
    std::function<void()> afterAction;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void keyMouseMove(int slot, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void keyMouseDown(int slot);
    void keyMouseUp(int slot);
    void FrameClavier_MouseMove();

    Keypad& m_keypad;
    ImageList& m_images;
    std::array<Picture*, Keys.size()> m_keys{};
    QString m_hoveredKey;
    // Each pointer handler's own guard against running inside itself.
    std::array<bool, 6> m_moveRunning{};
    bool m_panelMoveRunning = false;
};

} // namespace talco
