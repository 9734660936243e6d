// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/TaskChoice.h"
#include "tasks/TaskFolder.h"
#include "board/Board.h"
#include "board/BoardKeyboard.h"
#include "board/BoardVoice.h"
#include "board/BoardState.h"
#include "board/ColourCycle.h"
#include "board/SolutionPicture.h"
#include "tasks/ClassList.h"
#include "tasks/Task.h"
#include "lesson/LessonRules.h"
#include "lesson/LessonState.h"
#include "lesson/SettingsPanel.h"
#include "pictures/PictureBox.h"
#include "platform/ActivationWatcher.h"
#include "platform/Fonts.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/ClassroomConfig.h"
#include "platform/FileLists.h"
#include "platform/Geometry.h"
#include "platform/KeyboardAccess.h"
#include "platform/ListBox.h"

#include "lesson/SettingsFile.h"
#include "check/CheckWindow.h"
#include "check/ResultsWindow.h"
#include "app/ResultsRecorder.h"
#include "check/SolvedTaskLog.h"
#include "editor/EditorWindow.h"
#include "output/PageOutput.h"

#include <utility>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace duplikon {

MainWindow::MainWindow(Platform platform, const QString &workingFolder, ClassroomConfig *extra, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_workingFolder(workingFolder),
      m_lessonState(new LessonState(this)), m_log(new SolvedTaskLog(this)),
      m_extra(extra ? extra : new ClassroomConfig({}, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Duplikon"));
    buildMenu();

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(kClientWidth, kClientHeight);
    setBackground(m_client, toQColor(kSystem3DHighlight));
    setCentralWidget(m_client);

    // Stacked in this order: the cells, the solution picture over them, then
    // the panels, which are raised whenever they are shown.
    m_board = new Board(m_client, platform);
    buildStrip();
    m_solution = new SolutionPicture(m_client, platform);
    m_choice = new TaskChoice(m_client, platform, m_board->state(), m_lessonState);
    m_settings = new SettingsPanel(m_client, platform, m_lessonState);
    m_lesson = new LessonRules(this, platform, m_lessonState, m_board->state(), m_choice, m_settings, m_solution);
    ignoreHeldPressKeys();
    m_settings->setClassroomConfig(m_extra);
    m_lesson->setClassroomConfig(m_extra);
    m_board->keyboard()->setTapPlay(m_extra->value(config::tapPlay));
    m_board->voice()->setSettings(m_extra);
    m_lesson->setVoice(m_board->voice());
    connect(m_extra, &ClassroomConfig::changed, m_board->keyboard(), [this](config::Id key) {
        if (key == config::tapPlay)
            m_board->keyboard()->setTapPlay(m_extra->value(config::tapPlay));
        if (key == config::keepResults)
            keepResults();
    });

    // The board takes the keyboard focus whenever none of these lies over it.
    for (QWidget *cover : {m_choice->Dateibild(), m_choice->List5(), m_settings->Picture2(),
                           static_cast<QWidget *>(m_solution->loesungsbild())})
        m_board->keyboard()->addCover(cover);

    // The board and the strip show the lesson's look and user name.
    const auto showColours = [this] {
        m_board->state()->setQuestionColour(m_lessonState->questionColour());
        m_board->state()->setAnswerColour(m_lessonState->answerColour());
    };
    showColours();
    connect(m_lessonState, &LessonState::coloursChanged, this, showColours);
    connect(m_lessonState, &LessonState::twoColoursChanged, this, [this](bool on) {
        m_board->setTwoColours(on);
        const QSignalBlocker block(m_check4);
        m_check4->setChecked(on);
    });
    connect(m_lessonState, &LessonState::textStyleChanged, this,
            [this] { m_board->setTextStyle(m_lessonState->textSize(), m_lessonState->textBold()); });
    connect(m_lessonState, &LessonState::userNameChanged, this, [this](const QString &name) {
        m_command7->setText(name);
        m_command7->setAccessibleName(name);
    });

    connect(m_board->state(), &BoardState::solvedTask, this, &MainWindow::Fertigkontrolle);
    connect(m_board->keyboard(), &BoardKeyboard::lastPairMatched, this,
            [this] { m_punkte->setFocus(Qt::OtherFocusReason); });
    connect(m_board, &Board::answerColourChanged, m_choice, &TaskChoice::showAnswerColour);
    connect(m_choice, &TaskChoice::taskChosen, m_board, &Board::AufgabeLaden);
    connect(m_choice, &TaskChoice::titleChanged, this, &MainWindow::setWindowTitle);
    connect(m_lesson, &LessonRules::settingsConfirmed, this, &MainWindow::writeSettings);
    connect(m_lesson, &LessonRules::editorRequested, this, &MainWindow::menu3_Click);
    connect(m_settings, &SettingsPanel::questionColourClicked, this, &MainWindow::farbe1_Click);
    connect(m_settings, &SettingsPanel::answerColourClicked, this, &MainWindow::farbe2_Click);
    connect(m_settings, &SettingsPanel::okayClicked, m_lesson, &LessonRules::Command3_Click);
    connect(m_settings, &SettingsPanel::copyPageClicked, this, &MainWindow::Command10_Click);
    connect(m_settings, &SettingsPanel::printPageClicked, this, &MainWindow::Command8_Click);
    connect(m_settings, &SettingsPanel::resultsClicked, this, &MainWindow::openResults);

    m_activation = new ActivationWatcher(this);
    connect(m_activation, &ActivationWatcher::activatedAfterOtherWindow, this, [this] {
        if (m_shownOnce)
            Form_Activate();
    });

    // Start-up, once.
    centre();
    m_folder = new TaskFolder(workingFolder, this);
    m_lesson->setClassListFile(classListPath(workingFolder));
    m_choice->setTaskFolder(m_folder);
    m_settings->setTaskFolder(m_folder);
    QString folder = QDir::toNativeSeparators(workingFolder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    m_choice->setProgramFolder(folder);
    m_board->setProgramFolder(folder);
    if (!m_solution->setFolder(*m_folder)) {
        m_platform.dialogs->message(QStringLiteral("Ordner 'DUPBILDER' fehlt:"),
                                    QStringLiteral("Der Bildordner für die Lösungsbilder wurde nicht gefunden!\r\r"));
    }
    EinstellungenLesen();
    keepResults();
}

MainWindow::~MainWindow()
{
    delete m_activation; // no activation while the other windows go
    delete m_check;
    delete m_results;
    delete m_recorder; // waits at most a second for the last lines
    delete m_editor;
}

void MainWindow::buildMenu()
{
    // "&" marks each menu's letter: Alt and the letter open it (the letter is
    // underlined only while Alt is held); F10 opens the bar.
    QMenuBar *bar = menuBar();
    QMenu *menu1 = bar->addMenu(QStringLiteral("&Programm"));
    menu1->setObjectName(QStringLiteral("menu1"));
    const auto action = [](QWidget *on, const QString &caption, const char *name) {
        QAction *a = on->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    QAction *menu1a = action(menu1, QStringLiteral("&Beenden"), "menu1a");
    menu1->addSeparator()->setObjectName(QStringLiteral("menu1strich"));
    QAction *menu1b = action(menu1, QStringLiteral("&Autor ..."), "menu1b");
    QAction *menu2 = action(bar, QStringLiteral("&Laden"), "menu2");
    QAction *menu3 = action(bar, QStringLiteral("&Editor"), "menu3");
    QAction *menu4 = action(bar, QStringLiteral("E&instellungen"), "menu4");
    installMenuKey(this);

    connect(menu1a, &QAction::triggered, this, &MainWindow::menu1a_Click);
    connect(menu1b, &QAction::triggered, this, &MainWindow::menu1b_Click);
    connect(menu2, &QAction::triggered, this, [this] { m_lesson->menu2_Click(); });
    connect(menu3, &QAction::triggered, this, [this] { m_lesson->menu3_Click(); });
    connect(menu4, &QAction::triggered, this, [this] { m_lesson->menu4_Click(); });
}

void MainWindow::buildStrip()
{
    auto *frame = new QFrame(m_client);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    placeTwips(frame, 0, 8040, 13215, 855);
    frame->lower();

    const auto button = [this](const QString &caption, const char *name, int left, int width) {
        auto *b = new QPushButton(caption, m_client);
        b->setObjectName(QLatin1String(name));
        placeTwips(b, left, 8160, width, 375);
        b->setFont(designFont());
        return b;
    };
    m_command7 = button(QStringLiteral("Benutzer"), "Command7", 240, 2415);
    m_punkte = button(QStringLiteral(" 0 Punkte"), "punkte", 2760, 2415);
    m_check4 = new QCheckBox(QStringLiteral("zweifarbige Fenster"), m_client);
    m_check4->setObjectName(QStringLiteral("Check4"));
    placeTwips(m_check4, 7560, 8160, 2535, 375);
    m_check4->setFont(designFont());
    QPushButton *schrift1 = button(QStringLiteral("Abc"), "Schrift1", 10200, 735);
    schrift1->setAccessibleName(QStringLiteral("Abc kleiner"));
    schrift1->setFont(designFont(8.25, false, QStringLiteral("Arial")));
    schrift1->setToolTip(QStringLiteral("Schrift kleiner"));
    QPushButton *schrift2 = button(QStringLiteral("Abc"), "Schrift2", 10920, 735);
    schrift2->setAccessibleName(QStringLiteral("Abc größer"));
    schrift2->setFont(designFont(12, false));
    schrift2->setToolTip(QStringLiteral("Schrift größer"));
    m_command6 = button(QStringLiteral("Fett"), "Command6", 11760, 975);
    m_board->setPointsButton(m_punkte);
    // Alt letters of the strip; the menus and the panels have their own.
    setAltLetter(m_command7, QLatin1Char('N'));
    setAltLetter(m_punkte, QLatin1Char('U'));
    setAltLetter(m_check4, QLatin1Char('Z'));
    setAltLetter(schrift1, QLatin1Char('A'));
    setAltLetter(schrift2, QLatin1Char('C'));
    setAltLetter(m_command6, QLatin1Char('T'));

    connect(m_command7, &QPushButton::clicked, this, [this] { m_lesson->Command7_Click(); });
    connect(m_punkte, &QPushButton::clicked, this, &MainWindow::punkte_Click);
    connect(m_check4, &QCheckBox::toggled, this, [this](bool on) {
        m_lessonState->setTwoColours(on);
        Check4_Click();
    });
    connect(schrift1, &QPushButton::clicked, this, &MainWindow::Schrift1_Click);
    connect(schrift2, &QPushButton::clicked, this, &MainWindow::Schrift2_Click);
    connect(m_command6, &QPushButton::clicked, this, &MainWindow::Command6_Click);
}

void MainWindow::centre()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->geometry();
    const QSize designed(px(kOuterWidthTwips), px(kOuterHeightTwips));
    move(avail.x() + (avail.width() - designed.width()) / 2, avail.y() + (avail.height() - designed.height()) / 2);
}

void MainWindow::fixSize()
{
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(kClientWidth, kClientHeight + menuHeight);
}

// ---- activation -----------------------------------------------------------

void MainWindow::Form_Activate()
{
    ++m_activations;
    fixSize();
    // Text1 at 12 pt, one step larger for all cells: 14 pt.
    m_lessonState->setTextSize(12);
    Schrift2_Click();
    Command6_Click();
    m_lesson->menu2_Click();
    m_choice->DateilisteFuellen();
}

void MainWindow::setVisible(bool visible)
{
    QMainWindow::setVisible(visible);
    // The first activation runs once the window is on the screen, not from its
    // show event, which comes before the window system shows it: a message of
    // the activation (a mandatory task, the repetition) then stands over the
    // main window instead of appearing alone.
    if (visible && !m_shownOnce && isVisible()) {
        m_shownOnce = true;
        m_activation->reset();
        Form_Activate();
    }
}

// ---- settings file ----------------------------------------------------------

void MainWindow::EinstellungenLesen()
{
    // A missing or damaged file gives the defaults.
    Settings s;
    readSettingsFile(resolvePath(m_workingFolder, settingsFileName()), &s);
    m_lessonState->setSettings(s);
    m_lessonState->setAufgabe(s.pflicht);
    m_board->FarbenSetzen();
}

void MainWindow::writeSettings()
{
    // The question colour: cell 1 shows it whenever a task is on the board.
    // Without a task on the board the cells are black, and storing that would
    // lose the teacher's colour (a black board with black text at the next
    // start), so the colour of farbe1 itself is stored.
    const Settings s = m_lessonState->settings();
    QString error;
    if (!writeSettingsFile(QDir(m_workingFolder).filePath(settingsFileName()), s, &error)) {
        m_platform.dialogs->message(QStringLiteral("Einstellungen"),
                                    QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.\r%1\r").arg(error),
                                    MsgIcon::Exclamation);
    }
}

// ---- completion -------------------------------------------------------------

void MainWindow::Fertigkontrolle()
{
    if (!m_board->state()->solved())
        return;
    checkWindow(true);
    m_log->append(m_board->state()->task(), m_platform.clock->timeText());
    m_lesson->taskSolved();
    if (!m_solution->File3().isEmpty())
        m_solution->LoesungsbildZeigen();
    const QString praise = QStringLiteral("Prima, du hast die Aufgabe gelöst.\r"
                                          "Wähle dir eine neue Aufgabe aus!\r"
                                          "Klicke dazu im Menü auf 'Laden' ...\r");
    m_board->voice()->sayMessage(praise);
    m_platform.dialogs->message(QStringLiteral("Kontrolle"), praise);
}

void MainWindow::keepResults()
{
    const bool on = m_extra->value(config::keepResults) && !m_extra->value(config::resultsOff);
    if (on && !m_recorder)
        m_recorder = new ResultsRecorder(programFolder(), m_board->state(), m_lessonState, this);
    else if (!on && m_recorder)
        delete std::exchange(m_recorder, nullptr);
}

void MainWindow::openResults()
{
    if (m_extra->value(config::resultsOff))
        return;
    if (!m_results) {
        const QString folder = programFolder();
        m_results = new ResultsWindow(m_platform, ResultsRecorder::roots(folder), ResultsRecorder::cacheFile(folder));
        m_results->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_results->show();
    m_results->raise();
    m_results->activateWindow();
}

CheckWindow *MainWindow::checkWindow(bool create)
{
    if (!m_check && create) {
        auto *check = new CheckWindow(m_platform, programFolder(), m_log);
        check->setUserName(m_lessonState->userName());
        connect(m_lessonState, &LessonState::userNameChanged, check, &CheckWindow::setUserName);
        m_check = check;
    }
    return static_cast<CheckWindow *>(m_check.data());
}

void MainWindow::punkte_Click()
{
    CheckWindow *check = checkWindow(true);
    check->show();
    check->raise();
    check->activateWindow();
}

// ---- cell look --------------------------------------------------------------

void MainWindow::Check4_Click()
{
    m_board->Check4_Click();
}

void MainWindow::farbe1_Click()
{
    m_lessonState->setQuestionColour(nextColour(m_lessonState->questionColour()));
    Check4_Click();
}

void MainWindow::farbe2_Click()
{
    m_lessonState->setAnswerColour(nextColour(m_lessonState->answerColour()));
    Check4_Click();
}

void MainWindow::Command6_Click()
{
    const bool bold = m_lessonState->textBold();
    QFont buttonFont = m_command6->font();
    if (!bold) {
        m_command6->setText(QStringLiteral("Normal"));
        setAltLetter(m_command6, QLatin1Char('M'));
        buttonFont.setBold(false);
    } else {
        buttonFont.setBold(true);
        m_command6->setText(QStringLiteral("Fett"));
        setAltLetter(m_command6, QLatin1Char('T'));
    }
    m_command6->setFont(buttonFont);
    m_lessonState->setTextBold(!bold);
}

void MainWindow::Schrift1_Click()
{
    m_lessonState->setTextSize(smallerSize(m_lessonState->textSize()));
}

void MainWindow::Schrift2_Click()
{
    m_lessonState->setTextSize(largerSize(m_lessonState->textSize()));
}

// ---- page output ------------------------------------------------------------

BoardPage MainWindow::boardPage() const
{
    BoardPage page;
    const BoardState *state = m_board->state();
    for (int i = 0; i < Board::kCells; ++i) {
        PageCell &cell = page.cells[i];
        const BoardCell &c = state->cell(i);
        if (!c.shown)
            continue;
        if (c.picture) {
            cell.kind = PageCell::Picture;
            cell.picturePath = resolveHalf(programFolder(), c.half);
        } else if (c.sound) {
            cell.kind = PageCell::Sound;
            cell.text = halfFileName(c.half);
            cell.soundMissing = c.soundFile.isEmpty();
        } else {
            cell.kind = PageCell::Text;
            cell.text = c.half;
        }
    }
    page.textFont = Board::textFont(m_lessonState->textSize(), m_lessonState->textBold());
    return page;
}

void MainWindow::Command10_Click()
{
    SeiteInAblage(boardPage(), m_platform);
}

void MainWindow::Command8_Click()
{
    m_settings->park();
    if (!m_platform.dialogs->askYesNo(QStringLiteral("Drucken"),
                                      QStringLiteral("Wollen Sie die aktuelle Seite drucken?\r\r")))
        return;
    if (m_lessonState->task().isEmpty())
        return;
    SeiteDrucken(boardPage(), m_platform);
}

// ---- editor -----------------------------------------------------------------

void MainWindow::menu3_Click()
{
    openEditor();
}

void MainWindow::openEditor()
{
    if (!m_editor)
        m_editor = new EditorWindow(m_platform, this);
    QWidget *editor = m_editor;
    hide();
    editor->show();
    editor->raise();
    editor->activateWindow();
}

EditorWindow *MainWindow::editorWindow() const
{
    return static_cast<EditorWindow *>(m_editor.data());
}

QString MainWindow::programFolder() const
{
    return m_choice->programFolder();
}

QString MainWindow::chosenTaskFile() const
{
    return m_choice->selectedTaskFile();
}

void MainWindow::editorLeft()
{
    // Coming back from the editor is an activation, whether or not the
    // window system reports the main window active again.
    show();
    raise();
    activateWindow();
    m_activation->reset();
    Form_Activate();
}

QFont MainWindow::cellFont() const
{
    return Board::textFont(m_lessonState->textSize(), m_lessonState->textBold()); // as the board's page prints it
}

// ---- exit -------------------------------------------------------------------

void MainWindow::quitProgram()
{
    m_quitting = true;
    if (m_check)
        m_check->hide();
    if (m_editor)
        m_editor->hide();
    QApplication::quit();
}

void MainWindow::menu1a_Click()
{
    if (m_platform.dialogs->askYesNo(QStringLiteral("Duplikon"), QStringLiteral("Dieses Programm jetzt beenden?\r\r")))
        quitProgram();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_quitting) {
        event->accept();
        return;
    }
    if (m_platform.dialogs->askYesNo(QStringLiteral("Duplikon"), QStringLiteral("Dieses Programm jetzt beenden?\r\r"))) {
        event->accept();
        quitProgram();
    } else {
        event->ignore();
    }
}

void MainWindow::menu1b_Click()
{
    m_platform.dialogs->message(QStringLiteral("Duplikon"),
                                QStringLiteral("Duplikon 1.0 – Paare finden, für Kinder der Grundschule.\r"
                                               "https://duplikon.example/"));
}

} // namespace duplikon
