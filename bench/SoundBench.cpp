// SPDX-License-Identifier: GPL-3.0-or-later
// Sound halves: with a set-up's sounds prepared, the time from a pick-up to
// the sound's position passing 0 (playingStarted), for a WAV and an OGG file;
// also how long prepare() keeps the set-up waiting, a first play of a sound
// that was not prepared, and that a missing file never reports a start.
//   build/bench/SoundBench [repetitions]
// It needs a sound output. On a machine without a sound card a PulseAudio
// server with a null sink does: bench/null-sound.sh build/bench/SoundBench.
#include "platform/QtSound.h"

#include "ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace duplikon;

namespace {

// Plays path and waits for its start; the milliseconds, or -1 when none came
// within two seconds.
double timeToStart(QtSound &sound, const QString &path)
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
    sound.play(path);
    if (started < 0)
        loop.exec();
    QObject::disconnect(c);
    return started;
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

    clock.restart();
    sound.prepare({wav, oggPath});
    std::printf("%-34s %7.1f ms\n", "prepare (WAV + OGG)", clock.nsecsElapsed() / 1e6);
    pause(1000); // the set-up is on the screen before the child picks a cell up

    std::vector<double> wavTimes, oggTimes;
    for (int i = 0; i < repetitions; ++i) {
        for (const QString &path : {wav, oggPath}) {
            const double t = timeToStart(sound, path);
            if (t >= 0)
                (path == wav ? wavTimes : oggTimes).push_back(t);
            pause(300);
        }
    }
    report("pick-up to position > 0, WAV", wavTimes, repetitions);
    report("pick-up to position > 0, OGG", oggTimes, repetitions);

    const double unprepared = timeToStart(sound, folder.file(QStringLiteral("Neu.wav")));
    std::printf("%-34s %7.1f ms\n", "first play, WAV not prepared", unprepared);
    folder.write(QStringLiteral("Zwei.wav"), duplikon::test::toneWave(300, 880));
    clock.restart();
    sound.prepare({folder.file(QStringLiteral("Neu.wav")), folder.file(QStringLiteral("Zwei.wav")), oggPath});
    std::printf("%-34s %7.1f ms\n", "next prepare (2 WAV, 1 OGG kept)", clock.nsecsElapsed() / 1e6);
    const double missing = timeToStart(sound, folder.file(QStringLiteral("Fehlt.ogg")));
    std::printf("%-34s %s\n", "missing file", missing < 0 ? "no start reported (right)" : "START REPORTED (wrong)");
    return 0;
}
