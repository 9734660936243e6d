// SPDX-License-Identifier: GPL-3.0-or-later
#include "Results.h"

#include "pictures/PictureImport.h"
#include "platform/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>

namespace duplikon {

namespace {

// Appends bytes to path, making its folder when needed.
bool appendTo(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly | QIODevice::Append))
            return false;
    }
    const bool written = file.write(bytes) == bytes.size();
    const bool flushed = file.flush();
    file.close();
    return written && flushed && file.error() == QFileDevice::NoError;
}

// Any text made safe for a file name by the pictures' name rule.
QString safeName(const QString &text, const QString &fallback)
{
    QString plain = text;
    plain.replace(QLatin1Char('/'), QLatin1Char(' ')).replace(QLatin1Char('\\'), QLatin1Char(' '));
    // The rule strips an ending; this one keeps a dot in the text from being taken for it.
    return importBaseName(plain + QStringLiteral(".x"), fallback);
}

} // namespace

QString childFolderName(const QString &name)
{
    const QString safe = safeName(name, QStringLiteral("Kind"));
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).toHex();
    return safe + QLatin1Char('-') + QString::fromLatin1(hash.left(8));
}

QString resultsFallbackFolder(const QString &programFolder)
{
    const QString absolute = QDir(programFolder).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/duplikon/Ergebnisse/") + childFolderName(absolute);
}

QString resultsCacheFile(const QString &programFolder)
{
    const QString absolute = QDir(programFolder).absolutePath();
    const QByteArray hash = QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/duplikon/ergebnisse-") + QString::fromLatin1(hash.left(16)) + QStringLiteral(".cache");
}

// ---------------------------------------------------------------------------

struct ResultsWriter::State {
    struct Job {
        QString file; // <child>/<name>.jsonl
        QByteArray line;
    };
    QString programRoot;   // <program folder>/Ergebnisse
    QString fallbackRoot;
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
        if (!fallback && appendTo(programRoot + QLatin1Char('/') + job.file, job.line))
            return;
        {
            std::lock_guard<std::mutex> lock(mutex);
            inFallback.insert(job.file);
        }
        appendTo(fallbackRoot + QLatin1Char('/') + job.file, job.line);
    }
};

ResultsWriter::ResultsWriter(QString programFolder, QString fallbackFolder, QString machine, QObject *parent)
    : QObject(parent), m_state(std::make_shared<State>())
{
    m_state->programRoot = QDir(programFolder).filePath(QStringLiteral("Ergebnisse"));
    m_state->fallbackRoot = fallbackFolder;
    m_machine = safeName(machine, QStringLiteral("Rechner"));
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
    const bool newFile = !m_started || event.user != m_user;
    if (newFile) {
        const QDateTime now = event.time.isValid() ? event.time : QDateTime::currentDateTime();
        m_user = event.user;
        m_started = true;
        m_file = childFolderName(event.user) + QLatin1Char('/')
            + now.toString(QStringLiteral("yyyy-MM-dd'T'HH-mm-ss")) + QLatin1Char('-') + m_machine
            + QLatin1Char('-')
            + QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, QLatin1Char('0'))
            + QStringLiteral(".jsonl");
    }
    QByteArray lines;
    if (event.kind == ResultEvent::TaskSet) {
        m_taskOnBoard = event;
    } else if (newFile && m_taskOnBoard) {
        // A name typed over a task already set up: the new file begins with that task.
        ResultEvent task = *m_taskOnBoard;
        task.user = event.user;
        task.time = event.time;
        lines += resultLine(task);
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
        all = appendTo(m_state->fallbackRoot + QLatin1Char('/') + job.file, job.line) && all;
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return all && !m_state->busy;
}

int ResultsWriter::moveFallback(const QString &programFolder, const QString &fallbackFolder)
{
    if (fallbackFolder.isEmpty() || !QFileInfo(fallbackFolder).isDir())
        return 0;
    const QString programRoot = QDir(programFolder).filePath(QStringLiteral("Ergebnisse"));
    if (!QDir().mkpath(programRoot) || !QFileInfo(programRoot).isWritable())
        return 0;
    int failed = 0;
    const QDir fallback(fallbackFolder);
    QDirIterator it(fallbackFolder, {QStringLiteral("*.jsonl")}, QDir::Files | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = fallback.relativeFilePath(path);
        const QString target = programRoot + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(target).path());
        // Part of a file may have reached the program folder before it failed:
        // the rest is appended to it.
        bool moved = false;
        if (!QFileInfo::exists(target)) {
            moved = QFile::rename(path, target);
        }
        if (!moved) {
            QByteArray bytes;
            QString error;
            moved = readRegularFile(path, qint64(1) << 30, &bytes, &error) && appendTo(target, bytes)
                && QFile::remove(path);
        }
        if (!moved)
            ++failed;
    }
    return failed;
}

} // namespace duplikon
