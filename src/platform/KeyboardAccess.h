// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPointer>
#include <QProxyStyle>

class QKeyEvent;
class QMainWindow;

namespace duplikon {

// The program's style: the platform's own, with two keyboard habits of the
// classic desktop. Underlined letters (menus, and the Alt letters of buttons
// and check boxes) show only while Alt is held, so captions read without underlines;
// and Alt alone, or F10, puts the menu bar into keyboard navigation.
class KeyboardStyle : public QProxyStyle {
    Q_OBJECT
public:
    KeyboardStyle();
    ~KeyboardStyle() override;

    // Whether an Alt key is held down in a window of the program right now.
    static bool altHeld();

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setAltHeld(bool held);
};

// Gives a control a letter that triggers it together with Alt, as a click
// does, while the control is visible. Its caption stays unchanged: the letter
// is underlined where it first occurs in the caption, only while Alt is held.
// Calling it again changes the letter. Works for buttons, check boxes and
// ClickLabels (anything with a click() slot).
void setAltLetter(QWidget *control, QChar letter);
// The letter given by setAltLetter, or a null QChar.
QChar altLetter(const QWidget *control);
// The caption with "&" before the first occurrence of the letter (and any
// "&" of the caption doubled), as Qt draws a mnemonic; without the letter,
// the caption with its "&" doubled.
QString markedCaption(const QString &caption, QChar letter);

// Space, Return or Enter without Shift, Ctrl or Alt: the keys that press a
// focused control or choose a focused entry.
bool isPressKey(const QKeyEvent *event);

// From now on, in every window of the program, a held Space, Return or Enter
// (the key's auto-repeat) chooses no entry, loads no task and presses no
// button: only the first press counts. A held Space still types blanks into a
// text field; the arrow keys repeat as usual. Calling it again does nothing.
void ignoreHeldPressKeys();

// Return and Enter press a focused push button, as Space does.
void pressOnEnter(QWidget *button);

// F10 opens the window's menu bar for keyboard navigation (first menu
// highlighted, arrows, Enter, Escape), as Alt alone does.
void installMenuKey(QMainWindow *window);

// A panel that takes the keyboard focus when it is shown (first: its first
// control) and gives it back to the control that had it when it is parked.
// shown() comes after the panel is visible, parked() before it is hidden.
class PanelFocus {
public:
    void shown(QWidget *panel, QWidget *first);
    void parked(QWidget *panel);

private:
    QPointer<QWidget> m_previous;
};

} // namespace duplikon
