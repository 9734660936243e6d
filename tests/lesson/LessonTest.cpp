// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson: password, switches and their rules, mandatory tasks, repetition,
// user name, editor lock and the settings file written by "O k a y"; the
// administrator's locks and the dialog "Weitere Einstellungen".
#include "TestWindow.h"

#include "app/MainWindow.h"
#include "lesson/TaskChoice.h"
#include "board/Board.h"
#include "board/BoardState.h"
#include "lesson/ExtraSettingsDialog.h"
#include "lesson/LessonRules.h"
#include "lesson/LessonState.h"
#include "lesson/SettingsPanel.h"
#include "platform/Colours.h"
#include "platform/ClassroomConfig.h"
#include "platform/ListBox.h"
#include "tasks/TaskFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

namespace {
// Three tasks of one pair each; `ini` is the settings file, if any.
struct Lesson : TestWindow {
    explicit Lesson(const QByteArray &ini = QByteArray())
    {
        for (const char *name : {"AFFE.TXT", "BAER.TXT", "ZEBRA.TXT"}) {
            const QString n = QString::fromLatin1(name).left(4);
            pf.writeTask(QString::fromLatin1(name), {n, n.toLower()});
        }
        pf.makeFolder(QStringLiteral("DUPBILDER"));
        if (!ini.isNull())
            pf.write(QStringLiteral("DUPLIKON.INI"), ini);
        start();
    }
    SettingsPanel *panel() const { return part<SettingsPanel>(w.get()); }
    LessonRules *lesson() const { return part<LessonRules>(w.get()); }
    LessonState *state() const { return part<LessonState>(w.get()); }
    QString onBoard() const { return part<TaskChoice>(w.get())->selectedTaskFile(); }
    ListBox *file2() const { return child<ListBox>(w.get(), "File2"); }
    QPushButton *command7() const { return child<QPushButton>(w.get(), "Command7"); }
    // Matches the pair on the board: cells 1 and 2.
    void solve() const { board()->state()->drop(0, 1, PlayWay::Mouse); }
    // The settings, by the password of 0 points, and their "Weitere ...".
    ExtraSettingsDialog *openMoreSettings()
    {
        fp.dialogs.inputAnswers = {QStringLiteral("0")};
        menu("menu4")->trigger();
        auto *more = child<QPushButton>(w.get(), "moreSettings");
        if (more->geometry() != QRect(400, 10, 129, 25) || more->text() != QStringLiteral("Weitere ..."))
            qFatal("\"Weitere ...\" is not at 6000, 150, 1935 x 375");
        more->click();
        return child<ExtraSettingsDialog>(w.get(), "classroomConfig");
    }
};
} // namespace

class LessonTest : public QObject {
    Q_OBJECT

private slots:
    void passwordIsTheCurrentScore()
    {
        Lesson l;
        l.fp.dialogs.inputAnswers = {QStringLiteral("1")};
        l.menu("menu4")->trigger();
        QVERIFY(!l.panel()->shown());
        const ShownDialog &ask = l.fp.dialogs.shown.last();
        QCOMPARE(ask.title, QStringLiteral("Einstellungen"));
        QCOMPARE(ask.text, QStringLiteral("Geben Sie das Passwort für diese Funktion ein:"));
        QCOMPARE(ask.defaultText, QStringLiteral("Passwort"));
        l.menu("menu4")->trigger(); // cancelled
        QVERIFY(!l.panel()->shown());
        l.fp.dialogs.inputAnswers = {QStringLiteral("0")};
        l.menu("menu4")->trigger();
        QVERIFY(l.panel()->shown());
        QCOMPARE(child<QFrame>(l.w.get(), "Picture2")->x() * 15, 2400);
        l.panel()->park();
        for (int i = 0; i < 3; ++i)
            l.TestWindow::solve(l.onBoard());
        for (const char *wrong : {"0", " 3", "03"}) {
            l.fp.dialogs.inputAnswers = {QString::fromLatin1(wrong)};
            l.menu("menu4")->trigger();
            QVERIFY(!l.panel()->shown());
        }
        l.fp.dialogs.inputAnswers = {QStringLiteral("3")};
        l.menu("menu4")->trigger();
        QVERIFY(l.panel()->shown());
    }

