// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultsFolders.h"
#include "results/ResultsSink.h"

#include <functional>
#include <memory>
#include <optional>

namespace duplikon {

// Writes events on a thread of its own: record() never waits on the disk. A
// run's file is made at its first drop; until then the task on the board is
// only kept, so a start where nobody plays leaves no file. A new user name
// ends the current file and starts another,
// Ergebnisse/<child>/<yyyy-mm-dd>T<hh-mm-ss>-<machine>-<random>.jsonl, below
// the program folder, or below the fallback folder when the program folder
// cannot be written. Each line is appended by opening, writing and closing.
class ResultsWriter : public ResultsSink {
public:
    ResultsWriter(ResultsFolders folders, QString machine);
    ~ResultsWriter() override; // finish(1000)

    // A task set is kept until the next drop or solved task, which write it
    // first (under their user name) into the file.
    void record(const ResultEvent &event) override;
    // Waits at most ms for the lines still waiting; those not written by then
    // go to the fallback folder. True when every line was written somewhere.
    // The writer takes no more events afterwards.
    bool finish(int ms);

    // For the benchmark and tests: called on the writer's thread before each
    // line is written (a slow file system).
    void setWriteHook(std::function<void()> hook);

private:
    struct State;
    std::shared_ptr<State> m_state;
    // The calling thread's part: the current file and the task on the board.
    QString m_machine;
    QString m_user;
    QString m_file; // empty until the run's first drop
    bool m_started = false;
    std::optional<ResultEvent> m_taskOnBoard;
    bool m_taskWritten = false;
};

} // namespace duplikon
