// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, activation, task choice, short list, exit and
// the size "Bildschirm".
#include "TestWindow.h"

#include "app/MainWindow.h"
#include "app/PlaySession.h"
#include "app/SideWindows.h"
#include "lesson/TaskChoice.h"
#include "app/WindowScale.h"
#include "board/Board.h"
#include "board/SolutionPicture.h"
#include "check/CheckWindow.h"
#include "editor/EditorWindow.h"
#include "lesson/LessonState.h"
#include "lesson/SettingsPanel.h"
#include "pictures/PictureBox.h"
#include "tasks/TaskFolder.h"
#include "platform/Colours.h"
#include "platform/KeyboardAccess.h"
#include "platform/ListBox.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace duplikon;
using namespace duplikon::test;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    static void fillDemo(const ProgramFolder &pf)
    {
        pf.writeTask(QStringLiteral("TIERE.TXT"), {QStringLiteral("Hund"), QStringLiteral("Hund.bmp"),
                                                   QStringLiteral("Katze"), QStringLiteral("Mieze")});
        pf.writeTask(QStringLiteral("ZAHLEN.TXT"), {QStringLiteral("eins"), QStringLiteral("1"), QString(),
                                                    QStringLiteral("zwei"), QStringLiteral("Bilder\\Zwei.jpg")});
        pf.writePicture(QStringLiteral("Hund.bmp"), Qt::red);
        pf.writePicture(QStringLiteral("Bilder/Zwei.jpg"), Qt::blue);
        pf.writePicture(QStringLiteral("DUPBILDER/Sonne.bmp"), Qt::yellow, QSize(833, 505));
    }

    // The main window over the demo folder and what `more` adds to it, on the
    // screen unless show is false.
    static std::unique_ptr<TestWindow> demo(const std::function<void(const ProgramFolder &)> &more = {},
                                            bool show = true)
    {
        auto t = std::make_unique<TestWindow>();
        fillDemo(t->pf);
        if (more)
            more(t->pf);
        t->start(show);
        return t;
    }