    void switchRulesRefuseWithoutMandatoryTasks()
    {
        Lesson l;
        l.fp.dialogs.clear();
        l.box("Check5")->click();
        QVERIFY(!l.state()->repetition() && !l.box("Check5")->isChecked());
        QVERIFY(!l.state()->mandatoryTasks());
        QCOMPARE(l.fp.dialogs.titles(), QStringList{QStringLiteral("Wiederholung verweigert")});
        QCOMPARE(l.fp.dialogs.shown.first().text, QStringLiteral("Es müssen erst Pflichtaufgaben gewählt werden!\r\r"));
        l.box("Check1")->click();
        QVERIFY(!l.state()->mandatoryTasks());
        QCOMPARE(l.fp.dialogs.shown.size(), 2);

        // ">>" adds the selected source task; repetition then ticks mandatory too.
        l.file2()->setListIndex(1);
        l.panel()->Command4_Click();
        QCOMPARE(l.state()->pflicht(), QStringList{QStringLiteral("BAER.TXT")});
        QVERIFY(l.state()->aufgabe().isEmpty()); // the queue is not touched
        l.box("Check5")->click();
        QVERIFY(l.state()->repetition());
        QVERIFY(l.state()->mandatoryTasks());
        // Clearing mandatory clears repetition.
        l.box("Check1")->click();
        QVERIFY(!l.state()->repetition());
    }

    void removeEntryOrClearTheWholeList()
    {
        Lesson l;
        l.file2()->setListIndex(0);
        l.panel()->Command4_Click();
        l.file2()->setListIndex(2);
        l.panel()->Command4_Click();
        l.panel()->Command4_Click(); // duplicates are allowed
        l.box("Check5")->click();
        l.state()->setAufgabe({QStringLiteral("AFFE.TXT")});
        child<ListBox>(l.w.get(), "pflicht")->setListIndex(1);
        l.panel()->Command5_Click();
        QCOMPARE(l.state()->pflicht(), (QStringList{QStringLiteral("AFFE.TXT"), QStringLiteral("ZEBRA.TXT")}));
        QVERIFY(l.state()->repetition());
        // "X" without a selection empties the list and clears repetition only.
        l.panel()->Command5_Click();
        QVERIFY(l.state()->pflicht().isEmpty());
        QVERIFY(!l.state()->repetition());
        QVERIFY(l.state()->mandatoryTasks());
        QCOMPARE(l.state()->aufgabe(), QStringList{QStringLiteral("AFFE.TXT")});
        // "X" on an empty list is harmless.
        l.panel()->Command5_Click();
        // A task saved since the start is listed when the panel is shown again.
        l.pf.writeTask(QStringLiteral("NEU.TXT"), {QStringLiteral("a"), QStringLiteral("b")});
        l.panel()->show();
        QVERIFY(l.file2()->entries().contains(QStringLiteral("NEU.TXT")));
    }

