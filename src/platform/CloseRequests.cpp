// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CloseRequests.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWindow>

#ifdef DUPLIKON_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include <cstdlib>

namespace duplikon {

namespace {
#ifdef DUPLIKON_HAVE_XCB
quint32 internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const quint32 atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}
#endif

// A modal window the user can see: a message or input box on the screen.
bool modalShown()
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && modal->isVisible();
}
} // namespace

CloseRequests::CloseRequests(QWidget *window) : m_window(window)
{
#ifdef DUPLIKON_HAVE_XCB
    auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    m_protocols = internAtom(x11->connection(), "WM_PROTOCOLS");
    m_deleteWindow = internAtom(x11->connection(), "WM_DELETE_WINDOW");
    QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

CloseRequests::~CloseRequests()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool CloseRequests::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result)
{
    Q_UNUSED(result);
#ifdef DUPLIKON_HAVE_XCB
    if (!m_protocols || !m_deleteWindow || !m_window || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *request = reinterpret_cast<const xcb_client_message_event_t *>(event);
    const QWindow *handle = m_window->windowHandle();
    if (request->format != 32 || !handle || request->window != handle->winId() || request->type != m_protocols
        || request->data.data32[0] != m_deleteWindow)
        return false;
    if (!modalShown()) {
        // Once the event in hand is done, as the close box's own request would be.
        QPointer<QWidget> window = m_window;
        QMetaObject::invokeMethod(
            window, [window] {
                if (window && !modalShown())
                    window->close();
            },
            Qt::QueuedConnection);
    }
    return true;
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    return false;
#endif
}

} // namespace duplikon
