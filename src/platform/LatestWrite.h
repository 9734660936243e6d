// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include <functional>
#include <memory>

namespace duplikon {

// The writes of one file in the program folder, off the user-interface thread:
// one thread writes at a time, in order, and a write still waiting is replaced
// by a newer one, so the latest content wins when a stalled server comes back.
// Whoever asks waits only as long as it chooses.
class LatestWrite {
public:
    enum class Outcome { Written, Failed, NoAnswer };
    using Work = std::function<bool(QString *error)>;

    LatestWrite();
    ~LatestWrite(); // waits for nothing

    // Hands the write over and waits at most ms for it. Failed comes with
    // the write's German reason; NoAnswer when it has not ended by then (it
    // goes on, and nothing more is said of it).
    Outcome write(Work work, int ms, QString *error);
    // At the end of the program: waits at most ms for a write still going or
    // waiting; true when none is left.
    bool finish(int ms);

private:
    struct State;
    std::shared_ptr<State> m_state;
};

} // namespace duplikon
