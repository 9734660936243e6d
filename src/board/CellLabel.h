// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>

namespace duplikon {

// The text control of a cell (Text<n>): the text of a text half, or for a
// sound half the loudspeaker, painted in the label's own text colour on its
// background, so it follows every change of the cell's colours.
class CellLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Shows the loudspeaker instead of text; crossed: the file cannot play.
    void showSound(bool crossed);
    // Back to a plain text label.
    void clearSound();
    bool showsSound() const { return m_sound; }
    bool soundCrossed() const { return m_crossed; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_sound = false;
    bool m_crossed = false;
};

} // namespace duplikon
