// SPDX-License-Identifier: GPL-3.0-or-later
// The settings added to the design: which file wins, what an administrator
// fixes, letter case, damaged lines and files, storing a user's value, and
// the report of what holds.
#include "platform/ClassroomConfig.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

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
    ClassroomConfigFiles files{dir.filePath(QStringLiteral("home/duplikon.conf")),
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

class ClassroomConfigTest : public QObject {
    Q_OBJECT

private slots:
    void precedenceFromDefaultToFixedValue()
    {
        Files f;
        auto s = std::make_unique<ClassroomConfig>(f.files);
        QVERIFY(!s->value(config::tapPlay) && !s->isFixed(config::tapPlay) && !s->isFixed(config::windowSize));
        QVERIFY(!s->value(config::editorOff) && !s->value(config::settingsOff) && s->problems().isEmpty());
        QCOMPARE(s->value(config::windowSize), WindowSize::Normal);
        // An administrator's defaults: the earlier folder wins; locks count only in [Fest].
        write(f.admin(1), "[Duplikon]\nAntippen=true\nFenstergroesse=150\n");
        write(f.admin(0), "[Duplikon]\nFenstergroesse=200\nEditorAus=true\n");
        s = std::make_unique<ClassroomConfig>(f.files);
        QVERIFY(s->value(config::tapPlay) && !s->isFixed(config::tapPlay) && !s->value(config::editorOff));
        QCOMPARE(s->value(config::windowSize), WindowSize::Double);
        // The user's values beat them; a [Fest] of the user's own is ignored.
        write(f.user(), "[Duplikon]\nAntippen=false\nFenstergroesse=bildschirm\n"
                          "[Fest]\nAntippen=true\nEditorAus=true\nEinstellungenAus=true\n");
        s = std::make_unique<ClassroomConfig>(f.files);
        QVERIFY(!s->value(config::tapPlay) && !s->isFixed(config::tapPlay) && !s->value(config::editorOff));
        QVERIFY(!s->value(config::settingsOff));
        QCOMPARE(s->value(config::windowSize), WindowSize::Screen);
        // Fixed values beat everything, the earlier folder first; a value that
        // is none of the key's values fixes nothing.
        write(f.admin(1), "[Fest]\nFenstergroesse=100\nAntippen=ja\nEinstellungenAus=true\n");
        write(f.admin(0), "[Fest]\nFenstergroesse=150\nEditorAus=true\n");
        s = std::make_unique<ClassroomConfig>(f.files);
        QVERIFY(!s->value(config::tapPlay) && !s->isFixed(config::tapPlay) && s->isFixed(config::windowSize));
        QVERIFY(s->value(config::editorOff) && s->value(config::settingsOff));
        QCOMPARE(s->value(config::windowSize), WindowSize::OneAndAHalf);
    }

    void readingAloudWithVoiceAndTempoAndTheQuietLocks()
    {
        Files f;
        write(f.user(), "[Duplikon]\nVorlesen=true\nStimme=German+Anna\nTempo=-101\n"
                          "[Fest]\nAufnahmeAus=true\nTonAus=true\n");
        write(f.admin(0), "[Duplikon]\nTempo=40\nAufnahmeAus=true\nTonAus=true\n");
        auto s = std::make_unique<ClassroomConfig>(f.files);
        QVERIFY(s->value(config::readAloud) && !s->isFixed(config::readAloud) && s->value(config::tempo) == 40);
        QCOMPARE(s->value(config::voice), QStringLiteral("German+Anna"));
        QVERIFY(!s->value(config::recordingOff) && !s->value(config::soundOff)); // only an administrator's [Fest] silences
        write(f.admin(0), "[Fest]\nVorlesen=false\nTempo=-100\nAufnahmeAus=true\nTonAus=true\n");
        s = std::make_unique<ClassroomConfig>(f.files);
        QVERIFY(!s->value(config::readAloud) && s->isFixed(config::readAloud) && s->value(config::tempo) == -100);
        QVERIFY(s->isFixed(config::tempo) && !s->isFixed(config::voice));
        QVERIFY(s->value(config::recordingOff) && s->value(config::soundOff));
        QString error;
        QVERIFY(s->set(config::readAloud, true, &error) && s->set(config::voice, QString(), &error));
        QVERIFY(s->set(config::tempo, 100, &error) && s->set(config::soundOff, false, &error));
        QVERIFY(!s->value(config::readAloud) && s->value(config::tempo) == -100 && s->value(config::voice).isEmpty());
        QVERIFY(s->value(config::soundOff) && ClassroomConfig(f.files).value(config::voice).isEmpty());
    }

    void theCardGameKeysTakeOnlyTheirChoices()
    {
        Files f;
        write(f.user(), "[Duplikon]\nSpielart=aufdecken\nAufdeckpaare=7\nZudecken=3\nMannschaften=5\nGetrennt=true\n");
        ClassroomConfig s(f.files);
        QVERIFY(s.value(config::playKind).is("Aufdecken") && s.value(config::coverAfter).number() == 3);
        QCOMPARE(s.value(config::cardPairs).number(), 10); // 7 is none of its values
        QVERIFY(s.value(config::teams).is("1") && s.value(config::grouped));
        QCOMPARE(s.problems().size(), 2);
        QVERIFY2(s.problems().at(0).contains(QStringLiteral("(4, 6, 8 oder 10)")), qPrintable(s.problems().at(0)));
    }

    // Sections and keys in any letter case, the last of equal keys, and
    // lines that are skipped and named while the rest applies.
    void letterCaseEqualKeysAndSkippedLines()
    {
        Files f;
        write(f.admin(0), "[fest]\r\neditoraus=true\r\nANTIPPEN=false\r\nantippen=TRUE\r\n");
        write(f.user(), "Vorlesen=true\n[DUPLIKON]\nnur Text\nFarbe=rot\nTempo=30\nTempo=101\n=1\n"
                          "EditorAus=false\n[Duplikon\nFenstergroesse=200\n[Andere]\nx=1\n");
        ClassroomConfig s(f.files);
        QVERIFY(s.value(config::editorOff) && s.value(config::tapPlay) && s.isFixed(config::tapPlay));
        QVERIFY(!s.value(config::readAloud) && s.value(config::tempo) == 30);
        QCOMPARE(s.value(config::windowSize), WindowSize::Normal); // under a damaged section line
        QStringList at;
        for (const QString &problem : s.problems())
            at << problem.section(QLatin1Char(' '), 0, 0);
        const QString u = f.user();
        QCOMPARE(at, QStringList({u + ":1:", u + ":3:", u + ":4:", u + ":6:", u + ":7:", u + ":8:", u + ":9:", u + ":11:"}));
        QVERIFY2(s.problems().at(3).contains(QStringLiteral("„101“ ist kein Wert für Tempo")), qPrintable(s.problems().at(3)));
    }

    void writingKeepsTheLinesItDoesNotKnow()
    {
        Files f;
        write(f.user(), "; Lehrerzimmer\n[duplikon]\nFarbe=rot\nantippen=false\nkaputt\n\n; Rest\n[Andere]\nx=1");
        ClassroomConfig s(f.files);
        QSignalSpy changed(&s, &ClassroomConfig::changed);
        QString error;
        QVERIFY(s.set(config::tapPlay, true, &error) && s.set(config::tempo, -40, &error));
        QCOMPARE(f.userBytes(), QByteArray("; Lehrerzimmer\n[duplikon]\nFarbe=rot\nAntippen=true\nkaputt\nTempo=-40\n\n"
                                           "; Rest\n[Andere]\nx=1\n"));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(s.entry(config::Id::tempo).line, 6);
    }

    void aFileThatIsNoTextIsIgnoredAsAWholeAndNeverOverwritten()
    {
        Files f;
        write(f.admin(0), "[Fest\nEditorAus=true\nEinstellungenAus=true\n");
        QDir().mkpath(QFileInfo(f.admin(1)).path());
        QVERIFY(::mkfifo(QFile::encodeName(f.admin(1)).constData(), 0600) == 0); // never waited on
        const char bytes[] = "[Duplikon]\nAntippen=true\nFenstergroesse=200\n\0\x89PNG";
        const QByteArray binary(bytes, sizeof bytes - 1);
        write(f.user(), binary);
        ClassroomConfig s(f.files);
        QVERIFY(!s.value(config::tapPlay) && !s.value(config::editorOff) && !s.value(config::settingsOff));
        QVERIFY(s.value(config::windowSize) == WindowSize::Normal && s.problems().size() == 3);
        QString error;
        QVERIFY(!s.set(config::tapPlay, true, &error) && !s.value(config::tapPlay));
        QVERIFY2(error.contains(QStringLiteral("beschädigt")), qPrintable(error));
        QCOMPARE(f.userBytes(), binary);
    }

    void storingTheUsersValueLeavesFixedValuesAlone()
    {
        Files f;
        write(f.admin(0), "[Fest]\nFenstergroesse=150\n");
        ClassroomConfig s(f.files);
        QSignalSpy changed(&s, &ClassroomConfig::changed);
        QString error;
        QVERIFY(s.set(config::tapPlay, true, &error) && s.set(config::windowSize, WindowSize::Double, &error));
        QCOMPARE(changed.count(), 1);
        QVERIFY(changed.first().first().value<config::Id>() == config::tapPlay && s.value(config::tapPlay));
        QCOMPARE(s.value(config::windowSize), WindowSize::OneAndAHalf);
        QCOMPARE(f.userBytes(), QByteArray("[Duplikon]\nAntippen=true\n"));
    }

    // What --einstellungen prints: every key with where it comes from, then the problems.
    void reportNamesWhereEachValueComesFrom()
    {
        Files f;
        write(f.admin(0), "[Fest]\nTonAus=1\nFenstergroesse=bildschirm\n");
        write(f.user(), "[Duplikon]\nTempo=+20\nStimme=German\nFarbe=rot\n");
        const QString a = f.admin(0), u = f.user();
        QCOMPARE(ClassroomConfig(f.files).report(),
                 QStringLiteral("Antippen=false  (eingebaute Vorgabe)\n"
                                "Fenstergroesse=Bildschirm  (%1:3, fest)\n"
                                "Vorlesen=false  (eingebaute Vorgabe)\n"
                                "Stimme=German  (%2:3)\n"
                                "Tempo=20  (%2:2)\n"
                                "Ergebnisse=false  (eingebaute Vorgabe)\n"
                                "Spielart=Zuordnen  (eingebaute Vorgabe)\n"
                                "Aufdeckpaare=10  (eingebaute Vorgabe)\n"
                                "Zudecken=Tippen  (eingebaute Vorgabe)\n"
                                "Mannschaften=1  (eingebaute Vorgabe)\n"
                                "Getrennt=false  (eingebaute Vorgabe)\n"
                                "Kartei=false  (eingebaute Vorgabe)\n"
                                "Sprache=System  (eingebaute Vorgabe)\n"
                                "EditorAus=false  (eingebaute Vorgabe)\n"
                                "EinstellungenAus=false  (eingebaute Vorgabe)\n"
                                "AufnahmeAus=false  (eingebaute Vorgabe)\n"
                                "TonAus=true  (%1:2, fest)\n"
                                "ErgebnisseAus=false  (eingebaute Vorgabe)\n"
                                "%2:4: Unbekannter Schlüssel „Farbe“ wird übergangen.\n")
                     .arg(a, u));
    }

    void filesFromTheEnvironment()
    {
        const QString end = QStringLiteral("/duplikon/duplikon.conf");
        qputenv("XDG_CONFIG_HOME", "/home/lehrer/konf");
        qputenv("XDG_CONFIG_DIRS", "/etc/schule:relativ::/etc/xdg");
        ClassroomConfigFiles files = ClassroomConfigFiles::fromEnvironment();
        QCOMPARE(files.user, QStringLiteral("/home/lehrer/konf") + end);
        QCOMPARE(files.system, QStringList({QStringLiteral("/etc/schule") + end, QStringLiteral("/etc/xdg") + end}));
        qputenv("XDG_CONFIG_HOME", "relativ");
        qunsetenv("XDG_CONFIG_DIRS");
        files = ClassroomConfigFiles::fromEnvironment();
        QCOMPARE(files.user, QDir::homePath() + QStringLiteral("/.config") + end);
        QCOMPARE(files.system, QStringList(QStringLiteral("/etc/xdg") + end));
    }
};

QTEST_GUILESS_MAIN(ClassroomConfigTest)
#include "ClassroomConfigTest.moc"
