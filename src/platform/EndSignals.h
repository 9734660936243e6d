// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

class QSocketNotifier;

namespace duplikon {

// SIGTERM (a logout, a shutdown) and SIGHUP (the terminal closed) reach the
// program as an event of its loop: the handler only writes the signal's number
// into a pipe, and received() comes from the loop, between two events, never
// in the middle of one. A second such signal ends the program at once, as it
// would without this.
class EndSignals : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(QObject *parent = nullptr);
    ~EndSignals() override; // the signals end the program at once again

signals:
    void received(int signal);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace duplikon