    void okayWritesTheSettingsFileByteForByte()
    {
        Lesson l;
        l.file2()->setListIndex(2);
        l.panel()->Command4_Click();
        l.file2()->setListIndex(0);
        l.panel()->Command4_Click();
        l.box("Check5")->click();
        l.box("Check3")->click();
        emit part<SettingsPanel>(l.w.get())->questionColourClicked(); // white is not in the cycle: step 1, the system colour
        l.fp.dialogs.clear();
        child<QPushButton>(l.w.get(), "Command3")->click();
        QVERIFY(!l.panel()->shown());
        QCOMPARE(l.pf.read(QStringLiteral("DUPLIKON.INI")),
                 QByteArray(" 1 \r\n 0 \r\n 1 \r\n 1 \r\n-2147483643 \r\nZEBRA.TXT\r\nAFFE.TXT\r\n"));
        // Mandatory tasks on: "O k a y" runs "Laden"; the queue was still empty, so repetition starts it.
        QCOMPARE(l.fp.dialogs.titles(), (QStringList{QStringLiteral("Wiederholung"), QStringLiteral("ZEBRA.TXT")}));
        QCOMPARE(l.onBoard(), QStringLiteral("ZEBRA.TXT"));

        // Restart: the settings come back as stored, without running the click rules.
        l.fp.dialogs.clear();
        l.start();
        QVERIFY(l.state()->mandatoryTasks());
        QVERIFY(l.state()->repetition());
        QVERIFY(l.state()->editorLocked());
        QCOMPARE(l.board()->state()->questionColour(), kSystemWindow);
        QCOMPARE(l.state()->pflicht(), (QStringList{QStringLiteral("ZEBRA.TXT"), QStringLiteral("AFFE.TXT")}));
        QVERIFY(l.box("Check1")->isChecked() && l.box("Check5")->isChecked() && l.box("Check3")->isChecked());
        QCOMPARE(child<ListBox>(l.w.get(), "pflicht")->entries(), l.state()->pflicht());
        // The sequence starts at the top: the first mandatory task is announced,
        // then the activation puts the first file of the list on the board.
        QCOMPARE(l.fp.dialogs.titles(), QStringList{QStringLiteral("ZEBRA.TXT")});
        QCOMPARE(l.fp.dialogs.shown.first().text, QStringLiteral("Dies ist eine Pflichtaufgabe für dich!\r\r"));
        QCOMPARE(l.onBoard(), QStringLiteral("AFFE.TXT"));
        QCOMPARE(l.state()->aufgabe(), (QStringList{QStringLiteral("ZEBRA.TXT"), QStringLiteral("AFFE.TXT")}));
    }

