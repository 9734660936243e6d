// SPDX-License-Identifier: GPL-3.0-or-later
// What a child hears in the main window: texts and messages read aloud,
// the engine made only when wanted, and the quiet of an administrator's TonAus.
#include "TestWindow.h"

#include "app/MainWindow.h"
#include "lesson/TaskChoice.h"
#include "board/Board.h"
#include "board/BoardVoice.h"
#include "lesson/LessonRules.h"
#include "lesson/LessonState.h"
#include "platform/ListBox.h"

#include <QAction>
#include <QCheckBox>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

namespace {
// Two pairs on the board, the choice closed; with every random number 0 the
// cells are 1 Mieze, 2 Katze, 3 Hund.bmp, 4 Hund. user and system: the
// contents of the user's and the administrator's duplikon.conf.
struct Heard : TestWindow {
    explicit Heard(const QByteArray &user, const QByteArray &system = {})
    {
        pf.writeTask(QStringLiteral("AUFGABE.TXT"), {QStringLiteral("Hund"), QStringLiteral("Hund.bmp"),
                                                     QStringLiteral("Katze"), QStringLiteral("Mieze")});
        pf.writePicture(QStringLiteral("Hund.bmp"), Qt::red);
        pf.makeFolder(QStringLiteral("DUPBILDER"));
        // A task with a sound: 1 Mieze, 2 Katze, 3 Hund, 4 Ton.wav.
        pf.writeTask(QStringLiteral("TON.TXT"), {QStringLiteral("Ton.wav"), QStringLiteral("Hund"),
                                                 QStringLiteral("Katze"), QStringLiteral("Mieze")});
        pf.write(QStringLiteral("Ton.wav"), toneWave(200));
        pf.write(QStringLiteral("home/duplikon.conf"), user);
        pf.write(QStringLiteral("xdg/duplikon.conf"), system);
        files = {pf.file(QStringLiteral("home/duplikon.conf")), {pf.file(QStringLiteral("xdg/duplikon.conf"))}};
        start();
        part<TaskChoice>(w.get())->Command1_Click();
        fp.dialogs.clear();
    }
    void key(Qt::Key k) const { QTest::keyClick(w->focusWidget(), k); }
};

const QString kPraise = QStringLiteral(
    "Prima, du hast die Aufgabe gelöst. Wähle dir eine neue Aufgabe aus! Klicke dazu im Menü auf 'Laden' ...");
} // namespace

class VoiceTest : public QObject {
    Q_OBJECT

private slots:
    void readingAloudSpeaksTextsWhenPickedUpOrReachedAndTheMessagesOfPlay()
    {
        Heard h("[Duplikon]\nVorlesen=true\n");
        // The engine is not made while the program starts, but soon after.
        QCOMPARE(h.fp.speech.starts, 0);
        QTRY_COMPARE_WITH_TIMEOUT(h.fp.speech.starts, 1, 3 * BoardVoice::kStartDelayMilliseconds);

        // A mouse pick-up speaks a text, not a picture; a wrong drop says so.
        h.drag(1, 3);
        h.drag(3, 1);
        QCOMPARE(h.fp.speech.spoken, (QStringList{QStringLiteral("Mieze"), QStringLiteral("Passt nicht"),
                                                   QStringLiteral("Passt nicht")}));

        // Keys: the focus reaching a text speaks it (not the start's own focus),
        // unless a screen reader speaks the focus; a key pick-up speaks too.
        h.fp.speech.spoken.clear();
        part<TaskChoice>(h.w.get())->parkPanel();
        h.key(Qt::Key_Right);
        bool screenReader = true;
        h.board()->voice()->setScreenReaderCheck([&] { return screenReader; });
        h.key(Qt::Key_Left);
        screenReader = false;
        h.key(Qt::Key_Space);
        h.key(Qt::Key_L);
        QCOMPARE(h.fp.speech.spoken, (QStringList{QStringLiteral("Katze"), QStringLiteral("Mieze"),
                                                   QStringLiteral("Mieze")}));

        // The voice and the speed are the teacher's, again when changed.
        QCOMPARE(h.fp.speech.voice, QString());
        QVERIFY(h.extra->set(config::voice, QStringLiteral("English"), nullptr) && h.extra->set(config::tempo, 40, nullptr));
        QCOMPARE(h.fp.speech.voice, QStringLiteral("English"));
        QCOMPARE(h.fp.speech.tempo, 40);

        // The praise is spoken as one text before its box shows.
        h.key(Qt::Key_Escape);
        h.fp.speech.spoken.clear();
        h.fp.dialogs.onShow = [&](const ShownDialog &) { QCOMPARE(h.fp.speech.spoken.last(), kPraise); };
        h.drag(4, 3);
        h.drag(2, 1);
        QCOMPARE(h.fp.dialogs.titles(), QStringList{QStringLiteral("Kontrolle")});
    }

