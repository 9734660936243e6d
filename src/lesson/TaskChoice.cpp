// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/TaskChoice.h"

#include "board/BoardState.h"
#include "lesson/CardBoxOffer.h"
#include "lesson/LessonRules.h"
#include "lesson/LessonState.h"
#include "tasks/Task.h"
#include "pictures/PictureBox.h"
#include "pictures/SoundHalf.h"
#include "platform/Fonts.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"
#include "platform/Geometry.h"
#include "platform/KeyboardAccess.h"
#include "platform/Language.h"
#include "platform/ListBox.h"
#include "tasks/TaskFolder.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace duplikon {

namespace {
QLabel *label(QWidget *parent, const char *name, const QString &caption, int l, int t, int w, int h)
{
    auto *lab = new QLabel(caption, parent);
    lab->setObjectName(QLatin1String(name));
    lab->setFont(designFont());
    placeTwips(lab, l, t, w, h);
    return lab;
}
} // namespace

TaskChoice::TaskChoice(QWidget *client, Platform platform, const BoardState *board, LessonState *lesson,
                       LessonRules *rules)
    : QObject(client), m_platform(platform), m_board(board), m_lesson(lesson), m_rules(rules)
{
    m_dateibild = new QFrame(client);
    m_dateibild->setObjectName(QStringLiteral("Dateibild"));
    m_dateibild->setFrameShape(QFrame::Box);
    m_dateibild->setAutoFillBackground(true);
    placeTwips(m_dateibild, kParkedLeft, 840, 11535, 6615);

    m_progpfad = label(m_dateibild, "progpfad", QString(), 240, 120, 8295, 255);
    label(m_dateibild, "Label1", QString(), 240, 600, 2655, 255);
    label(m_dateibild, "Label2", QString(), 3120, 600, 5415, 255);
    label(m_dateibild, "Label3", QString(), 8760, 600, 2415, 255);

    m_file1 = new ListBox(m_dateibild);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setFont(designFont());
    placeTwips(m_file1, 240, 840, 2655, 5550);

    m_list4 = new ListBox(m_dateibild);
    m_list4->setObjectName(QStringLiteral("List4"));
    m_list4->setLayoutDirection(Qt::LeftToRight); // the task's German halves
    m_list4->setFont(designFont());
    placeTwips(m_list4, 3120, 840, 5415, 5550);

    m_picture1 = new PictureBox(m_dateibild, PictureFit::Clip);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setBorder(true);
    placeTwips(m_picture1, 8760, 840, 2415, 1815);
    m_picture3 = new PictureBox(m_dateibild, PictureFit::Clip);
    m_picture3->setObjectName(QStringLiteral("Picture3"));
    m_picture3->setBorder(true);
    placeTwips(m_picture3, 8760, 2640, 2415, 1815);
    for (PictureBox *b : {m_picture1, m_picture3}) {
        setBackground(b, toQColor(kSystemWindow));
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPointSizeF(8.25);
        b->setFont(f);
    }

    auto *command1 = new QPushButton(m_dateibild);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setFont(designFont());
    placeTwips(command1, 8760, 5280, 2415, 495);
    auto *command2 = new QPushButton(m_dateibild);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setFont(designFont());
    placeTwips(command2, 8760, 5880, 2415, 495);
    setAltLetter(command1, QLatin1Char('B'));
    setAltLetter(command2, QLatin1Char('D'));
    // In the free space between the preview and the buttons, shown only
    // while the card box is offered.
    m_meineKartei = new QPushButton(m_dateibild);
    m_meineKartei->setObjectName(QStringLiteral("meineKartei"));
    QFont large = designFont();
    large.setPointSizeF(11);
    m_meineKartei->setFont(large);
    placeTwips(m_meineKartei, 8760, 4530, 2415, 690);
    m_meineKartei->hide();
    connect(m_meineKartei, &QPushButton::clicked, this, &TaskChoice::meineKartei_Click);
    // Enter in the file list loads the chosen task, as "L a d e n" does.
    m_file1->installEventFilter(this);
    m_dateibild->hide();

    m_list5 = new ListBox(client);
    m_list5->setObjectName(QStringLiteral("List5"));
    m_list5->setFont(designFont());
    placeTwips(m_list5, kParkedLeft, 0, 1935, 3390);
    // A pick loads the task and parks the list: the arrow keys only move
    // through the names, Space or Enter picks one.
    m_list5->setChooseByKey(true);
    m_list5->hide();
    retranslate();
    onLanguageChange(m_dateibild, [this] { retranslate(); });
    mirrorWithDirection(m_dateibild);

    connect(m_file1, &ListBox::clicked, this, &TaskChoice::File1_Click);
    connect(m_list4, &ListBox::clicked, this, &TaskChoice::List4_Click);
    connect(m_list5, &ListBox::clicked, this, &TaskChoice::List5_Click);
    connect(command1, &QPushButton::clicked, this, &TaskChoice::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &TaskChoice::Command2_Click);
    connect(m_lesson, &LessonState::selectedTaskChanged, this, &TaskChoice::showSelection);
    connect(m_rules, &LessonRules::taskChoiceRequested, this, &TaskChoice::showPanel);
    connect(m_rules, &LessonRules::shortListRequested, this, [this] {
        fillShortList();
        showShortList();
    });
    connect(m_rules, &LessonRules::shortListDismissed, this, &TaskChoice::parkShortList);
    connect(m_board, &BoardState::answerColourApplied, this, &TaskChoice::showAnswerColour);
}

