// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/TaskChoice.h"
#include "board/Board.h"
#include "board/ColourCycle.h"
#include "board/SolutionPicture.h"
#include "lesson/LessonRules.h"
#include "lesson/SettingsPanel.h"
#include "platform/ActivationWatcher.h"
#include "platform/Fonts.h"
#include "platform/ClickLabel.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"
#include "platform/Geometry.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"

#include "lesson/SettingsFile.h"
#include "check/CheckWindow.h"
#include "editor/EditorWindow.h"
#include "output/PageOutput.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace duplikon {

MainWindow::MainWindow(Platform platform, const QString &workingFolder, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_workingFolder(workingFolder)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Duplikon"));
    buildMenu();

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(kClientWidth, kClientHeight);
    setBackground(m_client, toQColor(kSystem3DHighlight));
    setCentralWidget(m_client);

    m_board = new Board(m_client, platform);
    buildStrip(m_client);
    m_board->setPunkte(m_punkte);
    m_board->setCheck4(m_check4);
    m_board->onPoint = [this] { Fertigkontrolle(); };

    m_solution = new SolutionPicture(m_client, platform);
    m_choice = new TaskChoice(m_client, platform);
    m_choice->aufgabeLaden = [this] { m_board->AufgabeLaden(m_choice->selectedTaskFile()); };
    m_choice->setTitle = [this](const QString &t) { setWindowTitle(t); };
    m_board->answerColourChanged = [this](ColourValue c) { setBackground(m_choice->Picture3(), c); };
    m_settings = new SettingsPanel(m_client, platform);
    m_lesson = new LessonRules(this, platform, m_board, m_choice, m_settings, m_solution, m_command7);
    m_lesson->writeSettings = [this] { EinstellungenSchreiben(); };
    m_lesson->openEditor = [this] { menu3_Click(); };

    connect(m_settings->farbe1(), &ClickLabel::clicked, this, &MainWindow::farbe1_Click);
    connect(m_settings->farbe2(), &ClickLabel::clicked, this, &MainWindow::farbe2_Click);
    connect(m_settings->Command3(), &QPushButton::clicked, m_lesson, &LessonRules::Command3_Click);
    connect(m_settings->Command9(), &QPushButton::clicked, this, &MainWindow::Command9_Click);
    connect(m_settings->Command10(), &QPushButton::clicked, this, &MainWindow::Command10_Click);
    connect(m_settings->Command8(), &QPushButton::clicked, this, &MainWindow::Command8_Click);

    m_activation = new ActivationWatcher(this);
    connect(m_activation, &ActivationWatcher::activatedAfterOtherWindow, this, [this] {
        if (m_shownOnce)
            Aktivierung();
    });

    // Start-up, once.
    centre();
    m_choice->setWorkingFolder(workingFolder);
    m_settings->File2()->setFolder(workingFolder);
    QString folder = QDir::toNativeSeparators(workingFolder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    m_choice->setProgramFolder(folder);
    m_board->setProgramFolder(folder);
    if (!m_solution->setFolder(folder)) {
        m_platform.dialogs->message(QStringLiteral("Ordner 'DUPBILDER' fehlt:"),
                                    QStringLiteral("Der Bildordner für die Lösungsbilder wurde nicht gefunden!\r\r"));
    }
    EinstellungenLesen();
}

MainWindow::~MainWindow()
{
    delete m_activation; // no activation while the other windows go
    delete m_check;
    delete m_editor;
}

void MainWindow::buildMenu()
{
    QMenuBar *bar = menuBar();
    QMenu *menu1 = bar->addMenu(QStringLiteral("Programm"));
    menu1->setObjectName(QStringLiteral("menu1"));
    m_menu1a = menu1->addAction(QStringLiteral("Beenden"));
    m_menu1a->setObjectName(QStringLiteral("menu1a"));
    QAction *strich = menu1->addSeparator();
    strich->setObjectName(QStringLiteral("menu1strich"));
    m_menu1b = menu1->addAction(QStringLiteral("Autor ..."));
    m_menu1b->setObjectName(QStringLiteral("menu1b"));
    m_menu2 = bar->addAction(QStringLiteral("Laden"));
    m_menu2->setObjectName(QStringLiteral("menu2"));
    m_menu3 = bar->addAction(QStringLiteral("Editor"));
    m_menu3->setObjectName(QStringLiteral("menu3"));
    m_menu4 = bar->addAction(QStringLiteral("Einstellungen"));
    m_menu4->setObjectName(QStringLiteral("menu4"));

    connect(m_menu1a, &QAction::triggered, this, &MainWindow::menu1a_Click);
    connect(m_menu1b, &QAction::triggered, this, &MainWindow::menu1b_Click);
    connect(m_menu2, &QAction::triggered, this, [this] { m_lesson->Laden(); });
    connect(m_menu3, &QAction::triggered, this, [this] { m_lesson->menu3_Click(); });
    connect(m_menu4, &QAction::triggered, this, [this] { m_lesson->menu4_Click(); });
}

void MainWindow::buildStrip(QWidget *client)
{
    auto *frame = new QFrame(client);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    placeTwips(frame, 0, 8040, 13215, 855);
    frame->lower();

    m_command7 = new QPushButton(QStringLiteral("Benutzer"), client);
    m_command7->setObjectName(QStringLiteral("Command7"));
    placeTwips(m_command7, 240, 8160, 2415, 375);
    m_punkte = new QPushButton(QStringLiteral(" 0 Punkte"), client);
    m_punkte->setObjectName(QStringLiteral("punkte"));
    placeTwips(m_punkte, 2760, 8160, 2415, 375);
    m_check4 = new QCheckBox(QStringLiteral("zweifarbige Fenster"), client);
    m_check4->setObjectName(QStringLiteral("Check4"));
    placeTwips(m_check4, 7560, 8160, 2535, 375);
    m_schrift1 = new QPushButton(QStringLiteral("Abc"), client);
    m_schrift1->setObjectName(QStringLiteral("Schrift1"));
    placeTwips(m_schrift1, 10200, 8160, 735, 375);
    m_schrift1->setAccessibleName(QStringLiteral("Abc kleiner"));
    m_schrift2 = new QPushButton(QStringLiteral("Abc"), client);
    m_schrift2->setObjectName(QStringLiteral("Schrift2"));
    placeTwips(m_schrift2, 10920, 8160, 735, 375);
    m_schrift2->setAccessibleName(QStringLiteral("Abc größer"));
    m_command6 = new QPushButton(QStringLiteral("Fett"), client);
    m_command6->setObjectName(QStringLiteral("Command6"));
    placeTwips(m_command6, 11760, 8160, 975, 375);
    for (QWidget *w : {static_cast<QWidget *>(m_command7), static_cast<QWidget *>(m_punkte),
                       static_cast<QWidget *>(m_check4), static_cast<QWidget *>(m_command6)})
        w->setFont(designFont());
    m_schrift1->setFont(designFont(8.25, false, QStringLiteral("Arial")));
    m_schrift2->setFont(designFont(12, false));
    m_schrift1->setToolTip(QStringLiteral("Schrift kleiner"));
    m_schrift2->setToolTip(QStringLiteral("Schrift größer"));

    connect(m_command7, &QPushButton::clicked, this, [this] { m_lesson->Command7_Click(); });
    connect(m_punkte, &QPushButton::clicked, this, &MainWindow::punkte_Click);
    connect(m_check4, &QCheckBox::toggled, this, &MainWindow::Check4_Click);
    connect(m_schrift1, &QPushButton::clicked, this, &MainWindow::Schrift1_Click);
    connect(m_schrift2, &QPushButton::clicked, this, &MainWindow::Schrift2_Click);
    connect(m_command6, &QPushButton::clicked, this, &MainWindow::Command6_Click);
}

void MainWindow::centre()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->geometry();
    const QSize designed(px(13050), px(9300));
    move(avail.x() + (avail.width() - designed.width()) / 2, avail.y() + (avail.height() - designed.height()) / 2);
}

