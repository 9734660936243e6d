// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

namespace duplikon {

// Work on the program folder, which may lie on a server that stalls: it runs
// on a thread of its own, and whoever waits for it chooses how long. Work that
// never ends keeps only its own thread.
namespace offthread {
// How many such threads are still at work (at the end of the program: the
// libraries they run in must not be unloaded under them).
int running();
void started();
void ended();
} // namespace offthread

template <typename T>
class OffThread {
public:
    OffThread() = default;
    explicit OffThread(std::function<T()> work) : m_state(std::make_shared<State>())
    {
        offthread::started();
        std::thread([state = m_state, work = std::move(work)]() mutable {
            T value = work();
            work = nullptr; // what the work held goes before the thread counts as ended
            {
                std::lock_guard<std::mutex> lock(state->mutex);
                state->value = std::move(value);
                state->done = true;
            }
            state->finished.notify_all();
            offthread::ended();
        }).detach();
    }

    bool started() const { return m_state != nullptr; }
    // Waits at most ms; true once the work is done.
    bool waitFor(int ms) const
    {
        if (!m_state)
            return false;
        std::unique_lock<std::mutex> lock(m_state->mutex);
        return m_state->finished.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_state->done; });
    }
    // The result, once waitFor said it is done.
    T result() const
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        return m_state->value;
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable finished;
        bool done = false;
        T value{};
    };
    std::shared_ptr<State> m_state;
};

} // namespace duplikon