void TaskChoice::retranslate()
{
    setChildText(m_dateibild, "Label1", tr("Datei-Wahl:"));
    setChildText(m_dateibild, "Label2", tr("Datei-Inhalt:"));
    setChildText(m_dateibild, "Label3", tr("Vorschau:"));
    m_file1->setAccessibleName(tr("Datei-Wahl:"));
    m_list4->setAccessibleName(tr("Datei-Inhalt:"));
    setChildText(m_dateibild, "Command1", tr("Abbruch"));
    setChildText(m_dateibild, "Command2", tr("L a d e n"));
    m_list5->setAccessibleName(tr("Kurze Dateiwahl"));
    if (!m_meineKartei->isHidden())
        showCardBoxOffer();
    fitCaptions(m_dateibild);
}

void TaskChoice::setProgramFolder(const QString &folder)
{
    m_programFolder = folder;
    m_progpfad->setText(folder);
}

void TaskChoice::setTaskFolder(TaskFolder *folder)
{
    m_folder = folder;
    m_file1->setEntries(folder->taskFiles());
    connect(folder, &TaskFolder::changed, this, [this] { m_file1->replaceEntries(m_folder->taskFiles()); });
}

QStringList TaskChoice::taskFiles() const
{
    return m_folder ? m_folder->taskFiles() : QStringList();
}

void TaskChoice::selectTaskFile(int index)
{
    m_lesson->setSelectedTask(taskFiles().value(index));
}

int TaskChoice::selectedIndex() const
{
    return int(taskFiles().indexOf(m_lesson->selectedTask()));
}

void TaskChoice::loadTask(int index)
{
    m_rules->loadTask(taskFiles().value(index));
}

void TaskChoice::showSelection(const QString &fileName)
{
    // A new selection runs File1_Click, as a click does.
    m_file1->setListIndex(fileName.isEmpty() ? -1 : int(m_file1->entries().indexOf(fileName)));
}

void TaskChoice::showAnswerColour(ColourValue colour)
{
    setBackground(m_picture3, colour);
}

QString TaskChoice::selectedTaskFile() const
{
    return m_lesson->selectedTask();
}

void TaskChoice::fillShortList()
{
    QStringList names;
    for (const QString &e : m_file1->entries())
        names << e.left(qMax(0, e.size() - 4));
    m_list5->setEntries(names);
}

void TaskChoice::DateilisteFuellen()
{
    // Reading the folder again loses the selection, and with it the task
    // being played, until the short list loads the first task again.
    if (m_folder) {
        m_folder->refresh();
        m_file1->setEntries(m_folder->taskFiles());
    }
    m_lesson->setSelectedTask(QString());
    m_lesson->setTask(QString());
    fillShortList();
    if (m_list5->count() > 0) {
        m_list5->setListIndex(0);
    } else {
        m_platform.dialogs->message(QStringLiteral("Duplikon"), tr("Es sind keine Dateien vorhanden!\r\r"));
    }
}

void TaskChoice::File1_Click()
{
    const QString name = m_file1->selectedText();
    m_lesson->setSelectedTask(name);
    if (name.isEmpty())
        return;
    const TaskRead read = readTask(m_programFolder, name);
    if (!read.ok) {
        // An unreadable file shows no lines; the board set-up reports it.
        m_list4->setEntries({});
        return;
    }
    // Every line, empty ones included: the preview pairs them by position.
    m_list4->setEntries(read.task.lines);
    if (m_list4->count() > 0)
        m_list4->setListIndex(0);
}

