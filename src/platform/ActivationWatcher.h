// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QPointer>

class QWidget;

namespace duplikon {

// Notices when a window of the program comes to the front after another
// window of the program was in front: returning from the editor or the check
// window. Message boxes, input boxes, menus and other pop-ups do not count as
// windows here, so closing one brings no activation.
class ActivationWatcher : public QObject {
    Q_OBJECT
public:
    explicit ActivationWatcher(QWidget *window);

    // Forgets that another window was in front: the window has just been
    // shown and runs its activation steps itself. Until the window system
    // activates it, another window that comes to the front on the way (the
    // check window, when the editor goes) does not count either.
    void reset();

signals:
    void activatedAfterOtherWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    bool m_otherWindowWasActive = false;
    bool m_awaitingOwnActivation = false;
};

} // namespace duplikon
