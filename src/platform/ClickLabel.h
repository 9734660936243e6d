// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>

namespace duplikon {

// A label that reports a click, for colour fields and labels used as buttons.
// Given the Tab focus, it shows a focus frame and Space or Enter clicks it;
// with an Alt letter (setAltLetter) the letter is underlined while Alt is held.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

public slots:
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace duplikon
