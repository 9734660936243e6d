// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LatestWrite.h"
#include "platform/OffThread.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace duplikon {

struct LatestWrite::State {
    std::mutex mutex;
    std::condition_variable ended;
    Work waiting;              // the newest write not begun yet
    quint64 handedOver = 0;    // number of the newest write handed over
    quint64 waitingNumber = 0; // number of the write in `waiting`
    quint64 done = 0;          // number of the last write that ended
    bool doneOk = false;
    QString doneError;
    bool writing = false;      // the writing thread is at work

    void run()
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (waiting) {
            Work work = std::move(waiting);
            waiting = nullptr;
            const quint64 number = waitingNumber;
            lock.unlock();
            QString error;
            const bool ok = work(&error);
            work = nullptr;
            lock.lock();
            done = number;
            doneOk = ok;
            doneError = error;
            ended.notify_all();
        }
        writing = false;
        ended.notify_all();
    }
};

LatestWrite::LatestWrite() : m_state(std::make_shared<State>()) {}

LatestWrite::~LatestWrite() = default;

LatestWrite::Outcome LatestWrite::write(Work work, int ms, QString *error)
{
    std::unique_lock<std::mutex> lock(m_state->mutex);
    const quint64 number = ++m_state->handedOver;
    m_state->waiting = std::move(work);
    m_state->waitingNumber = number;
    if (!m_state->writing) {
        m_state->writing = true;
        offthread::started();
        std::thread([state = m_state] {
            state->run();
            offthread::ended();
        }).detach();
    }
    if (!m_state->ended.wait_for(lock, std::chrono::milliseconds(ms), [&] { return m_state->done >= number; }))
        return Outcome::NoAnswer;
    if (m_state->doneOk)
        return Outcome::Written;
    if (error)
        *error = m_state->doneError;
    return Outcome::Failed;
}

bool LatestWrite::finish(int ms)
{
    std::unique_lock<std::mutex> lock(m_state->mutex);
    return m_state->ended.wait_for(lock, std::chrono::milliseconds(ms), [&] { return !m_state->writing; });
}

} // namespace duplikon
