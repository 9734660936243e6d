// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsWriter.h"

#include <QRandomGenerator>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>

namespace duplikon {

struct ResultsWriter::State {
    struct Job {
        QString file; // <child>/<name>.jsonl
        QByteArray line;
    };
    explicit State(ResultsFolders f) : folders(std::move(f)) {}
    const ResultsFolders folders;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<Job> queue;
    bool busy = false;
    bool stopping = false;
    std::function<void()> hook;
    std::set<QString> inFallback; // files that once failed in the program folder stay in the fallback

    void run()
    {
        for (;;) {
            Job job;
            std::function<void()> slow;
            {
                std::unique_lock<std::mutex> lock(mutex);
                wake.wait(lock, [this] { return stopping || !queue.empty(); });
                if (queue.empty()) {
                    idle.notify_all();
                    return;
                }
                job = std::move(queue.front());
                queue.pop_front();
                busy = true;
                slow = hook;
            }
            if (slow)
                slow();
            write(job);
            std::lock_guard<std::mutex> lock(mutex);
            busy = false;
            if (queue.empty())
                idle.notify_all();
        }
    }

    void write(const Job &job)
    {
        bool fallback;
        {
            std::lock_guard<std::mutex> lock(mutex);
            fallback = inFallback.count(job.file) > 0;
        }
        if (!fallback && ResultsFolders::append(folders.programRoot(), job.file, job.line))
            return;
        {
            std::lock_guard<std::mutex> lock(mutex);
            inFallback.insert(job.file);
        }
        toFallback(job);
    }

    bool toFallback(const Job &job)
    {
        return folders.markFallback() && ResultsFolders::append(folders.fallbackRoot(), job.file, job.line);
    }
};

ResultsWriter::ResultsWriter(ResultsFolders folders, QString machine)
    : m_state(std::make_shared<State>(std::move(folders))), m_machine(safeFileName(machine, QStringLiteral("Rechner")))
{
    std::shared_ptr<State> state = m_state;
    std::thread([state] { state->run(); }).detach();
}

ResultsWriter::~ResultsWriter()
{
    finish(1000);
}

void ResultsWriter::setWriteHook(std::function<void()> hook)
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->hook = std::move(hook);
}

void ResultsWriter::record(const ResultEvent &event)
{
    if (!m_started || event.user != m_user) {
        m_user = event.user;
        m_started = true;
        m_file.clear();
    }
    if (event.kind == ResultEvent::TaskSet) {
        m_taskOnBoard = event;
        m_taskWritten = false;
        return;
    }
    if (m_file.isEmpty()) {
        const QDateTime now = event.time.isValid() ? event.time : QDateTime::currentDateTime();
        m_file = childFolderName(event.user) + QLatin1Char('/')
            + now.toString(QStringLiteral("yyyy-MM-dd'T'HH-mm-ss")) + QLatin1Char('-') + m_machine
            + QLatin1Char('-')
            + QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, QLatin1Char('0'))
            + QStringLiteral(".jsonl");
    }
    QByteArray lines;
    if (m_taskOnBoard && !m_taskWritten) {
        // The run's file begins with the task on the board, under the name playing it.
        ResultEvent task = *m_taskOnBoard;
        task.user = event.user;
        lines += resultLine(task);
        m_taskWritten = true;
    }
    lines += resultLine(event);
    std::lock_guard<std::mutex> lock(m_state->mutex);
    if (m_state->stopping)
        return;
    m_state->queue.push_back({m_file, lines});
    m_state->wake.notify_one();
}

bool ResultsWriter::finish(int ms)
{
    std::deque<State::Job> left;
    {
        std::unique_lock<std::mutex> lock(m_state->mutex);
        if (m_state->stopping && m_state->queue.empty())
            return !m_state->busy;
        m_state->stopping = true;
        m_state->wake.notify_one();
        m_state->idle.wait_for(lock, std::chrono::milliseconds(ms),
                               [this] { return m_state->queue.empty() && !m_state->busy; });
        left.swap(m_state->queue);
        for (const State::Job &job : left)
            m_state->inFallback.insert(job.file);
    }
    // The program folder did not answer in time: what waits goes to the fallback.
    bool all = true;
    for (const State::Job &job : left)
        all = m_state->toFallback(job) && all;
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return all && !m_state->busy;
}

} // namespace duplikon
