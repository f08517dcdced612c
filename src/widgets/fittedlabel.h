#pragma once

#include <QFont>
#include <QLabel>

#include <tuple>

namespace talco {

// A one-line label whose text shrinks, in quarter points down to 4 points, until it fits
// its width: the designed face is not on every system. The size is worked out
// when the text is drawn, as a plain label lays out its text, and again only after the
// width, the text or the font has changed.
class FittedLabel : public QLabel {
public:
    using QLabel::QLabel;

    // The font the text is drawn in.
    QFont fittedFont();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont m_fitted;
    std::tuple<int, QString, QFont> m_fittedFor{-1, {}, {}};
};

} // namespace talco
