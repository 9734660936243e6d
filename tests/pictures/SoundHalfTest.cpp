// SPDX-License-Identifier: GPL-3.0-or-later
// Sound halves: which names are sounds, and what a file's header says.
#include "ProgramFolder.h"

#include "pictures/SoundHalf.h"

#include <QtTest>

#include <sys/stat.h>

using namespace duplikon;
using namespace duplikon::test;

class SoundHalfTest : public QObject {
    Q_OBJECT
private slots:
    void soundNamesEndInWavOggOrMp3InAnyCase()
    {
        for (const char *name : {"Hund.wav", "Tiere\\KATZE.OGG", "a/b.Mp3", ".wav"})
            QVERIFY2(isSoundName(QString::fromLatin1(name)), name);
        for (const char *name : {"wav", "Hund.wave", "Hund.mp4", "Hund.wav ", "Hund.bmp", "Oggs", ""})
            QVERIFY2(!isSoundName(QString::fromLatin1(name)), name);
    }

    void theHeaderTellsPlayableMissingOrDamaged()
    {
        ProgramFolder pf;
        QByteArray ogg("OggS\0\x02", 6);
        ogg.append(QByteArray(30, '\0'));
        QByteArray badChannels = toneWave(10);
        badChannels[22] = 0;
        // A recorder's "JUNK" chunk of 27 bytes (padded to 28) before "fmt ".
        QByteArray junk = toneWave(10);
        junk.insert(12, QByteArray("JUNK\x1b\0\0\0", 8) + QByteArray(28, 'j'));
        const struct { const char *name; QByteArray bytes; SoundFileState state; } cases[] = {
            {"ton.wav", toneWave(10), SoundFileState::Playable},
            {"junk.wav", junk, SoundFileState::Playable},
            {"ton.ogg", ogg, SoundFileState::Playable},
            {"tag.mp3", QByteArray("ID3\x04\0\0\0\0\0\0", 10), SoundFileState::Playable},
            {"frame.mp3", QByteArray("\xFF\xFB\x90\x64", 4), SoundFileState::Playable},
            // Named as another kind: the contents count.
            {"falsch.mp3", toneWave(10), SoundFileState::Playable},
            {"leer.wav", QByteArray(), SoundFileState::Damaged},
            {"text.wav", QByteArray("Das ist kein Ton, nur Text."), SoundFileState::Damaged},
            {"kurz.wav", toneWave(10).left(30), SoundFileState::Damaged},
            {"kanal.wav", badChannels, SoundFileState::Damaged},
            {"mitte.ogg", QByteArray("OggS\0\0", 6) + QByteArray(30, '\0'), SoundFileState::Damaged},
            {"rate.mp3", QByteArray("\xFF\xFB\xF0\x64", 4), SoundFileState::Damaged},
        };
        for (const auto &c : cases) {
            pf.write(QString::fromLatin1(c.name), c.bytes);
            QVERIFY2(checkSoundFile(pf.file(QString::fromLatin1(c.name))) == c.state, c.name);
        }
        QVERIFY(checkSoundFile(pf.file(QStringLiteral("fehlt.wav"))) == SoundFileState::Missing);
        QVERIFY(checkSoundFile(QString()) == SoundFileState::Missing);
        // A folder or a pipe (with no writer, it would block) is damaged, not missing.
        pf.makeFolder(QStringLiteral("ordner.wav"));
        QVERIFY(checkSoundFile(pf.file(QStringLiteral("ordner.wav"))) == SoundFileState::Damaged);
        QCOMPARE(::mkfifo(QFile::encodeName(pf.file(QStringLiteral("pipe.wav"))).constData(), 0600), 0);
        QVERIFY(checkSoundFile(pf.file(QStringLiteral("pipe.wav"))) == SoundFileState::Damaged);
    }
};

QTEST_MAIN(SoundHalfTest)
#include "SoundHalfTest.moc"
