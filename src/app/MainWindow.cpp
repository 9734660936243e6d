// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/ButtonStrip.h"
#include "app/CardBoxPlay.h"
#include "app/CardPlay.h"
#include "app/PlaySession.h"
#include "app/SideWindows.h"
#include "lesson/TaskChoice.h"
#include "board/Board.h"
#include "board/BoardKeyboard.h"
#include "board/BoardState.h"
#include "board/BoardVoice.h"
#include "board/ColourCycle.h"
#include "board/SolutionPicture.h"
#include "check/SolvedTaskLog.h"
#include "tasks/ClassList.h"
#include "lesson/LessonRules.h"
#include "lesson/LessonState.h"
#include "lesson/SettingsPanel.h"
#include "output/PageOutput.h"
#include "pictures/PictureBox.h"
#include "platform/ActivationWatcher.h"
#include "platform/ClassroomConfig.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"
#include "platform/Geometry.h"
#include "platform/KeyboardAccess.h"
#include "platform/Language.h"
#include "tasks/Task.h"
#include "tasks/TaskFolder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace duplikon {

MainWindow::MainWindow(Platform platform, const QString &workingFolder, ClassroomConfig *extra, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_workingFolder(workingFolder),
      m_extra(extra ? extra : new ClassroomConfig({}, this)), m_lessonState(new LessonState(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Duplikon"));
    buildMenu();

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setBackground(client, toQColor(kSystem3DHighlight));
    setCentralWidget(client);

    // Stacked in this order: the cells and the strip, the solution picture
    // over them, then the panels, which are raised whenever they are shown.
    m_board = new Board(client, platform);
    auto *cards = new CardPlay(client, platform, m_board, m_lessonState, m_extra, this);
    m_strip = new ButtonStrip(client, m_lessonState);
    m_board->setPointsButton(m_strip->punkte());
    m_solution = new SolutionPicture(client, platform);
    m_folder = new TaskFolder(workingFolder, this);
    m_lesson = new LessonRules(this, platform, m_lessonState, m_folder, m_board->state());
    m_choice = new TaskChoice(client, platform, m_board->state(), m_lessonState, m_lesson);
    m_settings = new SettingsPanel(client, platform, m_lessonState, m_lesson, m_board->state());
    auto *log = new SolvedTaskLog(this);
    m_session = new PlaySession(platform, m_board, m_lessonState, m_lesson, m_solution, log, this);
    m_session->setCards(cards);
    m_cards = cards;
    ignoreHeldPressKeys();
    connectParts();

    // Start-up, once.
    centre();
    m_side = new SideWindows(platform, this, m_lessonState, log, m_choice, m_folder, m_extra);
    connect(m_side, &SideWindows::backFromEditor, this, &MainWindow::returnFromEditor);
    connect(m_strip, &ButtonStrip::pointsClicked, m_side, &SideWindows::showCheckWindow);
    connect(m_settings, &SettingsPanel::resultsClicked, m_side, &SideWindows::openResults);
    connect(m_lesson, &LessonRules::editorRequested, m_side, &SideWindows::openEditor);
    m_lesson->setClassListFile(classListPath(workingFolder));
    m_choice->setTaskFolder(m_folder);
    m_settings->setTaskFolder(m_folder);
    QString folder = QDir::toNativeSeparators(workingFolder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    m_choice->setProgramFolder(folder);
    auto *cardBox = new CardBoxPlay(folder, m_extra, m_lessonState, this);
    m_choice->setCardBoxOffer(cardBox);
    connect(m_choice, &TaskChoice::cardBoxChosen, this, [this, cardBox] {
        const Task task = cardBox->board();
        if (!task.name.isEmpty())
            openTask(task);
    });
    m_board->setProgramFolder(folder);
    if (!m_solution->setFolder(*m_folder)) {
        m_platform.dialogs->message(tr("Ordner 'DUPBILDER' fehlt:"),
                                    tr("Der Bildordner für die Lösungsbilder wurde nicht gefunden!\r\r"));
    }
    retranslate();
    m_lesson->EinstellungenLesen();
    keepResults();
}

MainWindow::~MainWindow()
{
    delete m_activation; // no activation while the other windows go
    delete m_side;
    delete m_session; // waits at most a second for the last results
}

void MainWindow::connectParts()
{
    m_settings->setClassroomConfig(m_extra);
    m_lesson->setClassroomConfig(m_extra);
    m_board->keyboard()->setTapPlay(m_extra->value(config::tapPlay));
    m_board->voice()->setSettings(m_extra);
    m_lesson->setVoice(m_board->voice());
    connect(m_extra, &ClassroomConfig::changed, this, [this](config::Id key) {
        if (key == config::tapPlay)
            m_board->keyboard()->setTapPlay(m_extra->value(config::tapPlay));
        if (key == config::keepResults)
            keepResults();
        // Every open window follows at once.
        if (key == config::language)
            applyLanguage(chosenLanguage(m_extra->value(config::language).text));
    });

    // The board takes the keyboard focus whenever none of these lies over it.
    for (QWidget *cover : {m_choice->Dateibild(), m_choice->List5(), m_settings->Picture2(),
                           static_cast<QWidget *>(m_solution->loesungsbild())})
        m_board->keyboard()->addCover(cover);

    // The board's state keeps the colours, the one from the settings file
    // included, and Check4 shows its mode; the board shows the lesson's type.
    BoardState *state = m_board->state();
    connect(m_lesson, &LessonRules::questionColourRead, state, &BoardState::restoreQuestionColour);
    connect(m_strip, &ButtonStrip::twoColoursClicked, state, &BoardState::setTwoColours);
    connect(state, &BoardState::coloursChanged, m_strip, [this, state] { m_strip->showTwoColours(state->twoColours()); });
    connect(m_settings, &SettingsPanel::questionColourClicked, state,
            [state] { state->setQuestionColour(nextColour(state->questionColour())); });
    connect(m_settings, &SettingsPanel::answerColourClicked, state,
            [state] { state->setAnswerColour(nextColour(state->answerColour())); });
    connect(m_lessonState, &LessonState::textStyleChanged, this,
            [this] { m_board->setTextStyle(m_lessonState->textSize(), m_lessonState->textBold()); });

    // The solution picture is chosen and decoded while the child plays.
    connect(m_board->state(), &BoardState::filled, m_solution, &SolutionPicture::prepare);
    connect(m_board->keyboard(), &BoardKeyboard::lastPairMatched, this,
            [this] { m_strip->punkte()->setFocus(Qt::OtherFocusReason); });
    connect(m_lesson, &LessonRules::taskChosen, m_session, &PlaySession::open);
    connect(m_lesson, &LessonRules::solutionDismissed, m_solution, &SolutionPicture::park);
    connect(m_choice, &TaskChoice::titleChanged, this, &MainWindow::setWindowTitle);
    connect(m_strip, &ButtonStrip::userClicked, m_lesson, &LessonRules::Command7_Click);
    connect(m_settings, &SettingsPanel::okayClicked, m_lesson, &LessonRules::Command3_Click);
    connect(m_settings, &SettingsPanel::copyPageClicked, this, [this] {
        SeiteInAblage(boardPage(), m_platform);
    });
    connect(m_settings, &SettingsPanel::printPageClicked, this, &MainWindow::Command8_Click);

    m_activation = new ActivationWatcher(this);
    connect(m_activation, &ActivationWatcher::activatedAfterOtherWindow, this, [this] {
        if (m_shownOnce)
            Form_Activate();
    });
}

void MainWindow::buildMenu()
{
    // "&" marks each menu's letter: Alt and the letter open it (the letter is
    // underlined only while Alt is held); F10 opens the bar.
    QMenuBar *bar = menuBar();
    m_menu1 = bar->addMenu(QString());
    m_menu1->setObjectName(QStringLiteral("menu1"));
    const auto action = [](QWidget *on, const char *name) {
        QAction *a = on->addAction(QString());
        a->setObjectName(QLatin1String(name));
        return a;
    };
    QAction *menu1a = action(m_menu1, "menu1a");
    m_menu1->addSeparator()->setObjectName(QStringLiteral("menu1strich"));
    QAction *menu1b = action(m_menu1, "menu1b");
    QAction *menu2 = action(bar, "menu2");
    QAction *menu3 = action(bar, "menu3");
    QAction *menu4 = action(bar, "menu4");
    m_actions = {menu1a, menu1b, menu2, menu3, menu4};
    installMenuKey(this);

    connect(menu1a, &QAction::triggered, this, [this] {
        if (askToEnd())
            quitProgram();
    });
    connect(menu1b, &QAction::triggered, this, [this] {
        m_platform.dialogs->message(QStringLiteral("Duplikon"),
                                    tr("Duplikon 1.0 – Paare finden, für Kinder der Grundschule.\r"
                                       "https://duplikon.example/"));
    });
    connect(menu2, &QAction::triggered, this, [this] { m_lesson->menu2_Click(); });
    connect(menu3, &QAction::triggered, this, [this] { m_lesson->menu3_Click(); });
    connect(menu4, &QAction::triggered, this, [this] { m_lesson->menu4_Click(); });
}

void MainWindow::retranslate()
{
    m_menu1->setTitle(tr("&Programm"));
    const QString captions[] = {tr("&Beenden"), tr("&Autor ..."), tr("&Laden"), tr("&Editor"), tr("E&instellungen")};
    for (int i = 0; i < int(m_actions.size()); ++i)
        m_actions[std::size_t(i)]->setText(captions[i]);
    m_strip->punkte()->setText(Board::pointsCaption(m_board->state()->points()));
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void MainWindow::centre()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->geometry();
    const QSize outer(px(kOuterWidthTwips), px(kOuterHeightTwips));
    move(avail.x() + (avail.width() - outer.width()) / 2, avail.y() + (avail.height() - outer.height()) / 2);
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
    m_strip->Schrift2_Click();
    m_strip->Command6_Click();
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

void MainWindow::returnFromEditor()
{
    // Coming back from the editor is an activation, whether or not the
    // window system reports the main window active again.
    show();
    raise();
    activateWindow();
    m_activation->reset();
    Form_Activate();
}

void MainWindow::openTask(const Task &task)
{
    m_choice->showTaskOnBoard(task.name);
    m_session->play(task);
}

void MainWindow::keepResults()
{
    m_session->keepResults(m_extra->value(config::keepResults) && !m_extra->value(config::resultsOff),
                           m_choice->programFolder());
}

// ---- page output ------------------------------------------------------------

BoardPage MainWindow::boardPage() const
{
    BoardPage page = duplikon::boardPage(*m_board->state(), m_board->programFolder(),
                                         Board::textFont(m_lessonState->textSize(), m_lessonState->textBold()));
    m_cards->fillPage(page); // the cards as they lie, when they are played
    return page;
}

void MainWindow::Command8_Click()
{
    m_settings->park();
    if (!m_platform.dialogs->askYesNo(tr("Drucken"),
                                      tr("Wollen Sie die aktuelle Seite drucken?\r\r")))
        return;
    if (m_lessonState->task().isEmpty())
        return;
    SeiteDrucken(boardPage(), m_platform);
}

// ---- exit -------------------------------------------------------------------

bool MainWindow::askToEnd()
{
    return m_platform.dialogs->askYesNo(QStringLiteral("Duplikon"), tr("Dieses Programm jetzt beenden?\r\r"));
}

void MainWindow::quitProgram()
{
    m_quitting = true;
    m_side->hideAll();
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_quitting) {
        event->accept();
        return;
    }
    if (askToEnd()) {
        event->accept();
        quitProgram();
    } else {
        event->ignore();
    }
}

} // namespace duplikon
