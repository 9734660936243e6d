// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud through the desktop's speech service:
//   (a) making the engine: start() until the speech reports Ready, the first
//       time (the service is started with it) and again with the service
//       running;
//   (b) with the engine made, from a child's pick-up of the text cell "Hund"
//       (a mouse press on a real board, which speaks through its voice) until
//       the engine reports that it speaks (target at most 200 ms); and the
//       same from say() alone.
// Prints the median of the repetitions. Runs offscreen unless QT_QPA_PLATFORM
// says otherwise.
//   build/bench/SpeechBench [repetitions]
// The benchmark runs its own speech-dispatcher in a temporary home whose
// sound goes nowhere (libao's null driver), and ends it by the process id in
// its pid file. With --desktop it uses the session's service as it is (and
// may be heard).
#include "BenchSupport.h"
#include "board/Board.h"
#include "board/BoardVoice.h"
#include "platform/ClassroomConfig.h"
#include "platform/QtSpeech.h"

#include "FakePlatform.h"
#include "ProgramFolder.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <memory>
#include <vector>

#include <signal.h>

using namespace duplikon;

namespace {

bool write(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

// A home of the benchmark's own in which speech-dispatcher, started by the
// first engine, plays into nothing and logs what it is asked to speak.
struct QuietService {
    QTemporaryDir dir;
    QString runtime() const { return dir.filePath(QStringLiteral("run")); }

    bool prepare()
    {
        const QString home = dir.filePath(QStringLiteral("home"));
        if (!write(home + QStringLiteral("/.config/speech-dispatcher/speechd.conf"),
                   "AudioOutputMethod \"libao\"\nLogLevel 5\n")
            || !write(home + QStringLiteral("/.libao"), "default_driver=null\n")
            || !QDir().mkpath(runtime()))
            return false;
        QFile::setPermissions(runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("HOME", home.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", runtime().toLocal8Bit());
        qunsetenv("XDG_CACHE_HOME");
        return true;
    }

    // How often the service's log says that it queued text.
    int queued(const QString &text) const
    {
        QFile log(runtime() + QStringLiteral("/speech-dispatcher/log/speech-dispatcher.log"));
        if (!log.open(QIODevice::ReadOnly))
            return 0;
        return int(log.readAll().count(QStringLiteral("Queueing message |%1|").arg(text).toUtf8()));
    }

    // Ends the service: SIGTERM, then SIGKILL after three seconds.
    void end() const
    {
        QFile pidFile(runtime() + QStringLiteral("/speech-dispatcher/pid/speech-dispatcher.pid"));
        if (!pidFile.open(QIODevice::ReadOnly))
            return;
        const pid_t pid = pid_t(pidFile.readAll().trimmed().toInt());
        if (pid <= 0 || ::kill(pid, SIGTERM) != 0)
            return;
        for (int i = 0; i < 30 && ::kill(pid, 0) == 0; ++i)
            QThread::msleep(100);
        ::kill(pid, SIGKILL);
    }
};

// Runs the event loop until signal is emitted by sender or timeout ms passed;
// false on timeout.
template <class Signal>
bool waitFor(const Speech *sender, Signal signal, int timeout)
{
    QEventLoop loop;
    bool came = false;
    QObject::connect(sender, signal, &loop, [&] { came = true; loop.quit(); });
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    loop.exec();
    return came;
}

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Milliseconds from start() to Ready; negative when the speech failed.
double makeEngine(QtSpeech &speech)
{
    QElapsedTimer t;
    t.start();
    speech.start();
    if (!waitFor(&speech, &Speech::statusChanged, 60000) || speech.status() != Speech::Status::Ready)
        return -1;
    return double(t.nsecsElapsed()) / 1e6;
}

// Milliseconds from each call of act() until the engine speaks; empty when
// it once did not within five seconds.
template <class Act>
std::vector<double> untilSpeaking(Speech &speech, int times, Act act)
{
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        pause(400); // the word before has been spoken
        QElapsedTimer t;
        t.start();
        act();
        if (!waitFor(&speech, &Speech::speakingStarted, 5000))
            return {};
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return ms;
}

void report(const char *what, const std::vector<double> &ms)
{
    std::printf("%s %.1f ms (median of %d; min %.1f, max %.1f; target 200 ms)\n", what, bench::median(ms), int(ms.size()),
                *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()));
}

// A board with the task "Hund" / "Katze" whose voice speaks through speech.
struct SpeakingBoard {
    test::FakePlatform fakes;
    test::ProgramFolder folder;
    ClassroomConfig settings; // in memory only
    QWidget client;
    std::unique_ptr<Board> board;

    explicit SpeakingBoard(Speech *speech)
    {
        Platform platform = fakes.platform();
        platform.speech = speech;
        platform.sound = nullptr;
        client.resize(870, 620);
        board = std::make_unique<Board>(&client, platform);
        folder.writeTask(QStringLiteral("HUND.TXT"), {QStringLiteral("Hund"), QStringLiteral("Katze")});
        board->setProgramFolder(folder.folder());
        settings.set(config::readAloud, true, nullptr);
        board->voice()->setSettings(&settings);
        board->AufgabeLaden(duplikon::readTask(board->programFolder(), QStringLiteral("HUND.TXT")).task);
        client.show();
    }

    QLabel *cell(const QString &text) const
    {
        for (int i = 0; i < Board::kCells; ++i) {
            if (board->cellLabel(i)->isVisible() && board->cellLabel(i)->text() == text)
                return board->cellLabel(i);
        }
        return nullptr;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    bool desktop = false;
    int repetitions = 5;
    for (int i = 1; i < argc; ++i) {
        desktop = desktop || QByteArray(argv[i]) == "--desktop";
        if (QByteArray(argv[i]).toInt() > 0)
            repetitions = QByteArray(argv[i]).toInt();
    }
    // The home is set before Qt starts, so that Qt too sees the runtime folder.
    QuietService service;
    if (!desktop && !service.prepare()) {
        std::fprintf(stderr, "cannot prepare a home for speech-dispatcher\n");
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a decimal point

    std::vector<double> warm;
    double first = 0;
    QString failure;
    {
        auto speech = std::make_unique<QtSpeech>();
        first = makeEngine(*speech);
        for (int i = 0; i < repetitions && first >= 0; ++i) {
            speech = std::make_unique<QtSpeech>(); // the engine before is let go
            const double ms = makeEngine(*speech);
            if (ms < 0)
                break;
            warm.push_back(ms);
        }
        if (first < 0 || int(warm.size()) < repetitions) {
            failure = QStringLiteral("the speech engine failed (no speech-dispatcher?)");
        } else {
            std::printf("(a) making the engine: first %.0f ms (service started with it); again %.0f ms "
                        "(median of %d)\n",
                        first, bench::median(warm), repetitions);
            std::printf("    %d voices, the first: %s\n", int(speech->voices().size()),
                        qPrintable(speech->voices().value(0)));
            speech->setVoice(QString(), 0);
            SpeakingBoard board(speech.get());
            QLabel *hund = board.cell(QStringLiteral("Hund"));
            const std::vector<double> pickUp = !hund ? std::vector<double>()
                : untilSpeaking(*speech, repetitions * 2, [hund] {
                      QTest::mousePress(hund, Qt::LeftButton);
                      QTest::mouseRelease(hund, Qt::LeftButton); // dropped on itself: nothing happens
                  });
            const std::vector<double> said =
                untilSpeaking(*speech, repetitions * 2, [&speech] { speech->say(QStringLiteral("Hund")); });
            if (pickUp.empty() || said.empty()) {
                failure = QStringLiteral("the engine never reported that it speaks");
            } else {
                report("(b) pick-up on the board to the engine speaking:", pickUp);
                report("    say() to the engine speaking:", said);
            }
            if (failure.isEmpty() && !desktop)
                std::printf("    the service's log shows %d of %d texts queued\n", service.queued(QStringLiteral("Hund")),
                            repetitions * 4);
        }
    }
    if (!desktop)
        service.end();
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    return 0;
}
