#pragma once

#include <QScrollBar>

namespace talco {

// The tape's scroll bar, drawn dark to match the tape: a plain groove and a rounded
// handle that turns orange under the pointer. Painted here rather than through a style
// sheet, which would cost start-up time and memory for one control.
class TapeScrollBar : public QScrollBar {
public:
    explicit TapeScrollBar(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace talco