void MainWindow::fixSize()
{
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(kClientWidth, kClientHeight + menuHeight);
}

QString MainWindow::programFolderCaption() const
{
    return m_choice->progpfad()->text();
}

// ---- activation -----------------------------------------------------------

void MainWindow::Aktivierung()
{
    ++m_activations;
    fixSize();
    QFont f = m_board->text(1)->font();
    f.setPointSizeF(12);
    m_board->text(1)->setFont(f);
    Schrift2_Click();
    Command6_Click();
    m_lesson->Laden();
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
        Aktivierung();
    }
}

// ---- settings file ----------------------------------------------------------

void MainWindow::EinstellungenLesen()
{
    m_settings->pflicht()->setEntries({});
    m_lesson->aufgabe.clear();
    Settings s;
    readSettingsFile(resolvePath(m_workingFolder, settingsFileName()), &s);
    SettingsPanel::setQuietly(m_settings->Check1(), s.check1);
    SettingsPanel::setQuietly(m_settings->Check2(), s.check2);
    SettingsPanel::setQuietly(m_settings->Check3(), s.check3);
    m_board->farbe1 = s.colour;
    setBackground(m_settings->farbe1(), s.colour);
    m_settings->pflicht()->setEntries(s.pflicht);
    m_lesson->aufgabe = s.pflicht;
    SettingsPanel::setQuietly(m_settings->Check5(), s.check5);
    m_board->FarbenSetzen();
}

