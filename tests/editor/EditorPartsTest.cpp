// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"
#include "editor/HelpLine.h"
#include "editor/PairLists.h"
#include "editor/SoundRecording.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

// The parts of the editor alone, without its window.
class EditorPartsTest : public QObject {
    Q_OBJECT
private slots:
    void helpLineGoesBackToTheTextBeforeUnlessAnotherCame();
    void recordingTakesTheNextFreeNameAndTouchesNoOtherFile();
};

void EditorPartsTest::helpLineGoesBackToTheTextBeforeUnlessAnotherCame()
{
    QLabel label(QStringLiteral("Hilfetexte"));
    HelpLine help(&label);
    help.push(QStringLiteral("Die Aufnahme läuft"));
    help.push(QStringLiteral("Bild 1 von 6 ..."));
    QCOMPARE(label.text(), QStringLiteral("Bild 1 von 6 ..."));
    help.pop();
    QCOMPARE(label.text(), QStringLiteral("Die Aufnahme läuft"));
    label.setText(QStringLiteral("In dieser grünen Liste ...")); // the pointer moved on
    help.pop();
    help.pop(); // nothing left: no change
    QCOMPARE(label.text(), QStringLiteral("In dieser grünen Liste ..."));
}

void EditorPartsTest::recordingTakesTheNextFreeNameAndTouchesNoOtherFile()
{
    QTemporaryDir dir;
    const QString sounds = dir.filePath(QStringLiteral("Eigene Toene"));
    QWidget client;
    QMenu menu;
    FakePlatform fake;
    SoundRecording recording(&client, fake.platform(), dir.path() + QLatin1Char('/'), &menu);
    QStringList added, progress;
    connect(&recording, &SoundRecording::fileAdded, this, [&](PairSide side, const QString &entry, const QString &path) {
        added << QStringLiteral("%1 %2 %3").arg(side == PairSide::Left ? "links" : "rechts", entry, path);
    });
    connect(&recording, &SoundRecording::progress, this, [&](const QString &message) { progress << message; });
    QAction *entry = menu.actions().value(0);
    emit menu.aboutToShow(); // the entry asks for a microphone
    const auto write = [](const QString &path, const QByteArray &bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    };

    // under a private, hidden name until it ends; a sound imported meanwhile
    // keeps its name and the recording takes the next
    entry->trigger();
    QCOMPARE(QFileInfo(fake.recorder.path).path(), sounds);
    QVERIFY(QFileInfo(fake.recorder.path).fileName().startsWith(QLatin1Char('.')));
    QCOMPARE(progress, QStringList{"Die Aufnahme läuft, höchstens 10 Sekunden ..."});
    write(sounds + QStringLiteral("/Aufnahme.WAV"), "importiert");
    entry->trigger();
    QCOMPARE(added, QStringList{"links Eigene Toene\\Aufnahme-2.WAV " + sounds + "/Aufnahme-2.WAV"});
    QCOMPARE(progress.last(), QString());
    // names taken in any letter case are passed over; a failed recording
    // removes its own file and no other
    write(sounds + QStringLiteral("/aufnahme-3.wav"), "x");
    entry->trigger();
    write(sounds + QStringLiteral("/Aufnahme-4.WAV"), "importiert");
    fake.recorder.finish(false);
    QCOMPARE(QDir(sounds).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{"Aufnahme-2.WAV", "Aufnahme-4.WAV", "Aufnahme.WAV", "aufnahme-3.wav"}));
    QCOMPARE(fake.dialogs.shown.last().text, QStringLiteral("Die Aufnahme ist nicht gelungen."));
    QCOMPARE(added.size(), 1);
    entry->trigger();
    fake.recorder.finish();
    QVERIFY(added.last().startsWith(QStringLiteral("links Eigene Toene\\Aufnahme-5.WAV ")));
}

QTEST_MAIN(EditorPartsTest)
#include "EditorPartsTest.moc"