void TaskChoice::preview(int line, PictureBox *box)
{
    box->clearPicture();
    const QString text = line < m_list4->count() ? m_list4->item(line)->text() : QString();
    if (text.isEmpty())
        return;
    if (isSoundName(text)) {
        // The loudspeaker with the file's name, crossed out when it cannot play.
        const bool playable = checkSoundFile(resolveHalf(m_programFolder, text)) == SoundFileState::Playable;
        box->showSound(Half::of(text).fileName(), !playable);
        box->setAccessibleName(text);
        return;
    }
    // The test is made on the whole path, program folder first: a line of
    // fewer than four characters ends in the folder separator and is text.
    if (isPictureName(m_programFolder + text)) {
        // A picture that cannot be loaded leaves the box cleared.
        box->loadFile(resolveHalf(m_programFolder, text));
        box->setAccessibleName(text);
    } else {
        box->writeText(text);
        box->setAccessibleName(text);
    }
}

void TaskChoice::List4_Click()
{
    const int i = m_list4->listIndex();
    if (i < 0)
        return;
    const int first = (i % 2 == 0) ? i : i - 1;
    preview(first, m_picture1);
    preview(first + 1, m_picture3);
}

void TaskChoice::List5_Click()
{
    const int index = m_list5->listIndex();
    parkShortList();
    loadTask(index);
}

void TaskChoice::Command2_Click()
{
    parkPanel();
    m_rules->loadTask(m_lesson->selectedTask());
    nameInTitle();
}

void TaskChoice::showTaskOnBoard(const QString &fileName)
{
    parkPanel();
    m_rules->taskOpened(fileName);
    nameInTitle();
}

void TaskChoice::nameInTitle()
{
    emit titleChanged(QStringLiteral("Duplikon (") + m_lesson->task() + QLatin1Char(')'));
}

void TaskChoice::Command1_Click()
{
    parkPanel();
    // The selection names the task on the board again; nothing is loaded.
    const QString onBoard = m_board->task();
    if (onBoard.isEmpty())
        return;
    const QStringList files = taskFiles();
    int index = files.indexOf(onBoard);
    for (int i = 0; index < 0 && i < files.size(); ++i)
        if (files.at(i).compare(onBoard, Qt::CaseInsensitive) == 0)
            index = i;
    if (index >= 0)
        m_lesson->setSelectedTask(files.at(index));
}

bool TaskChoice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_file1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_file1->currentRow() >= 0
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            m_file1->setListIndex(m_file1->currentRow());
            Command2_Click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TaskChoice::showCardBoxOffer()
{
    if (!m_cardBoxOffer || !m_cardBoxOffer->offered()) {
        m_meineKartei->hide();
        return;
    }
    const int due = m_cardBoxOffer->dueCards();
    // The German source text has one plural form; a translation keeps %n's forms.
    m_meineKartei->setText(due == 1 ? tr("Meine Kartei\n1 Karte")
                           : due > 0 ? tr("Meine Kartei\n%n Karten", nullptr, due)
                                     : tr("Meine Kartei\nKeine Karte fällig"));
    m_meineKartei->setAccessibleName(m_meineKartei->text().replace(QLatin1Char('\n'), QLatin1String(": ")));
    m_meineKartei->setEnabled(due > 0);
    m_meineKartei->show();
}

void TaskChoice::meineKartei_Click()
{
    parkPanel();
    emit cardBoxChosen();
}

void TaskChoice::showPanel()
{
    showCardBoxOffer();
    moveLeftTwips(m_dateibild, kPanelShown);
    m_lesson->setPanelShown(LessonState::Panel::TaskChoice, true);
    m_panelFocus.shown(m_dateibild, m_file1);
}

void TaskChoice::parkPanel()
{
    m_panelFocus.parked(m_dateibild);
    moveLeftTwips(m_dateibild, kParkedLeft);
    m_lesson->setPanelShown(LessonState::Panel::TaskChoice, false);
}

void TaskChoice::showShortList()
{
    moveLeftTwips(m_list5, kShortListShown);
    m_lesson->setPanelShown(LessonState::Panel::ShortList, true);
    m_shortListFocus.shown(m_list5, m_list5);
    if (m_list5->currentRow() < 0 && m_list5->count() > 0)
        m_list5->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void TaskChoice::parkShortList()
{
    m_shortListFocus.parked(m_list5);
    moveLeftTwips(m_list5, kParkedLeft);
    m_lesson->setPanelShown(LessonState::Panel::ShortList, false);
}

bool TaskChoice::shortListShown() const { return m_lesson->panelShown(LessonState::Panel::ShortList); }
bool TaskChoice::panelShown() const { return m_lesson->panelShown(LessonState::Panel::TaskChoice); }
QWidget *TaskChoice::Dateibild() const { return m_dateibild; }
QWidget *TaskChoice::List5() const { return m_list5; }

} // namespace duplikon
