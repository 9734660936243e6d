// SPDX-License-Identifier: GPL-3.0-or-later
// Sound halves: with a set-up's sounds prepared, the time from a pick-up (a
// mouse press and release on a sound cell of a real board, which plays it
// through its voice) to the sound's position passing 0 (playingStarted), for
// a WAV, an OGG and an MP3 file; also how long prepare() keeps the set-up
// waiting, a first play of a sound that was not prepared, and that a missing
// file never reports a start. With a monitor of the output
// (bench/null-sound.sh makes one), also the time until the sound arrives
// there (the same measure for every kind, whatever each reports itself), how
// long a click lets it sound (each lasts a second), and the time from a new
// set-up with a sound picked up at once, while it is still being decoded.
//   build/bench/SoundBench [repetitions]
// It needs a sound output. On a machine without a sound card a PulseAudio
// server with a null sink does: bench/null-sound.sh build/bench/SoundBench.
#include "BenchSupport.h"
#include "board/Board.h"
#include "platform/QtSound.h"

#include "FakePlatform.h"

#include "ProgramFolder.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QMediaDevices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using namespace duplikon;

namespace {

using Play = std::function<void(const QString &path)>;

// Plays path and waits for its start; the milliseconds, or -1 when none came
// within two seconds.
double timeToStart(QtSound &sound, const QString &path, const Play &play)
{
    QEventLoop loop;
    QElapsedTimer clock;
    double started = -1;
    const auto c = QObject::connect(&sound, &SoundOutput::playingStarted, &loop, [&](const QString &p) {
        if (p == path) {
            started = clock.nsecsElapsed() / 1e6;
            loop.quit();
        }
    });
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    clock.start();
    play(path);
    if (started < 0)
        loop.exec();
    QObject::disconnect(c);
    return started;
}

// Listens to the output's monitor: when sound first arrives there after mark().
class OutputListener {
public:
    bool start()
    {
        QAudioDevice monitor;
        // Qt lists no monitor source; bench/null-sound.sh remaps the null
        // sink's monitor to an ordinary source of this name.
        for (const QAudioDevice &d : QMediaDevices::audioInputs())
            if (d.id() == "abhoeren")
                monitor = d;
        if (monitor.isNull())
            return false;
        QAudioFormat format;
        format.setSampleRate(kRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_source = std::make_unique<QAudioSource>(monitor, format);
        m_source->setBufferSize(kRate / 100 * 2); // 10 ms
        m_io = m_source->start();
        if (!m_io)
            return false;
        QObject::connect(m_io, &QIODevice::readyRead, [this] { read(); });
        return true;
    }
    void mark()
    {
        m_io->readAll();
        m_heard = -1;
        m_clock.start();
    }
    double heard() const { return m_heard; }
    // From the first loud sample after mark() to the last one so far.
    double heardFor() const { return m_heard < 0 ? 0 : m_last - m_heard; }

private:
    static constexpr int kRate = 48000;
    void read()
    {
        const QByteArray data = m_io->readAll();
        if (!m_clock.isValid())
            return;
        const auto *samples = reinterpret_cast<const qint16 *>(data.constData());
        const int n = int(data.size() / 2);
        const double now = m_clock.nsecsElapsed() / 1e6;
        for (int i = 0; i < n; ++i) {
            if (std::abs(samples[i]) > 500) {
                // The samples after a loud one arrived later than it.
                const double at = now - (n - i) * 1000.0 / kRate;
                if (m_heard < 0)
                    m_heard = at;
                m_last = at;
            }
        }
    }
    std::unique_ptr<QAudioSource> m_source;
    QIODevice *m_io = nullptr;
    QElapsedTimer m_clock;
    double m_heard = -1;
    double m_last = -1;
};

void pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Plays path after silence and waits until the monitor hears it.
double timeToHear(const QString &path, const Play &play, OutputListener &listener)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (listener.heard() >= 0)
            loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    poll.start(1);
    listener.mark();
    play(path);
    loop.exec();
    return listener.heard();
}

// How long the monitor hears path after a pick-up (both test sounds last a
// second): a sound cut off by the release of the click is short.
double lengthHeard(const QString &path, const Play &play, OutputListener &listener)
{
    listener.mark();
    play(path);
    pause(1500);
    return listener.heardFor();
}

void report(const QByteArray &what, const std::vector<double> &times, int tries)
{
    if (times.empty()) {
        std::printf("%-34s no start in %d tries\n", what.constData(), tries);
        return;
    }
    std::printf("%-34s median %7.1f ms  min %7.1f  max %7.1f  (%zu of %d started)\n", what.constData(), bench::median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()),
                times.size(), tries);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 15;