void MainWindow::EinstellungenSchreiben()
{
    Settings s;
    s.check1 = SettingsPanel::value(m_settings->Check1());
    s.check2 = SettingsPanel::value(m_settings->Check2());
    s.check3 = SettingsPanel::value(m_settings->Check3());
    s.check5 = SettingsPanel::value(m_settings->Check5());
    // The question colour: cell 1 shows it whenever a task is on the board.
    // Without a task on the board the cells are black, and storing that would
    // lose the teacher's colour (a black board with black text at the next
    // start), so the colour field itself is stored.
    s.colour = m_board->farbe1;
    s.pflicht = m_settings->pflicht()->entries();
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
    if (m_board->hiddenControls() != 2 * Board::kCells)
        return;
    checkWindow(true)->appendLog(m_choice->selectedTaskFile(), m_platform.clock->timeText());
    m_lesson->taskSolved();
    if (!m_solution->File3().isEmpty())
        m_solution->LoesungsbildZeigen();
    m_platform.dialogs->message(QStringLiteral("Kontrolle"),
                                QStringLiteral("Prima, du hast die Aufgabe gelöst.\r"
                                               "Wähle dir eine neue Aufgabe aus!\r"
                                               "Klicke dazu im Menü auf 'Laden' ...\r"));
}

CheckWindow *MainWindow::checkWindow(bool create)
{
    if (!m_check && create)
        m_check = new CheckWindow(m_platform, [this] { return m_command7->text(); }, programFolder());
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
    m_board->farbe1 = nextColour(m_board->farbe1);
    setBackground(m_settings->farbe1(), m_board->farbe1);
    Check4_Click();
}

void MainWindow::farbe2_Click()
{
    m_board->farbe2 = nextColour(m_board->farbe2);
    setBackground(m_settings->farbe2(), m_board->farbe2);
    Check4_Click();
}

void MainWindow::Command9_Click()
{
    m_platform.dialogs->message(QStringLiteral("Hintergrundfarbe"),
                                QStringLiteral("Der Hintergrund wird durch fortwährenden Klick auf die\r"
                                               "beiden Farbflächen 'Fragen' und 'Antworten' eingestellt.\r"));
}

void MainWindow::Command6_Click()
{
    QFont buttonFont = m_command6->font();
    if (!m_board->textBold()) {
        m_command6->setText(QStringLiteral("Normal"));
        buttonFont.setBold(false);
    } else {
        buttonFont.setBold(true);
        m_command6->setText(QStringLiteral("Fett"));
    }
    m_command6->setFont(buttonFont);
    m_board->toggleBold();
}

void MainWindow::Schrift1_Click()
{
    m_board->setTextSize(smallerSize(m_board->textSize()));
}

void MainWindow::Schrift2_Click()
{
    m_board->setTextSize(largerSize(m_board->textSize()));
}

// ---- page output ------------------------------------------------------------

BoardPage MainWindow::boardPage() const
{
    BoardPage page;
    for (int n = 1; n <= Board::kCells; ++n) {
        PageCell &cell = page.cells[n - 1];
        if (!m_board->bild(n)->isHidden()) {
            cell.kind = PageCell::Picture;
            cell.picturePath = resolvePath(programFolder(), m_board->List2.value(n - 1));
        } else if (!m_board->text(n)->isHidden()) {
            cell.kind = PageCell::Text;
            cell.text = m_board->text(n)->text();
        }
    }
    page.textFont = m_board->textFont();
    return page;
}

void MainWindow::Command10_Click()
{
    seiteInAblage(boardPage(), m_platform);
}

void MainWindow::Command8_Click()
{
    m_settings->park();
    if (!m_platform.dialogs->askYesNo(QStringLiteral("Drucken"),
                                      QStringLiteral("Wollen Sie die aktuelle Seite drucken?\r\r")))
        return;
    if (m_choice->File1()->listIndex() < 0)
        return;
    seiteDrucken(boardPage(), m_platform);
}

// ---- editor -----------------------------------------------------------------

void MainWindow::menu3_Click()
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
    return programFolderCaption();
}

QStringList MainWindow::taskFiles() const
{
    return m_choice->File1()->entries();
}

int MainWindow::selectedTaskFile() const
{
    return m_choice->File1()->listIndex();
}

void MainWindow::setTaskFilePattern(const QString &pattern)
{
    m_choice->File1()->setPattern(pattern);
}

void MainWindow::editorLeft()
{
    // Coming back from the editor is an activation, whether or not the
    // window system reports the main window active again.
    show();
    raise();
    activateWindow();
    m_activation->reset();
    Aktivierung();
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
