// SPDX-License-Identifier: GPL-3.0-or-later
// The settings added to the design: which file wins, what an administrator
// fixes, damaged files, and storing a user's value.
#include "platform/ExtraSettings.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {
void write(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
}

// A user's file and two administrators' files in a temporary folder.
struct Files {
    QTemporaryDir dir;
    ExtraSettingsFiles files{dir.filePath(QStringLiteral("home/duplikon.conf")),
                             {dir.filePath(QStringLiteral("xdg1/duplikon.conf")), dir.filePath(QStringLiteral("xdg2/duplikon.conf"))}};
    QString user() const { return files.user; }
    QString admin(int i) const { return files.system.at(i); }
    QByteArray userBytes() const
    {
        QFile f(user());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
} // namespace

class ExtraSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void precedenceFromDefaultToFixedValue()
    {
        Files f;
        ExtraSettingsValues v = readExtraSettings(f.files);
        QVERIFY(!v.tapPlay && !v.tapPlayFixed && !v.windowSizeFixed && !v.editorOff && !v.settingsOff);
        QCOMPARE(v.windowSize, WindowSize::Normal);
        // An administrator's defaults: the earlier folder wins; locks count only in [Fest].
        write(f.admin(1), "[Duplikon]\nAntippen=true\nFenstergroesse=150\n");
        write(f.admin(0), "[Duplikon]\nFenstergroesse=200\nEditorAus=true\n");
        v = readExtraSettings(f.files);
        QVERIFY(v.tapPlay && !v.tapPlayFixed && !v.editorOff);
        QCOMPARE(v.windowSize, WindowSize::Double);
        // The user's values beat them; a [Fest] of the user's own is ignored.
        write(f.user(), "[Duplikon]\nAntippen=false\nFenstergroesse=bildschirm\n"
                          "[Fest]\nAntippen=true\nEditorAus=true\nEinstellungenAus=true\n");
        v = readExtraSettings(f.files);
        QVERIFY(!v.tapPlay && !v.tapPlayFixed && !v.editorOff && !v.settingsOff);
        QCOMPARE(v.windowSize, WindowSize::Screen);
        // Fixed values beat everything, the earlier folder first; a value that
        // is none of the key's values fixes nothing.
        write(f.admin(1), "[Fest]\nFenstergroesse=100\nAntippen=ja\nEinstellungenAus=true\n");
        write(f.admin(0), "[Fest]\nFenstergroesse=150\nEditorAus=true\n");
        v = readExtraSettings(f.files);
        QVERIFY(!v.tapPlay && !v.tapPlayFixed && v.windowSizeFixed && v.editorOff && v.settingsOff);
        QCOMPARE(v.windowSize, WindowSize::OneAndAHalf);
    }

    void readingAloudWithVoiceAndTempoAndTheQuietLocks()
    {
        Files f;
        write(f.user(), "[Duplikon]\nVorlesen=true\nStimme=German+Anna\nTempo=-101\n"
                          "[Fest]\nAufnahmeAus=true\nTonAus=true\n");
        write(f.admin(0), "[Duplikon]\nTempo=40\nAufnahmeAus=true\nTonAus=true\n");
        ExtraSettingsValues v = readExtraSettings(f.files);
        QVERIFY(v.readAloud && !v.readAloudFixed && v.voice == QStringLiteral("German+Anna") && v.tempo == 40);
        QVERIFY(!v.recordingOff && !v.soundOff); // only an administrator's [Fest] silences
        write(f.admin(0), "[Fest]\nVorlesen=false\nTempo=-100\nAufnahmeAus=true\nTonAus=true\n");
        ExtraSettings s(f.files);
        QVERIFY(!s.readAloud() && s.readAloudFixed() && s.tempo() == -100 && s.tempoFixed() && !s.voiceFixed());
        QVERIFY(s.recordingOff() && s.soundOff());
        QString error;
        QVERIFY(s.setReadAloud(true, &error) && s.setVoice(QString(), 100, &error));
        QVERIFY(!s.readAloud() && s.tempo() == -100 && s.voice().isEmpty());
        QVERIFY(readExtraSettings(f.files).voice.isEmpty());
    }

    void aDamagedFileIsIgnoredAsAWholeAndNeverOverwritten()
    {
        Files f;
        write(f.admin(0), "[Fest\nEditorAus=true\nEinstellungenAus=true\n");
        const QByteArray damaged = "[Duplikon\nAntippen=true\nFenstergroesse=200\n";
        write(f.user(), damaged);
        ExtraSettings s(f.files);
        QVERIFY(!s.tapPlay() && !s.editorOff() && !s.settingsOff() && s.windowSize() == WindowSize::Normal);
        QString error;
        QVERIFY(!s.setTapPlay(true, &error) && !s.tapPlay());
        QVERIFY2(error.contains(QStringLiteral("beschädigt")), qPrintable(error));
        QCOMPARE(f.userBytes(), damaged);
    }

    void storingTheUsersValueLeavesFixedValuesAlone()
    {
        Files f;
        write(f.admin(0), "[Fest]\nFenstergroesse=150\n");
        ExtraSettings s(f.files);
        QSignalSpy changed(&s, &ExtraSettings::tapPlayChanged);
        QString error;
        QVERIFY(s.setTapPlay(true, &error) && s.setWindowSize(WindowSize::Double, &error));
        QCOMPARE(changed.count(), 1);
        QVERIFY(changed.first().first().toBool() && s.tapPlay());
        QCOMPARE(s.windowSize(), WindowSize::OneAndAHalf);
        QCOMPARE(f.userBytes(), QByteArray("[Duplikon]\nAntippen=true\n"));
    }

    void filesFromTheEnvironment()
    {
        const QString end = QStringLiteral("/duplikon/duplikon.conf");
        qputenv("XDG_CONFIG_HOME", "/home/lehrer/konf");
        qputenv("XDG_CONFIG_DIRS", "/etc/schule:relativ::/etc/xdg");
        ExtraSettingsFiles files = ExtraSettingsFiles::fromEnvironment();
        QCOMPARE(files.user, QStringLiteral("/home/lehrer/konf") + end);
        QCOMPARE(files.system, QStringList({QStringLiteral("/etc/schule") + end, QStringLiteral("/etc/xdg") + end}));
        qputenv("XDG_CONFIG_HOME", "relativ");
        qunsetenv("XDG_CONFIG_DIRS");
        files = ExtraSettingsFiles::fromEnvironment();
        QCOMPARE(files.user, QDir::homePath() + QStringLiteral("/.config") + end);
        QCOMPARE(files.system, QStringList(QStringLiteral("/etc/xdg") + end));
    }
};

QTEST_GUILESS_MAIN(ExtraSettingsTest)
#include "ExtraSettingsTest.moc"
