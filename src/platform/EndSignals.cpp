// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EndSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace duplikon {

namespace {

int g_pipe[2] = {-1, -1};
const int kSignals[] = {SIGTERM, SIGHUP};

void onSignal(int signal)
{
    const int saved = errno;
    const char number = char(signal);
    // Nothing else is safe here; a full pipe already holds a request to end.
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &number, 1);
    errno = saved;
}

} // namespace

EndSignals::EndSignals(QObject *parent) : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0)
        return; // one at a time; without a pipe the signals keep their usual effect
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndSignals::readPipe);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // Taken once: a second signal finds the usual effect again and ends the program.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int s : kSignals)
        ::sigaction(s, &action, nullptr);
}

EndSignals::~EndSignals()
{
    if (!m_notifier)
        return;
    for (int s : kSignals)
        std::signal(s, SIG_DFL);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void EndSignals::readPipe()
{
    char number = 0;
    while (::read(g_pipe[0], &number, 1) == 1)
        emit received(int(number));
}

} // namespace duplikon
