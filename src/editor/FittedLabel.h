// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/ClickLabel.h"

namespace duplikon {

// A label of the editor's design, at its design place and size in its design
// font. A text that would not fit there (the longer words of another
// language) is drawn in a smaller size of that font rather than cut.
class FittedLabel : public ClickLabel {
public:
    using ClickLabel::ClickLabel;

    void setDesignFont(const QFont &font);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont m_design;
};

} // namespace duplikon
