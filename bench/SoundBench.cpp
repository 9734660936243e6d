// SPDX-License-Identifier: GPL-3.0-or-later
// Sound halves: with a set-up's sounds prepared, the time from a pick-up (a
// mouse press on a sound cell of a real board, which plays it through its
// voice) to the sound's position passing 0 (playingStarted), for a WAV and an OGG file;
// also how long prepare() keeps the set-up waiting, a first play of a sound
// that was not prepared, and that a missing file never reports a start.
// With a monitor of the output (bench/null-sound.sh makes one), also the time
// until the sound arrives there: the same measure for both kinds, whatever
// each reports itself.
//   build/bench/SoundBench [repetitions]
// It needs a sound output. On a machine without a sound card a PulseAudio
// server with a null sink does: bench/null-sound.sh build/bench/SoundBench.
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

private:
    static constexpr int kRate = 48000;
    void read()
    {
        const QByteArray data = m_io->readAll();
        if (m_heard >= 0 || !m_clock.isValid())
            return;
        const auto *samples = reinterpret_cast<const qint16 *>(data.constData());
        const int n = int(data.size() / 2);
        for (int i = 0; i < n; ++i) {
            if (std::abs(samples[i]) > 500) {
                // The samples after the first loud one arrived later than it.
                m_heard = m_clock.nsecsElapsed() / 1e6 - (n - i) * 1000.0 / kRate;
                return;
            }
        }
    }
    std::unique_ptr<QAudioSource> m_source;
    QIODevice *m_io = nullptr;
    QElapsedTimer m_clock;
    double m_heard = -1;
};

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

void pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void report(const char *what, const std::vector<double> &times, int tries)
{
    if (times.empty()) {
        std::printf("%-34s no start in %d tries\n", what, tries);
        return;
    }
    std::printf("%-34s median %7.1f ms  min %7.1f  max %7.1f  (%zu of %d started)\n", what, median(times),
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
    QFile ogg(QStringLiteral(DUPLIKON_SOURCE_DIR "/tests/data/sounds/Ton.ogg"));
    if (!ogg.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "SoundBench: %s not found\n", qPrintable(ogg.fileName()));
        return 1;
    }
    folder.write(QStringLiteral("Ton.ogg"), ogg.readAll());
    folder.write(QStringLiteral("Neu.wav"), duplikon::test::toneWave(500, 440));
    const QString wav = folder.file(QStringLiteral("Ton.wav"));
    const QString oggPath = folder.file(QStringLiteral("Ton.ogg"));

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
    folder.writeTask(QStringLiteral("TOENE.TXT"), {QStringLiteral("Ton.wav"), QStringLiteral("Hund"),
                                                   QStringLiteral("Ton.ogg"), QStringLiteral("Katze")});
    board.setProgramFolder(folder.folder());
    clock.restart();
    board.AufgabeLaden(QStringLiteral("TOENE.TXT"));
    std::printf("%-34s %7.1f ms\n", "set-up with a WAV and an OGG", clock.nsecsElapsed() / 1e6);
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

    std::vector<double> wavTimes, oggTimes;
    for (int i = 0; i < repetitions; ++i) {
        for (const QString &path : {wav, oggPath}) {
            const double t = timeToStart(sound, path, pickUp);
            if (t >= 0)
                (path == wav ? wavTimes : oggTimes).push_back(t);
            pause(300);
        }
    }
    report("pick-up to position > 0, WAV", wavTimes, repetitions);
    report("pick-up to position > 0, OGG", oggTimes, repetitions);

    OutputListener listener;
    if (listener.start()) {
        std::vector<double> wavHeard, oggHeard;
        for (int i = 0; i < repetitions; ++i) {
            for (const QString &path : {wav, oggPath}) {
                sound.stop();
                pause(500);
                const double t = timeToHear(path, pickUp, listener);
                if (t >= 0)
                    (path == wav ? wavHeard : oggHeard).push_back(t);
            }
        }
        sound.stop();
        report("pick-up to sound at output, WAV", wavHeard, repetitions);
        report("pick-up to sound at output, OGG", oggHeard, repetitions);
    } else {
        std::printf("(no monitor of the output: the time until it sounds is not measured)\n");
    }

    const double unprepared = timeToStart(sound, folder.file(QStringLiteral("Neu.wav")), play);
    std::printf("%-34s %7.1f ms\n", "first play, WAV not prepared", unprepared);
    folder.write(QStringLiteral("Zwei.wav"), duplikon::test::toneWave(300, 880));
    clock.restart();
    sound.prepare({folder.file(QStringLiteral("Neu.wav")), folder.file(QStringLiteral("Zwei.wav")), oggPath});
    std::printf("%-34s %7.1f ms\n", "next prepare (2 WAV, 1 OGG kept)", clock.nsecsElapsed() / 1e6);
    const double missing = timeToStart(sound, folder.file(QStringLiteral("Fehlt.ogg")), play);
    std::printf("%-34s %s\n", "missing file", missing < 0 ? "no start reported (right)" : "START REPORTED (wrong)");
    return 0;
}
