// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardAccess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionButton>

namespace duplikon {

namespace {

const char *const kAltLetterProperty = "altLetter";
bool g_altHeld = false;

// Return and Enter click the button it watches.
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat()
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (auto *button = qobject_cast<QAbstractButton *>(watched))
            button->click();
        return true;
    }
};

// Swallows the repeats of a held Space, Return or Enter.
class HeldKeyGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat())
            return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        case Qt::Key_Space:
            return !(qobject_cast<QLineEdit *>(watched) || qobject_cast<QTextEdit *>(watched)
                     || qobject_cast<QPlainTextEdit *>(watched));
        default:
            return false;
        }
    }
};

} // namespace

void ignoreHeldPressKeys()
{
    static QPointer<HeldKeyGuard> guard;
    if (guard || !qApp)
        return;
    guard = new HeldKeyGuard(qApp);
    qApp->installEventFilter(guard);
}

KeyboardStyle::KeyboardStyle()
{
    qApp->installEventFilter(this);
}

KeyboardStyle::~KeyboardStyle()
{
    g_altHeld = false;
}

bool KeyboardStyle::altHeld()
{
    return g_altHeld;
}

void KeyboardStyle::setAltHeld(bool held)
{
    if (held == g_altHeld)
        return;
    g_altHeld = held;
    // Every underlined letter appears or goes at once.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        window->update();
        for (QWidget *child : window->findChildren<QWidget *>())
            child->update();
    }
}

bool KeyboardStyle::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Alt)
            setAltHeld(true);
        else if (!(key->modifiers() & Qt::AltModifier))
            setAltHeld(false);
        break;
    }
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Alt)
            setAltHeld(false);
        break;
    case QEvent::ApplicationDeactivate:
    case QEvent::WindowDeactivate:
    case QEvent::MouseButtonPress:
        setAltHeld(false);
        break;
    default:
        break;
    }
    return QProxyStyle::eventFilter(watched, event);
}

int KeyboardStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_UnderlineShortcut:
        return g_altHeld ? 1 : 0;
    case SH_MenuBar_AltKeyNavigation:
        return 1;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

void KeyboardStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    if (g_altHeld && (element == CE_PushButtonLabel || element == CE_CheckBoxLabel)) {
        const QChar letter = altLetter(widget);
        if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option); button && !letter.isNull()) {
            QStyleOptionButton marked(*button);
            marked.text = markedCaption(button->text, letter);
            QProxyStyle::drawControl(element, &marked, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QString markedCaption(const QString &caption, QChar letter)
{
    QString marked;
    bool done = letter.isNull();
    for (QChar c : caption) {
        if (!done && c.toUpper() == letter.toUpper()) {
            marked += QLatin1Char('&');
            done = true;
        }
        marked += c;
        if (c == QLatin1Char('&'))
            marked += c;
    }
    return marked;
}

QChar altLetter(const QWidget *control)
{
    if (!control)
        return QChar();
    const QVariant v = control->property(kAltLetterProperty);
    return v.isValid() ? v.toChar() : QChar();
}

void setAltLetter(QWidget *control, QChar letter)
{
    control->setProperty(kAltLetterProperty, QVariant(letter));
    auto *shortcut = control->findChild<QShortcut *>(QString(), Qt::FindDirectChildrenOnly);
    if (!shortcut) {
        // Active while the control is visible: a parked panel's letters rest.
        shortcut = new QShortcut(control);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, control, [control] {
            if (control->focusPolicy() != Qt::NoFocus)
                control->setFocus(Qt::ShortcutFocusReason);
            QMetaObject::invokeMethod(control, "click");
        });
    }
    shortcut->setKey(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(letter.toUpper().unicode()))));
    if (qobject_cast<QPushButton *>(control))
        pressOnEnter(control);
    control->update();
}

void pressOnEnter(QWidget *button)
{
    if (button->property("pressOnEnter").toBool())
        return;
    button->setProperty("pressOnEnter", true);
    button->installEventFilter(new EnterPresses(button));
}

void installMenuKey(QMainWindow *window)
{
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    f10->setContext(Qt::WindowShortcut);
    QObject::connect(f10, &QShortcut::activated, window, [window] {
        // The menu bar enters its keyboard navigation when Alt is pressed and
        // released alone: tell it so, as the keyboard would. It remembers the
        // focused control and gives the focus back when the navigation ends.
        QWidget *to = window->focusWidget() ? window->focusWidget() : window;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QCoreApplication::sendEvent(to, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(to, &release);
    });
}

bool isPressKey(const QKeyEvent *event)
{
    const int key = event->key();
    return (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void PanelFocus::shown(QWidget *panel, QWidget *first)
{
    QWidget *focus = panel->window()->focusWidget();
    if (focus && focus != panel && !panel->isAncestorOf(focus))
        m_previous = focus;
    first->setFocus(Qt::OtherFocusReason);
}

void PanelFocus::parked(QWidget *panel)
{
    QWidget *focus = panel->window()->focusWidget();
    const bool inside = !focus || focus == panel || panel->isAncestorOf(focus);
    if (inside && m_previous && m_previous->isVisible())
        m_previous->setFocus(Qt::OtherFocusReason);
    m_previous = nullptr;
}

} // namespace duplikon
