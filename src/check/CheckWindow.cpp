// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/CheckWindow.h"

#include "check/SolvedTaskLog.h"
#include "tasks/Task.h"
#include "pictures/PictureBox.h"
#include "pictures/SoundHalf.h"
#include "platform/ActivationWatcher.h"
#include "platform/Fonts.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"
#include "platform/Geometry.h"
#include "platform/KeyboardAccess.h"
#include "platform/Language.h"
#include "platform/ListBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>

namespace duplikon {

namespace {

// The face colour of buttons, the background of the window's labels and picture boxes.
constexpr ColourValue kSystemButtonFace = qint32(0x8000000Fu);

ListBox *makeList(QWidget *parent, const QString &name)
{
    auto *list = new ListBox(parent);
    list->setObjectName(name);
    list->setAccessibleName(name);
    list->setFont(designFont(9.75));
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

} // namespace

CheckWindow::CheckWindow(Platform platform, QString programFolder, SolvedTaskLog *log, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_log(log), m_programFolder(std::move(programFolder))
{
    // A window of its own even when the main window is given as owner.
    setWindowFlags(windowFlags() | Qt::Window);
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);

    // Alt+A, or F10 and Enter, as well as a click.
    m_menu1 = menuBar()->addAction(QString());
    installMenuKey(this);
    m_menu1->setObjectName(QStringLiteral("menu1"));
    connect(m_menu1, &QAction::triggered, this, &CheckWindow::menu1_Click);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form3Client"));
    // Only the window colour: the lists keep their own white.
    QPalette desktop = client->palette();
    desktop.setColor(QPalette::Window, toQColor(kSystemDesktop));
    client->setPalette(desktop);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    m_label1 = new QLabel(client);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(designFont(12));
    setBackground(m_label1, toQColor(kSystemButtonFace));
    placeTwips(m_label1, 240, 240, 3855, 375);

    m_list1 = makeList(client, QStringLiteral("List1"));
    placeTwips(m_list1, 240, 720, 2535, 7710);
    m_list3 = makeList(client, QStringLiteral("List3"));
    placeTwips(m_list3, 2760, 720, 1335, 7710);
    m_list2 = makeList(client, QStringLiteral("List2"));
    placeTwips(m_list2, 4200, 720, 6015, 7710);

    m_picture1 = new PictureBox(client, PictureFit::Clip);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAccessibleName(QStringLiteral("Picture1"));
    m_picture1->setBorder(true);
    setBackground(m_picture1, toQColor(kSystemButtonFace));
    placeTwips(m_picture1, 10320, 720, 2415, 1815);

    // Names and times stay side by side when either list is scrolled.
    connect(m_list1->verticalScrollBar(), &QScrollBar::valueChanged, m_list3->verticalScrollBar(), &QScrollBar::setValue);
    connect(m_list3->verticalScrollBar(), &QScrollBar::valueChanged, m_list1->verticalScrollBar(), &QScrollBar::setValue);

    m_list1->setEntries(m_log->names());
    m_list3->setEntries(m_log->times());
    connect(m_log, &SolvedTaskLog::appended, this, [this](const QString &task, const QString &timeText) {
        m_list1->addItem(task);
        m_list3->addItem(timeText);
    });
    connect(m_log, &SolvedTaskLog::cleared, this, [this] {
        m_list1->setEntries({});
        m_list3->setEntries({});
    });

    // A change of the selected entry, by the user or by the program, is the click.
    connect(m_list1, &ListBox::clicked, this, &CheckWindow::List1_Click);
    connect(m_list2, &ListBox::clicked, this, &CheckWindow::List2_Click);

    // Coming back from the main window is an activation.
    connect(new ActivationWatcher(this), &ActivationWatcher::activatedAfterOtherWindow, this, &CheckWindow::Form_Activate);

    client->setFixedSize(kClientWidth, kClientHeight);
    retranslate();
    // Mirrored in a right-to-left language; file names and a task's lines
    // stay left to right.
    m_list1->setLayoutDirection(Qt::LeftToRight);
    m_list2->setLayoutDirection(Qt::LeftToRight);
    mirrorWithDirection(client);
    Form_Load();
}

void CheckWindow::retranslate()
{
    setWindowTitle(tr("Duplikon: Kontrolle"));
    m_menu1->setText(tr("&Abbruch"));
    m_list1->setAccessibleDescription(tr("Gelöste Aufgaben"));
    m_list3->setAccessibleDescription(tr("Uhrzeit der Lösung"));
    m_list2->setAccessibleDescription(tr("Zeilen der gewählten Aufgabe"));
    m_picture1->setAccessibleDescription(tr("Bild der gewählten Zeile"));
    if (m_userName.isNull())
        m_label1->setText(tr("Benutzer"));
}

void CheckWindow::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        retranslate();
        setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    }
}

void CheckWindow::Form_Load()
{
    // Centre the outer window on the screen by its outer size in twips.
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - px(kWidthTwips)) / 2, area.y() + (area.height() - px(kHeightTwips)) / 2);
}

void CheckWindow::Form_Activate()
{
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    m_label1->setText(m_userName.isNull() ? tr("Benutzer") : m_userName);
}

void CheckWindow::showEvent(QShowEvent *event)
{
    Form_Activate();
    QMainWindow::showEvent(event);
}

void CheckWindow::closeEvent(QCloseEvent *event)
{
    // The close box empties the log and hides the window, then closes it for
    // good (WA_DeleteOnClose).
    m_log->clear();
    hide();
    event->accept();
}

void CheckWindow::List1_Click()
{
    const int row = m_list1->listIndex();
    if (row < 0 || row >= m_log->size())
        return;
    const QString name = m_log->names().at(row);
    m_list2->setEntries({});

    const TaskRead read = readTask(m_programFolder, name);
    if (!read.ok) {
        // The task file was deleted or renamed since it was solved: say so and go on.
        if (m_platform.dialogs)
            m_platform.dialogs->message(tr("Duplikon: Kontrolle"), tr("Die Datei %1 kann nicht gelesen werden.\r\r").arg(name));
        return;
    }
    // Every line of the file, empty ones and those past the twentieth too.
    m_list2->setEntries(read.task.lines);
}

void CheckWindow::List2_Click()
{
    if (m_list2->listIndex() < 0)
        return;
    const QString line = m_list2->selectedText().toUpper();
    if (isSoundName(line)) {
        const QString half = m_list2->selectedText();
        const bool playable = checkSoundFile(resolveHalf(m_programFolder, half)) == SoundFileState::Playable;
        m_picture1->showSound(Half::of(half).fileName(), !playable);
        return;
    }
    // An empty line names no picture.
    if (line.isEmpty() || !isPictureName(line)) {
        m_picture1->clearPicture();
        return;
    }
    // A picture that cannot be loaded leaves the box cleared.
    m_picture1->loadFile(resolveHalf(m_programFolder, line));
}

void CheckWindow::menu1_Click()
{
    hide();
}

} // namespace duplikon
