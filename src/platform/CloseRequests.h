// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>

namespace duplikon {

// The close box of a window always reaches it. Qt drops a window manager's
// close request (WM_DELETE_WINDOW) for a window it counts as blocked by a
// modal window, and it counts one that exists only for a moment and is never
// seen; the close request is then lost without a word. This filter takes the
// request for `window` off the X connection itself: while no modal window is
// shown it calls window->close() (its closeEvent asks as the close box does);
// while a modal box is on the screen the request is dropped, as the close box
// of a window behind a message does nothing. Elsewhere than on X11 it does
// nothing.
class CloseRequests : public QAbstractNativeEventFilter {
public:
    explicit CloseRequests(QWidget *window);
    ~CloseRequests() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    QPointer<QWidget> m_window;
    quint32 m_protocols = 0;    // the atom WM_PROTOCOLS, 0 off X11
    quint32 m_deleteWindow = 0; // the atom WM_DELETE_WINDOW
};

} // namespace duplikon
