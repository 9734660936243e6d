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

    // Forgets that another window was in front (the window runs its
    // activation steps itself, for instance when it is shown).
    void reset() { m_otherWindowWasActive = false; }

signals:
    void activatedAfterOtherWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    bool m_otherWindowWasActive = false;
};

} // namespace duplikon