    void okayKeepsTheQuestionColourWhenNoTaskIsOnTheBoard()
    {
        Lesson l(QByteArray(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 14737632 \r\n"));
        for (const char *name : {"AFFE.TXT", "BAER.TXT", "ZEBRA.TXT"})
            QVERIFY(QFile::remove(l.pf.file(QString::fromLatin1(name))));
        l.start(); // no task files: nothing is put on the board, its cells stay black
        QCOMPARE(shownColour(l.board()->cellLabel(0)), toQColor(0));
        l.fp.dialogs.clear();
        l.lesson()->Command3_Click();
        QCOMPARE(l.pf.read(QStringLiteral("DUPLIKON.INI")),
                 QByteArray(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 14737632 \r\n"));
    }

    void settingsThatCannotBeWrittenAreReported()
    {
        Lesson l;
        // A folder in the way of the file: the write fails, the old one (none) stays.
        l.pf.makeFolder(QStringLiteral("DUPLIKON.INI"));
        l.fp.dialogs.clear();
        l.lesson()->Command3_Click();
        QCOMPARE(l.fp.dialogs.titles(), QStringList{QStringLiteral("Einstellungen")});
        QVERIFY(l.fp.dialogs.shown.first().text.startsWith(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.")));
    }

    void wholeLessonFlowWithRepetition()
    {
        Lesson l(QByteArray(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 16777215 \r\nBAER.TXT\r\nZEBRA.TXT\r\n"));
        l.solve(); // the first file of the list is solved: the head of the queue goes all the same
        QCOMPARE(l.state()->aufgabe(), QStringList{QStringLiteral("ZEBRA.TXT")});

        // "Benutzer" restarts the sequence from the top for the next child.
        l.fp.dialogs.clear();
        l.fp.dialogs.inputAnswers = {QStringLiteral("Lena")};
        l.command7()->click();
        QCOMPARE(l.command7()->text(), QStringLiteral("Lena"));
        QCOMPARE(l.fp.dialogs.shown.first().title, QStringLiteral("Benutzername"));
        QCOMPARE(l.fp.dialogs.shown.first().text, QStringLiteral("Benutzername eingeben:"));
        QCOMPARE(l.fp.dialogs.titles().last(), QStringLiteral("BAER.TXT"));
        QCOMPARE(l.onBoard(), QStringLiteral("BAER.TXT"));
        // "Laden" before solving loads the same task again.
        l.menu("menu2")->trigger();
        QCOMPARE(l.onBoard(), QStringLiteral("BAER.TXT"));
        l.solve();
        l.menu("menu2")->trigger();
        QCOMPARE(l.onBoard(), QStringLiteral("ZEBRA.TXT"));
        l.solve();
        QVERIFY(l.state()->aufgabe().isEmpty());
        l.fp.dialogs.clear();
        l.menu("menu2")->trigger();
        QCOMPARE(l.fp.dialogs.titles(), (QStringList{QStringLiteral("Wiederholung"), QStringLiteral("BAER.TXT")}));
        QCOMPARE(l.fp.dialogs.shown.first().text, QStringLiteral("Die Aufgaben werden wiederholt, rufe das nächste Kind.\r\r"));
        QCOMPARE(l.onBoard(), QStringLiteral("BAER.TXT"));

        // An empty or cancelled name changes nothing.
        l.fp.dialogs.clear();
        l.command7()->click();
        QCOMPARE(l.command7()->text(), QStringLiteral("Lena"));
        QCOMPARE(l.fp.dialogs.shown.size(), 1);
    }

    void aClassListOffersItsNamesAndTypedNamesCountAsListed()
    {
        Lesson l(QByteArray(" 1 \r\n 0 \r\n 0 \r\n 0 \r\n 16777215 \r\nBAER.TXT\r\n"));
        l.pf.write(QStringLiteral("Klassenliste.csv"), "Lea\r\nJonas\r\n");
        l.solve();
        QVERIFY(l.state()->aufgabe().isEmpty());
        // A tap on a name is a typed name: the caption, and the sequence from the top.
        l.fp.dialogs.clear();
        l.fp.dialogs.nameAnswers = {1};
        l.command7()->click();
        QCOMPARE(l.fp.dialogs.shown.first().kind, ShownDialog::Names);
        QCOMPARE(l.fp.dialogs.shown.first().title, QStringLiteral("Benutzername"));
        QCOMPARE(l.fp.dialogs.shown.first().text, QStringLiteral("Lea\nJonas"));
        QCOMPARE(l.command7()->text(), QStringLiteral("Jonas"));
        QCOMPARE(l.onBoard(), QStringLiteral("BAER.TXT"));
        QCOMPARE(l.fp.dialogs.titles().last(), QStringLiteral("BAER.TXT"));

        // "Anderer Name ..." asks as without a list; "lea " there is the listed Lea.
        l.fp.dialogs.clear();
        l.fp.dialogs.nameAnswers = {Dialogs::kOtherName};
        l.fp.dialogs.inputAnswers = {QStringLiteral("lea ")};
        l.command7()->click();
        QCOMPARE(l.fp.dialogs.shown.at(1).text, QStringLiteral("Benutzername eingeben:"));
        QCOMPARE(l.command7()->text(), QStringLiteral("Lea"));
        l.fp.dialogs.nameAnswers = {Dialogs::kOtherName};
        l.fp.dialogs.inputAnswers = {QStringLiteral("Mira")};
        l.command7()->click();
        QCOMPARE(l.command7()->text(), QStringLiteral("Mira"));

        // Closing the names, or cancelling the box after them, changes nothing.
        l.fp.dialogs.clear();
        l.command7()->click();
        l.fp.dialogs.nameAnswers = {Dialogs::kOtherName};
        l.command7()->click();
        QCOMPARE(l.command7()->text(), QStringLiteral("Mira"));
        QCOMPARE(l.fp.dialogs.shown.size(), 3);
    }

    void withoutRepetitionAnEmptyQueueFallsThroughToFreeChoice()
    {
        Lesson l(QByteArray(" 1 \r\n 0 \r\n 0 \r\n 0 \r\n 16777215 \r\nBAER.TXT\r\n"));
        l.solve();
        QVERIFY(l.state()->aufgabe().isEmpty());
        part<TaskChoice>(l.w.get())->Command1_Click();
        l.fp.dialogs.clear();
        l.menu("menu2")->trigger();
        QVERIFY(l.fp.dialogs.shown.isEmpty());
        QVERIFY(part<TaskChoice>(l.w.get())->panelShown());
    }

    void queueEntryThatNoLongerExistsLoadsTheSelectedTaskUnderItsName()
    {
        Lesson l(QByteArray(" 1 \r\n 0 \r\n 0 \r\n 0 \r\n 16777215 \r\nWEG.TXT\r\n"));
        QCOMPARE(l.fp.dialogs.titles(), QStringList{QStringLiteral("WEG.TXT")});
        part<TaskChoice>(l.w.get())->File1()->setListIndex(2);
        l.fp.dialogs.clear();
        l.menu("menu2")->trigger();
        QCOMPARE(l.fp.dialogs.titles(), QStringList{QStringLiteral("WEG.TXT")});
        QCOMPARE(l.onBoard(), QStringLiteral("ZEBRA.TXT"));
        QCOMPARE(l.board()->state()->List1().first(), QStringLiteral("ZEBR"));
        // A task file that is gone when the folder is read again is selected no more.
        QVERIFY(QFile::remove(l.pf.file(QStringLiteral("ZEBRA.TXT"))));
        part<TaskFolder>(l.w.get())->refresh();
        QVERIFY(l.onBoard().isEmpty() && part<TaskChoice>(l.w.get())->File1()->listIndex() < 0);
    }

    void editorLockSaysSo()
    {
        Lesson l(QByteArray(" 0 \r\n 0 \r\n 1 \r\n 0 \r\n 16777215 \r\n"));
        l.fp.dialogs.clear();
        l.menu("menu3")->trigger();
        QCOMPARE(l.fp.dialogs.shown.size(), 1);
        QCOMPARE(l.fp.dialogs.shown.first().title, QStringLiteral("Abbruch"));
        QCOMPARE(l.fp.dialogs.shown.first().text, QStringLiteral("Der Editor wurde im Zusatzmenü deaktiviert.\r\r"));
        QCOMPARE(l.fp.dialogs.shown.first().icon, MsgIcon::Exclamation);
        QVERIFY(l.w->isVisible());
    }

    void administratorLocksTheEditorAndTheSettings()
    {
        const QByteArray ini(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 16777215 \r\n");
        Lesson l(ini);
        l.files.system = {l.pf.file(QStringLiteral("xdg/duplikon.conf"))};
        l.pf.write(QStringLiteral("xdg/duplikon.conf"), "[Fest]\nEditorAus=true\n");
        l.start();
        QVERIFY(l.box("Check3")->isChecked() && !l.box("Check3")->isEnabled());
        l.fp.dialogs.clear();
        l.menu("menu3")->trigger();
        QCOMPARE(l.fp.dialogs.titles(), QStringList{QStringLiteral("Abbruch")});
        l.lesson()->Command3_Click(); // the folder's settings file keeps its own value
        QCOMPARE(l.pf.read(QStringLiteral("DUPLIKON.INI")), ini);

        l.pf.write(QStringLiteral("xdg/duplikon.conf"), "[Fest]\nEinstellungenAus=true\n");
        l.start();
        QVERIFY(!l.box("Check3")->isChecked() && l.box("Check3")->isEnabled());
        l.fp.dialogs.clear();
        l.fp.dialogs.inputAnswers = {QStringLiteral("0")};
        l.menu("menu4")->trigger();
        QCOMPARE(l.fp.dialogs.titles(), QStringList{QStringLiteral("Einstellungen")});
        QCOMPARE(l.fp.dialogs.shown.first().text, QStringLiteral("Die Einstellungen wurden vom Administrator gesperrt.\r"));
        QVERIFY(!l.panel()->shown() && l.fp.dialogs.inputAnswers.size() == 1); // no password asked
    }

    void moreSettingsStoreTheUsersChoiceAndShowFixedValuesGreyed()
    {
        Lesson l;
        l.files = {l.pf.file(QStringLiteral("home/duplikon.conf")), {l.pf.file(QStringLiteral("xdg/duplikon.conf"))}};
        l.start();
        ExtraSettingsDialog *d = l.openMoreSettings();
        QCOMPARE(d->windowTitle(), QStringLiteral("Weitere Einstellungen"));
        auto *note = child<QLabel>(d, "sizeNote");
        QVERIFY(!note->isVisibleTo(d));
        child<QRadioButton>(d, "size200")->click();
        QVERIFY(note->isVisibleTo(d) && note->text() == QStringLiteral("Die neue Fenstergröße gilt ab dem nächsten Start."));
        child<QCheckBox>(d, "tapPlay")->click();
        QSignalSpy changed(l.extra.get(), &ClassroomConfig::changed);
        d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(changed.count() == 2 && l.extra->value(config::tapPlay));
        QCOMPARE(ClassroomConfig(l.files).value(config::windowSize), WindowSize::Double);

        // An administrator fixes tap play: greyed; the size stays free.
        l.pf.write(QStringLiteral("xdg/duplikon.conf"), "[Fest]\nAntippen=false\n");
        l.start();
        d = l.openMoreSettings();
        QVERIFY(!child<QCheckBox>(d, "tapPlay")->isChecked() && !child<QCheckBox>(d, "tapPlay")->isEnabled());
        QVERIFY(child<QRadioButton>(d, "size200")->isChecked() && child<QRadioButton>(d, "size200")->isEnabled());

        // "Ergebnisse ..." stands left of "Weitere ..." and "Ergebnisse aufbewahren"
        // is offered, greyed when fixed; ErgebnisseAus removes both.
        auto *results = child<QPushButton>(l.w.get(), "showResults");
        QVERIFY(results->isVisibleTo(l.panel()->Picture2()) && results->geometry() == QRect(292, 10, 105, 25));
        QVERIFY(child<QCheckBox>(d, "keepResults")->isEnabled() && !child<QCheckBox>(d, "keepResults")->isChecked());
        l.pf.write(QStringLiteral("xdg/duplikon.conf"), "[Fest]\nErgebnisse=true\n");
        l.start();
        d = l.openMoreSettings();
        QVERIFY(child<QCheckBox>(d, "keepResults")->isChecked() && !child<QCheckBox>(d, "keepResults")->isEnabled());
        // the card box follows the results: greyed with a reason while they are off
        auto *cardBox = child<QCheckBox>(d, "cardBox");
        QVERIFY(cardBox->isEnabled() && !child<QLabel>(d, "cardBoxNote")->isVisibleTo(d));
        cardBox->click();
        d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(l.extra->value(config::cardBox));
        l.pf.write(QStringLiteral("xdg/duplikon.conf"), "");
        l.start();
        d = l.openMoreSettings();
        QVERIFY(!child<QCheckBox>(d, "cardBox")->isEnabled() && child<QLabel>(d, "cardBoxNote")->isVisibleTo(d));
        child<QCheckBox>(d, "keepResults")->click();
        QVERIFY(child<QCheckBox>(d, "cardBox")->isEnabled() && child<QCheckBox>(d, "cardBox")->isChecked());
        l.pf.write(QStringLiteral("xdg/duplikon.conf"), "[Fest]\nErgebnisseAus=true\n");
        l.start();
        d = l.openMoreSettings();
        QVERIFY(!d->findChild<QCheckBox *>(QStringLiteral("keepResults")));
        QVERIFY(!child<QPushButton>(l.w.get(), "showResults")->isVisibleTo(l.panel()->Picture2()));
    }

    void readAloudStartsTheSpeechOffersItsVoicesAndStoresVoiceAndTempo()
    {
        Lesson l;
        l.files = {l.pf.file(QStringLiteral("home/duplikon.conf")), {l.pf.file(QStringLiteral("xdg/duplikon.conf"))}};
        l.start();
        ExtraSettingsDialog *d = l.openMoreSettings();
        auto *voice = child<QComboBox>(d, "voice");
        QVERIFY(l.fp.speech.starts == 0 && !voice->isEnabled() && !child<QSpinBox>(d, "tempo")->isEnabled());
        child<QCheckBox>(d, "readAloud")->click();
        QCOMPARE(l.fp.speech.starts, 1);
        QCOMPARE(voice->count(), 3); // the default, then the installed voices
        QVERIFY(voice->isEnabled() && !child<QLabel>(d, "speechNote")->isVisibleTo(d));
        voice->setCurrentIndex(voice->findText(QStringLiteral("English")));
        child<QSpinBox>(d, "tempo")->setValue(-40);
        d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        const ClassroomConfig stored(l.files);
        QVERIFY(stored.value(config::readAloud) && stored.value(config::voice) == QStringLiteral("English")
                && stored.value(config::tempo) == -40);

        // Fixed values are greyed; TonAus greys the whole part and starts nothing.
        l.pf.write(QStringLiteral("xdg/duplikon.conf"), "[Fest]\nStimme=Gone\n");
        l.start();
        d = l.openMoreSettings();
        QVERIFY(child<QCheckBox>(d, "readAloud")->isEnabled() && !child<QComboBox>(d, "voice")->isEnabled());
        QCOMPARE(child<QComboBox>(d, "voice")->currentText(), QStringLiteral("Gone (nicht installiert)"));
        QVERIFY(child<QSpinBox>(d, "tempo")->isEnabled() && child<QSpinBox>(d, "tempo")->value() == -40);
        l.pf.write(QStringLiteral("xdg/duplikon.conf"), "[Fest]\nTonAus=true\n");
        l.start();
        d = l.openMoreSettings();
        QVERIFY(!child<QCheckBox>(d, "readAloud")->isEnabled() && !child<QSpinBox>(d, "tempo")->isEnabled());
        QVERIFY(l.fp.speech.starts == 2 && child<QCheckBox>(d, "tapPlay")->isEnabled());
    }

    void withoutASpeechServiceReadAloudIsGreyedWithANote()
    {
        Lesson l;
        l.fp.speech.fail = true;
        l.fp.dialogs.inputAnswers = {QStringLiteral("0")};
        l.menu("menu4")->trigger();
        child<QPushButton>(l.w.get(), "moreSettings")->click();
        auto *d = child<ExtraSettingsDialog>(l.w.get(), "classroomConfig");
        auto *note = child<QLabel>(d, "speechNote");
        QVERIFY(!note->isVisibleTo(d));
        child<QCheckBox>(d, "readAloud")->click();
        QVERIFY(!child<QCheckBox>(d, "readAloud")->isEnabled() && !child<QComboBox>(d, "voice")->isEnabled());
        QVERIFY(note->isVisibleTo(d) && note->text() == QStringLiteral("Keine Sprachausgabe gefunden"));
        QVERIFY(child<QCheckBox>(d, "tapPlay")->isEnabled() && child<QRadioButton>(d, "size150")->isEnabled());
    }

    void damagedSettingsFileStartsQuietlyWithTheDesignLook()
    {
        Lesson l(QByteArray("\x01\x02garbage\r\nnot a number\r\n"));
        QVERIFY(l.fp.dialogs.shown.isEmpty());
        QVERIFY(!l.state()->mandatoryTasks());
        QCOMPARE(l.board()->state()->questionColour(), ColourValue(0xFFFFFF));
        QCOMPARE(shownColour(l.board()->cellLabel(0)), toQColor(0xFFFFFF));
    }
};

QTEST_MAIN(LessonTest)
#include "LessonTest.moc"