    void aSoundAndSpeechCutEachOtherOff()
    {
        Heard h("[Duplikon]\nVorlesen=true\n");
        h.load(QStringLiteral("TON.TXT"));
        const QString ton = h.pf.file(QStringLiteral("Ton.wav"));
        h.drag(4, 1); // the sound plays over any speech; "Passt nicht" ends the sound
        QCOMPARE(h.fp.sound.played, QStringList{ton});
        QCOMPARE(h.fp.speech.stops, 1);
        QCOMPARE(h.fp.sound.stops, 1);
        QCOMPARE(h.fp.speech.spoken, QStringList{QStringLiteral("Passt nicht")});
        h.drag(1, 4); // a text ends the sound too
        QCOMPARE(h.fp.sound.stops, 3);
        QCOMPARE(h.fp.speech.spoken.mid(1), (QStringList{QStringLiteral("Mieze"), QStringLiteral("Passt nicht")}));
    }

    void aSoundPlaysToItsEndWhateverBecomesOfItsCell()
    {
        // Neither the release of a click, a drop on itself, a wrong drop nor
        // putting the cell back (tap, Escape) cuts a sound off.
        for (const QByteArray &conf : {QByteArray(), QByteArray("[Duplikon]\nAntippen=true\n")}) {
            Heard h(conf);
            h.load(QStringLiteral("TON.TXT"));
            part<TaskChoice>(h.w.get())->parkPanel();
            const QString ton = h.pf.file(QStringLiteral("Ton.wav"));
            QTest::mouseClick(h.cell(4), Qt::LeftButton, {}, QPoint(20, 20));
            QCOMPARE(h.fp.sound.playing, ton);
            QTest::mouseClick(h.cell(4), Qt::LeftButton, {}, QPoint(20, 20)); // tap: put back
            h.drag(4, 1);
            h.cell(3)->setFocus();
            h.key(Qt::Key_Right);
            h.key(Qt::Key_Space);
            h.key(Qt::Key_Escape);
            QCOMPARE(h.fp.sound.played.size(), conf.isEmpty() ? 4 : 3);
            QCOMPARE(h.fp.sound.stops, 0);
            QCOMPARE(h.fp.sound.playing, ton);
        }
    }

    void theMessagesOfMandatoryTasksAreSpoken()
    {
        Heard h("[Duplikon]\nVorlesen=true\n");
        part<LessonState>(h.w.get())->setPflicht({QStringLiteral("AUFGABE.TXT")});
        child<QCheckBox>(h.w.get(), "Check1")->setChecked(true);
        child<QCheckBox>(h.w.get(), "Check5")->setChecked(true);
        part<LessonState>(h.w.get())->setAufgabe({QStringLiteral("AUFGABE.TXT")});
        h.menu("menu2")->trigger();
        part<LessonState>(h.w.get())->setAufgabe({});
        h.menu("menu2")->trigger();
        QCOMPARE(h.fp.speech.spoken,
                 (QStringList{QStringLiteral("Dies ist eine Pflichtaufgabe für dich!"),
                              QStringLiteral("Die Aufgaben werden wiederholt, rufe das nächste Kind."),
                              QStringLiteral("Dies ist eine Pflichtaufgabe für dich!")}));
    }

    void withoutVorlesenWithTonAusOrAfterAFailureNothingIsSaid()
    {
        // Off: the engine is never made.
        Heard off("");
        off.drag(1, 3);
        off.drag(4, 3);
        QTest::qWait(BoardVoice::kStartDelayMilliseconds + 200);
        QCOMPARE(off.fp.speech.starts, 0);
        QCOMPARE(off.fp.speech.calls, 0);

        // An administrator's TonAus wins over the user's Vorlesen.
        Heard quiet("[Duplikon]\nVorlesen=true\n", "[Fest]\nTonAus=true\n");
        quiet.drag(1, 3);
        QVERIFY(!quiet.board()->voice()->readingAloud() && !quiet.board()->voice()->soundAllowed());
        QCOMPARE(quiet.fp.speech.starts + quiet.fp.speech.calls, 0);
        // Its sounds stay quiet, and still match.
        quiet.load(QStringLiteral("TON.TXT"));
        quiet.drag(4, 3);
        QVERIFY(quiet.fp.sound.played.isEmpty());
        QCOMPARE(quiet.points(), QStringLiteral(" 1 Punkte"));

        // A service that failed is not called again.
        Heard failed("[Duplikon]\nVorlesen=true\n");
        failed.fp.speech.fail = true;
        failed.drag(1, 3);
        QCOMPARE(failed.fp.speech.status(), Speech::Status::Failed);
        failed.drag(2, 3);
        QCOMPARE(failed.fp.speech.starts, 1);
        QCOMPARE(failed.fp.speech.calls, 0);
    }
};

QTEST_MAIN(VoiceTest)
#include "VoiceTest.moc"