private slots:
    void startUpFindsFoldersAndOpensThePanelOverTheFirstTask()
    {
        TestWindow t;
        const ProgramFolder &pf = t.pf;
        fillDemo(pf);
        // hidden files that another system left beside the task and the picture
        pf.write(QStringLiteral("._TIERE.TXT"), QByteArray("\0\5\x16\7", 4));
        pf.write(QStringLiteral("DUPBILDER/._Sonne.bmp"), QByteArray("\0\5\x16\7", 4));
        FakePlatform &fp = t.fp;
        t.start(false);
        MainWindow &w = t.window();
        QVERIFY(fp.dialogs.shown.isEmpty()); // DUPBILDER is there: no message
        QCOMPARE(part<TaskChoice>(&w)->programFolder(), pf.folder());
        QCOMPARE(part<SolutionPicture>(&w)->File3(), QStringList{QStringLiteral("Sonne.bmp")});
        QCOMPARE(w.windowTitle(), QStringLiteral("Duplikon"));

        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.activations(), 1);
        // The first task of the list is on the board, the panel lies over it.
        QCOMPARE(part<TaskChoice>(&w)->File1()->entries(), (QStringList{QStringLiteral("TIERE.TXT"), QStringLiteral("ZAHLEN.TXT")}));
        QCOMPARE(part<TaskChoice>(&w)->selectedTaskFile(), QStringLiteral("TIERE.TXT"));
        QVERIFY(part<TaskChoice>(&w)->panelShown());
        QCOMPARE(child<QFrame>(&w, "Dateibild")->x() * 15, 720);
        QCOMPARE(t.visibleHalves().size(), 4);
        QVERIFY(fp.dialogs.shown.isEmpty());
        // Text cells are 14 pt and bold after start-up; the button names the other style.
        QCOMPARE(part<Board>(&w)->cellLabel(4)->font().pointSizeF(), 14.0);
        QVERIFY(part<Board>(&w)->cellLabel(4)->font().bold());
        QCOMPARE(child<QPushButton>(&w, "Command6")->text(), QStringLiteral("Normal"));
        // The window keeps its designed client size.
        QCOMPARE(w.centralWidget()->size(), QSize(864, 576));

        // "Abbruch" uncovers the board, which keeps its task.
        QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);
        QVERIFY(!part<TaskChoice>(&w)->panelShown());
        QCOMPARE(t.visibleHalves().size(), 4);
    }

    void missingSolutionFolderIsReportedBeforeTheSettingsAreRead()
    {
        TestWindow t;
        const ProgramFolder &pf = t.pf;
        pf.writeTask(QStringLiteral("A.TXT"), {QStringLiteral("x"), QStringLiteral("y")});
        pf.write(QStringLiteral("DUPLIKON.INI"), " 0 \r\n 1 \r\n 0 \r\n 0 \r\n 14737632 \r\n");
        pf.writePicture(QStringLiteral("Hund.bmp"), Qt::red);
        FakePlatform &fp = t.fp;
        bool settingsReadYet = true;
        MainWindow *window = nullptr;
        fp.dialogs.onShow = [&](const ShownDialog &d) {
            if (d.title == QStringLiteral("Ordner 'DUPBILDER' fehlt:"))
                settingsReadYet = false;
        };
        t.start(false);
        MainWindow &w = t.window();
        window = &w;
        QCOMPARE(fp.dialogs.titles(), QStringList{QStringLiteral("Ordner 'DUPBILDER' fehlt:")});
        QCOMPARE(fp.dialogs.shown.first().text, QStringLiteral("Der Bildordner für die Lösungsbilder wurde nicht gefunden!\r\r"));
        QVERIFY(!settingsReadYet);
        QVERIFY(part<LessonState>(window)->shortChoice()); // read after the message
        QVERIFY(!window->isVisible());
        // The solution list keeps the working folder; its pictures are looked
        // for in the missing DUPBILDER folder, so showing one fails.
        QCOMPARE(part<SolutionPicture>(&w)->File3(), QStringList{QStringLiteral("Hund.bmp")});
        fp.dialogs.shown.clear();
        part<SolutionPicture>(&w)->LoesungsbildZeigen();
        QCOMPARE(fp.dialogs.titles(), QStringList{QStringLiteral("Bildfehler")});
        QVERIFY(!part<SolutionPicture>(&w)->shown());
        QCOMPARE(part<SolutionPicture>(&w)->List8(), QStringList{QStringLiteral("Hund.bmp")});
    }

    void noTaskFilesSaysSo()
    {
        TestWindow t;
        const ProgramFolder &pf = t.pf;
        pf.makeFolder(QStringLiteral("DUPBILDER"));
        FakePlatform &fp = t.fp;
        t.start(false);
        MainWindow &w = t.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(fp.dialogs.titles(), QStringList{QStringLiteral("Duplikon")});
        QCOMPARE(fp.dialogs.shown.first().text, QStringLiteral("Es sind keine Dateien vorhanden!\r\r"));
        QCOMPARE(part<Board>(&w)->hiddenControls(), 40);
    }

    void firstActivationMessageStandsOverTheShownWindow()
    {
        auto t = demo([](const ProgramFolder &pf) {
            pf.write(QStringLiteral("DUPLIKON.INI"), " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 14737632 \r\nZAHLEN.TXT\r\n");
        }, false);
        MainWindow &w = t->window();
        FakePlatform &fp = t->fp;
        bool windowShown = false;
        fp.dialogs.onShow = [&](const ShownDialog &) {
            windowShown = w.windowHandle() && w.windowHandle()->isVisible();
        };
        w.show();
        QCOMPARE(w.activations(), 1);
        QCOMPARE(fp.dialogs.titles(), QStringList{QStringLiteral("ZAHLEN.TXT")});
        // The window system shows the main window before the message is shown.
        QVERIFY(windowShown);
        w.hide();
        w.show();
        QCOMPARE(w.activations(), 1); // showing the window again is no first activation
    }

    void everyActivationTogglesBoldAndReloadsTheFirstTask()
    {
        auto t = demo();
        MainWindow &w = t->window();
        // Another task, bigger type: the next activation sets 14 pt again and loads the first file.
        part<TaskChoice>(&w)->File1()->setListIndex(1);
        QTest::mouseClick(child<QPushButton>(&w, "Command2"), Qt::LeftButton);
        QCOMPARE(w.windowTitle(), QStringLiteral("Duplikon (ZAHLEN.TXT)"));
        child<QPushButton>(&w, "Schrift2")->click();
        child<QPushButton>(&w, "Schrift2")->click();
        QCOMPARE(part<Board>(&w)->cellLabel(0)->font().pointSizeF(), 18.0);
        w.Form_Activate();
        QCOMPARE(w.activations(), 2);
        QCOMPARE(part<Board>(&w)->cellLabel(0)->font().pointSizeF(), 14.0);
        QVERIFY(!part<Board>(&w)->cellLabel(0)->font().bold());
        QCOMPARE(child<QPushButton>(&w, "Command6")->text(), QStringLiteral("Fett"));
        QCOMPARE(part<TaskChoice>(&w)->selectedTaskFile(), QStringLiteral("TIERE.TXT"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Duplikon (ZAHLEN.TXT)")); // only "L a d e n" sets it
        QCOMPARE(part<Board>(&w)->state()->List1().first(), QStringLiteral("Hund"));
    }

    void panelPreviewsThePairUnderTheSelectedLine()
    {
        auto t = demo();
        MainWindow &w = t->window();
        const ProgramFolder &pf = t->pf;
        TaskChoice *c = part<TaskChoice>(&w);
        auto *list4 = child<ListBox>(&w, "List4");
        auto *picture1 = child<PictureBox>(&w, "Picture1");
        auto *picture3 = child<PictureBox>(&w, "Picture3");
        c->File1()->setListIndex(1); // ZAHLEN.TXT: eins, 1, "", zwei, Bilder\Zwei.jpg
        QCOMPARE(list4->count(), 5);
        QCOMPARE(list4->listIndex(), 0);
        QCOMPARE(picture1->writtenText(), QStringLiteral("eins"));
        QCOMPARE(picture3->writtenText(), QStringLiteral("1"));
        // Lines pair by position, empty lines included: 3 previews 2 and 3.
        list4->setListIndex(3);
        QVERIFY(picture1->writtenText().isEmpty());
        QVERIFY(!picture1->hasPicture());
        QCOMPARE(picture3->writtenText(), QStringLiteral("zwei"));
        // The last line alone: the picture in Picture1 (found with "\" as separator), Picture3 empty.
        list4->setListIndex(4);
        QVERIFY(picture1->hasPicture());
        QVERIFY(picture1->image().pixelColor(5, 5).blue() > 240);
        QVERIFY(!picture3->hasPicture());
        QVERIFY(picture3->writtenText().isEmpty());
        // The preview tests the path, not the bare line: a line shorter than
        // four characters ends in the folder separator and is written as text.
        pf.writeTask(QStringLiteral("KURZ.TXT"), {QStringLiteral("GIF"), QStringLiteral("Hund.bmp")});
        part<TaskFolder>(&w)->refresh();
        c->File1()->setListIndex(c->File1()->entries().indexOf(QStringLiteral("KURZ.TXT")));
        QCOMPARE(picture1->writtenText(), QStringLiteral("GIF"));
        QVERIFY(!picture1->hasPicture());
        QVERIFY(picture3->hasPicture());
        // A half with a leading separator is read in the program folder, in the
        // preview and on the board, never at the root of the file system.
        pf.writeTask(QStringLiteral("WURZEL.TXT"), {QStringLiteral("\\Hund.bmp"), QStringLiteral("/hund.BMP")});
        part<TaskFolder>(&w)->refresh();
        c->File1()->setListIndex(c->File1()->entries().indexOf(QStringLiteral("WURZEL.TXT")));
        QVERIFY(picture1->hasPicture() && picture3->hasPicture());
        part<PlaySession>(&w)->open(QStringLiteral("WURZEL.TXT"));
        QVERIFY(part<Board>(&w)->cellPicture(0)->hasPicture() && part<Board>(&w)->cellPicture(1)->hasPicture());
        // A sound half: the loudspeaker with the file's name, crossed out when it cannot play.
        pf.writeTask(QStringLiteral("TON.TXT"), {QStringLiteral("Tiere\\Hund.wav"), QStringLiteral("Katze.mp3")});
        pf.write(QStringLiteral("Tiere/Hund.wav"), toneWave(50));
        part<TaskFolder>(&w)->refresh();
        c->File1()->setListIndex(c->File1()->entries().indexOf(QStringLiteral("TON.TXT")));
        QVERIFY(picture1->showsSound() && !picture1->soundCrossed() && picture3->soundCrossed());
        QCOMPARE(picture1->soundName(), QStringLiteral("Hund.wav"));
        QCOMPARE(picture3->soundName(), QStringLiteral("Katze.mp3"));
    }

    void shortListOpensClosesAndLoadsWithoutChangingTheTitle()
    {
        auto t = demo([](const ProgramFolder &pf) {
            pf.write(QStringLiteral("DUPLIKON.INI"), " 0 \r\n 1 \r\n 0 \r\n 0 \r\n 16777215 \r\n");
        });
        MainWindow &w = t->window();
        TaskChoice *c = part<TaskChoice>(&w);
        auto *list5 = child<ListBox>(&w, "List5");
        QVERIFY(!c->panelShown());
        QVERIFY(!c->shortListShown()); // the activation's own file list load parked it again
        child<QAction>(&w, "menu2")->trigger();
        QVERIFY(c->shortListShown());
        QCOMPARE(list5->x() * 15, 840);
        QCOMPARE(list5->entries(), (QStringList{QStringLiteral("TIERE"), QStringLiteral("ZAHLEN")}));
        child<QAction>(&w, "menu2")->trigger();
        QVERIFY(!c->shortListShown());
        child<QAction>(&w, "menu2")->trigger();
        // A click on an entry loads it at once and parks the list.
        QListWidgetItem *item = list5->item(1);
        QTest::mouseClick(list5->viewport(), Qt::LeftButton, {}, list5->visualItemRect(item).center());
        QVERIFY(!c->shortListShown());
        QCOMPARE(c->selectedTaskFile(), QStringLiteral("ZAHLEN.TXT"));
        QCOMPARE(part<Board>(&w)->state()->List1().first(), QStringLiteral("eins"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Duplikon"));
    }

    void unreadableTaskFileIsReportedAndLeavesTheBoardEmpty()
    {
        auto t = demo([](const ProgramFolder &pf) {
            pf.makeFolder(QStringLiteral("AAA.TXT")); // a folder named like a task file
        });
        MainWindow &w = t->window();
        FakePlatform &fp = t->fp;
        const ProgramFolder &pf = t->pf;
        QCOMPARE(part<TaskChoice>(&w)->File1()->entries().size(), 2); // folders are no task files
        pf.write(QStringLiteral("BIG.TXT"), QByteArray(1024 * 1024 + 10, 'a'));
        part<TaskChoice>(&w)->DateilisteFuellen();
        fp.dialogs.clear();
        part<TaskChoice>(&w)->File1()->setListIndex(0); // BIG.TXT
        QTest::mouseClick(child<QPushButton>(&w, "Command2"), Qt::LeftButton);
        QCOMPARE(fp.dialogs.titles(), QStringList{QStringLiteral("Duplikon")});
        QCOMPARE(fp.dialogs.shown.first().text, QStringLiteral("Die Datei BIG.TXT kann nicht gelesen werden.\r\r"));
        QCOMPARE(part<Board>(&w)->hiddenControls(), 40);
        // a folder named like a task file, chosen all the same
        part<PlaySession>(&w)->open(QStringLiteral("TIERE.TXT"));
        QCOMPARE(part<Board>(&w)->hiddenControls(), 36);
        fp.dialogs.clear();
        part<PlaySession>(&w)->open(QStringLiteral("AAA.TXT"));
        QCOMPARE(fp.dialogs.titles(), QStringList{QStringLiteral("Duplikon")});
        QCOMPARE(part<Board>(&w)->hiddenControls(), 40);
    }

    void pictureHalfThatCannotBeLoadedShowsItsName()
    {
        TestWindow t;
        const ProgramFolder &pf = t.pf;
        pf.writeTask(QStringLiteral("A.TXT"), {QStringLiteral("Hund"), QStringLiteral("Fehlt.gif"),
                                               QStringLiteral("Kaputt.jpg"), QStringLiteral("x")});
        pf.write(QStringLiteral("Kaputt.jpg"), "not a picture at all");
        FakePlatform &fp = t.fp;
        t.start(false);
        MainWindow &w = t.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        int pictures = 0;
        for (int i = 0; i < 4; ++i) {
            PictureBox *b = part<Board>(&w)->cellPicture(i);
            if (!b->isHidden()) {
                ++pictures;
                QVERIFY(!b->hasPicture());
                QVERIFY(b->note() == QStringLiteral("Fehlt.gif") || b->note() == QStringLiteral("Kaputt.jpg"));
            }
        }
        QCOMPARE(pictures, 2);
        QCOMPARE(fp.dialogs.shown.size(), 1); // only the start-up's missing DUPBILDER message
    }

    void exitQuestionNoKeepsEverything()
    {
        auto t = demo();
        MainWindow &w = t->window();
        FakePlatform &fp = t->fp;
        const QStringList before = part<Board>(&w)->state()->List3();
        fp.dialogs.clear();
        fp.dialogs.yesNoAnswers = {false};
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(fp.dialogs.shown.size(), 1);
        QCOMPARE(fp.dialogs.shown.first().kind, ShownDialog::Question);
        QCOMPARE(fp.dialogs.shown.first().title, QStringLiteral("Duplikon"));
        QCOMPARE(fp.dialogs.shown.first().text, QStringLiteral("Dieses Programm jetzt beenden?\r\r"));
        QCOMPARE(part<Board>(&w)->state()->List3(), before);
        QCOMPARE(child<QPushButton>(&w, "punkte")->text(), QStringLiteral(" 0 Punkte"));

        // "Beenden" with No does nothing either; with Yes it ends without a second question.
        fp.dialogs.yesNoAnswers = {false};
        child<QAction>(&w, "menu1a")->trigger();
        QVERIFY(w.isVisible());
        fp.dialogs.clear();
        fp.dialogs.yesNoAnswers = {true};
        child<QAction>(&w, "menu1a")->trigger();
        QVERIFY(w.close()); // the program is ending: no further question
        QCOMPARE(fp.dialogs.shown.size(), 1);
    }

    void aboutBoxHasTwoLines()
    {
        auto t = demo({}, false);
        MainWindow &w = t->window();
        FakePlatform &fp = t->fp;
        child<QAction>(&w, "menu1b")->trigger();
        QCOMPARE(fp.dialogs.shown.size(), 1);
        QCOMPARE(fp.dialogs.shown.first().title, QStringLiteral("Duplikon"));
        QCOMPARE(fp.dialogs.shown.first().icon, MsgIcon::None);
        QCOMPARE(fp.dialogs.shown.first().text.count(QLatin1Char('\r')), 1);
    }

    void colourFieldsCycleAndTwoColourModeSplitsEveryPair()
    {
        auto t = demo();
        MainWindow &w = t->window();
        FakePlatform &fp = t->fp;
        // White is not in the cycle: the first click goes to step 1.
        emit part<SettingsPanel>(&w)->questionColourClicked();
        QCOMPARE(part<Board>(&w)->state()->questionColour(), kSystemWindow);
        emit part<SettingsPanel>(&w)->questionColourClicked();
        QCOMPARE(part<Board>(&w)->state()->questionColour(), ColourValue(0xE0E0E0));
        QCOMPARE(shownColour(part<Board>(&w)->cellPicture(19)), toQColor(0xE0E0E0)); // one colour: all 20 cells
        child<QCheckBox>(&w, "Check4")->setChecked(true);
        QHash<QChar, QList<QColor>> byPair;
        for (int i = 0; i < part<Board>(&w)->state()->List3().size(); ++i)
            byPair[part<Board>(&w)->state()->List3().at(i).at(0)] << shownColour(part<Board>(&w)->cellLabel(i));
        for (const QList<QColor> &colours : byPair) {
            QCOMPARE(colours.size(), 2);
            QCOMPARE(colours.at(0), toQColor(0xE0E0E0)); // lower cell: "Fragen"
            QCOMPARE(colours.at(1), toQColor(0xFFFFC0)); // the other: "Antworten"
        }
        QCOMPARE(shownColour(part<Board>(&w)->cellLabel(19)), toQColor(0)); // no half: black, hidden
        part<SettingsPanel>(&w)->Command9_Click();
        QCOMPARE(fp.dialogs.shown.last().title, QStringLiteral("Hintergrundfarbe"));
    }

    void screenSizeIsTheLargestQuarterStepThatFits()
    {
        const QSize window(870, 620);
        QCOMPARE(screenScale(QSize(1920, 1300), window), 2.0);
        QCOMPARE(screenScale(QSize(1740, 1240), window), 2.0);
        QCOMPARE(screenScale(QSize(1920, 1050), window), 1.5);
        QCOMPARE(screenScale(QSize(3840, 2100), window), 3.25);
        QCOMPARE(screenScale(QSize(800, 600), window), 1.0); // never below the designed size
    }

    void everyButtonIsReachedByKeyAndNoAltLetterRepeatsInAWindow()
    {
        auto t = demo();
        MainWindow &w = t->window();
        part<SideWindows>(&w)->openEditor();
        for (QWidget *window : {static_cast<QWidget *>(&w), static_cast<QWidget *>(topLevel<EditorWindow>()),
                                static_cast<QWidget *>(part<SideWindows>(&w)->checkWindow(true))}) {
            // Alt letters of the window: its menu titles, buttons and check boxes
            QStringList keys;
            for (QAction *a : window->findChild<QMenuBar *>()->actions())
                keys << QKeySequence::mnemonic(a->text()).toString();
            for (QWidget *c : window->findChildren<QWidget *>()) {
                const QChar letter = altLetter(c);
                if (letter.isNull())
                    continue;
                keys << QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(letter.unicode()))).toString();
                // underlined in the caption as it stands, or, where every
                // letter of the caption is taken ("Weitere ..."), named in
                // the tooltip
                const QString caption = c->property("text").toString();
                QVERIFY2(caption.contains(letter, Qt::CaseInsensitive)
                             || c->toolTip().contains(QStringLiteral("Alt+") + letter),
                         qPrintable(c->objectName()));
            }
            QVERIFY2(!keys.contains(QString()), qPrintable(window->objectName()));
            QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
            // within each menu too
            for (QMenu *menu : window->findChildren<QMenu *>()) {
                QStringList items;
                for (QAction *a : menu->actions())
                    if (!a->isSeparator())
                        items << QKeySequence::mnemonic(a->text()).toString();
                QVERIFY(!items.contains(QString()));
                QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
            }
            // every button and check box takes the Tab focus
            for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
                if (!b->objectName().startsWith(QLatin1String("qt_"))) // Qt's own, in the menu bar
                    QVERIFY2(b->focusPolicy() & Qt::TabFocus, qPrintable(b->objectName()));
        }
    }

    void keyboardAloneOpensMenusPressesButtonsAndLoadsFromThePanel()
    {
        TestWindow t;
        const ProgramFolder &pf = t.pf;
        fillDemo(pf);
        FakePlatform &fp = t.fp;
        const QString beforeName = QApplication::style()->name();
        QApplication::setStyle(new KeyboardStyle);
        t.start(false);
        MainWindow &w = t.window();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(part<TaskChoice>(&w)->panelShown());
        QCOMPARE(QApplication::focusWidget(), part<TaskChoice>(&w)->File1()); // the panel took the focus
        QVERIFY(!QApplication::style()->styleHint(QStyle::SH_UnderlineShortcut));

        // F10: the menu bar in keyboard navigation, Escape gives the focus back
        QTest::keyClick(&w, Qt::Key_F10);
        QCOMPARE(QApplication::focusWidget(), w.menuBar());
        QCOMPARE(w.menuBar()->activeAction()->text(), QStringLiteral("&Programm"));
        QTest::keyClick(w.menuBar(), Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), part<TaskChoice>(&w)->File1());

        // Alt+B is "Abbruch", Alt+Z the two-colour box; captions stay as designed
        auto *check4 = child<QCheckBox>(&w, "Check4");
        QTest::keyClick(&w, Qt::Key_B, Qt::AltModifier);
        QVERIFY(!part<TaskChoice>(&w)->panelShown());
        QTest::keyClick(&w, Qt::Key_Z, Qt::AltModifier);
        QVERIFY(check4->isChecked());
        QCOMPARE(check4->text(), QStringLiteral("zweifarbige Fenster"));

        // Alt+L is "Laden"; Down and Enter in the file list load the next task
        QTest::keyClick(&w, Qt::Key_L, Qt::AltModifier);
        QVERIFY(part<TaskChoice>(&w)->panelShown());
        QCOMPARE(QApplication::focusWidget(), part<TaskChoice>(&w)->File1());
        QTest::keyClick(part<TaskChoice>(&w)->File1(), Qt::Key_Down);
        QTest::keyClick(part<TaskChoice>(&w)->File1(), Qt::Key_Return);
        QVERIFY(!part<TaskChoice>(&w)->panelShown());
        QCOMPARE(w.windowTitle(), QStringLiteral("Duplikon (ZAHLEN.TXT)"));
        // with no panel left over it, the board takes the focus on its first cell
        QWidget *firstCell = part<Board>(&w)->cellPicture(0)->isHidden() ? static_cast<QWidget *>(part<Board>(&w)->cellLabel(0))
                                                                : part<Board>(&w)->cellPicture(0);
        QCOMPARE(QApplication::focusWidget(), firstCell);

        // the short list: arrows move without loading, Enter loads
        auto *list5 = child<ListBox>(&w, "List5");
        part<TaskChoice>(&w)->fillShortList();
        part<TaskChoice>(&w)->showShortList();
        QCOMPARE(QApplication::focusWidget(), list5);
        QTest::keyClick(list5, Qt::Key_Down);
        QVERIFY(part<TaskChoice>(&w)->shortListShown());
        QTest::keyClick(list5, Qt::Key_Up);
        QTest::keyClick(list5, Qt::Key_Space);
        QVERIFY(!part<TaskChoice>(&w)->shortListShown());
        QCOMPARE(part<TaskChoice>(&w)->selectedTaskFile(), QStringLiteral("TIERE.TXT"));

        // Alt+I and the password: the settings panel takes the focus, "O k a y" (Alt+O) gives it back
        fp.dialogs.inputAnswers = {QStringLiteral("0")};
        QTest::keyClick(&w, Qt::Key_I, Qt::AltModifier);
        QVERIFY(part<SettingsPanel>(&w)->shown());
        QCOMPARE(QApplication::focusWidget(), child<QCheckBox>(&w, "Check1"));
        QTest::keyClick(&w, Qt::Key_O, Qt::AltModifier);
        QVERIFY(!part<SettingsPanel>(&w)->shown());
        QVERIFY(part<Board>(&w)->cellIndex(QApplication::focusWidget()) >= 0);
        w.hide();
        QApplication::setStyle(beforeName);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