    duplikon::test::ProgramFolder folder;
    folder.write(QStringLiteral("Ton.wav"), duplikon::test::toneWave(1000));
    for (const char *name : {"Ton.ogg", "Ton.mp3"}) {
        QFile file(QStringLiteral(DUPLIKON_SOURCE_DIR "/tests/data/sounds/") + QLatin1String(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "SoundBench: %s not found\n", qPrintable(file.fileName()));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        folder.write(QLatin1String(name), bytes);
        folder.write(QStringLiteral("Neu-") + QLatin1String(name), bytes);
    }
    folder.write(QStringLiteral("Neu.wav"), duplikon::test::toneWave(500, 440));
    struct Kind {
        const char *name;
        QString path;
        std::vector<double> started, heard;
    };
    std::vector<Kind> kinds;
    for (const char *name : {"WAV", "OGG", "MP3"})
        kinds.push_back({name, folder.file(QStringLiteral("Ton.") + QString::fromLatin1(name).toLower()), {}, {}});
    const auto label = [](const char *what, const Kind &kind) { return QByteArray(what) + ", " + kind.name; };

    QElapsedTimer clock;
    clock.start();
    QtSound sound;
    std::printf("%-34s %7.1f ms\n", "making QtSound", clock.nsecsElapsed() / 1e6);

    // A board whose voice plays through the sound output.
    duplikon::test::FakePlatform fakes;
    Platform platform = fakes.platform();
    platform.speech = nullptr;
    platform.sound = &sound;
    QWidget client;
    client.resize(870, 620);
    Board board(&client, platform);
    folder.writeTask(QStringLiteral("TOENE.TXT"),
                     {QStringLiteral("Ton.wav"), QStringLiteral("Hund"), QStringLiteral("Ton.ogg"), QStringLiteral("Katze"),
                      QStringLiteral("Ton.mp3"), QStringLiteral("Maus")});
    board.setProgramFolder(folder.folder());
    clock.restart();
    board.AufgabeLaden(duplikon::readTask(board.programFolder(), QStringLiteral("TOENE.TXT")).task);
    std::printf("%-34s %7.1f ms\n", "set-up with a WAV, OGG and MP3", clock.nsecsElapsed() / 1e6);
    client.show();
    pause(1000); // the set-up is on the screen before the child picks a cell up
    const Play pickUp = [&board](const QString &path) {
        for (int i = 0; i < Board::kCells; ++i) {
            if (board.state()->cell(i).soundFile == path) {
                QTest::mousePress(board.cellLabel(i), Qt::LeftButton, {}, QPoint(20, 20));
                QTest::mouseRelease(board.cellLabel(i), Qt::LeftButton, {}, QPoint(20, 20));
                return;
            }
        }
        std::fprintf(stderr, "SoundBench: no cell plays %s\n", qPrintable(path));
    };
    const Play play = [&sound](const QString &path) { sound.play(path); };

    for (int i = 0; i < repetitions; ++i) {
        for (Kind &kind : kinds) {
            const double t = timeToStart(sound, kind.path, pickUp);
            if (t >= 0)
                kind.started.push_back(t);
            pause(300);
        }
    }
    for (const Kind &kind : kinds)
        report(label("pick-up to position > 0", kind), kind.started, repetitions);

    OutputListener listener;
    if (listener.start()) {
        pause(1500); // the monitor's first samples come late: the first pick-up would wait for them
        for (int i = 0; i < repetitions; ++i) {
            for (Kind &kind : kinds) {
                sound.stop();
                pause(500);
                const double t = timeToHear(kind.path, pickUp, listener);
                if (t >= 0)
                    kind.heard.push_back(t);
            }
        }
        sound.stop();
        for (const Kind &kind : kinds)
            report(label("pick-up to sound at output", kind), kind.heard, repetitions);
        for (const Kind &kind : kinds) {
            pause(500);
            std::printf("%-34s %7.1f ms of 1000\n", label("heard after a click", kind).constData(),
                        lengthHeard(kind.path, pickUp, listener));
        }
        // A board set up anew and a sound picked up at once: it plays as
        // soon as it is decoded.
        folder.writeTask(QStringLiteral("NEU.TXT"), {QStringLiteral("Neu-Ton.ogg"), QStringLiteral("Hund"),
                                                     QStringLiteral("Neu-Ton.mp3"), QStringLiteral("Katze")});
        for (const char *name : {"Neu-Ton.ogg", "Neu-Ton.mp3"}) {
            sound.stop();
            board.AufgabeLaden(duplikon::readTask(board.programFolder(), QStringLiteral("TOENE.TXT")).task);
            pause(500);
            board.AufgabeLaden(duplikon::readTask(board.programFolder(), QStringLiteral("NEU.TXT")).task);
            const double t = timeToHear(folder.file(QLatin1String(name)), pickUp, listener);
            std::printf("%-34s %7.1f ms\n", QByteArray("set-up to sound at output, ").append(name).constData(), t);
        }
        sound.stop();
    } else {
        std::printf("(no monitor of the output: the time until it sounds is not measured)\n");
    }

    const double unprepared = timeToStart(sound, folder.file(QStringLiteral("Neu.wav")), play);
    std::printf("%-34s %7.1f ms\n", "first play, WAV not prepared", unprepared);
    folder.write(QStringLiteral("Zwei.wav"), duplikon::test::toneWave(300, 880));
    clock.restart();
    sound.prepare({folder.file(QStringLiteral("Neu.wav")), folder.file(QStringLiteral("Zwei.wav")), kinds[1].path});
    std::printf("%-34s %7.1f ms\n", "next prepare (2 WAV, 1 OGG kept)", clock.nsecsElapsed() / 1e6);
    const double missing = timeToStart(sound, folder.file(QStringLiteral("Fehlt.ogg")), play);
    std::printf("%-34s %s\n", "missing file", missing < 0 ? "no start reported (right)" : "START REPORTED (wrong)");
    return 0;
}
