// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorWindow.h"

#include "editor/ClassListDialog.h"
#include "editor/EditorControls.h"
#include "editor/EditorHost.h"
#include "editor/HelpLine.h"
#include "editor/PairLists.h"
#include "editor/PictureBrowser.h"
#include "editor/PictureImportActions.h"
#include "editor/SoundRecording.h"
#include "editor/TaskArchiveActions.h"
#include "editor/TaskFilePanel.h"
#include "editor/WorksheetDialog.h"
#include "pictures/PictureBox.h"
#include "platform/ActivationWatcher.h"
#include "platform/ClassroomConfig.h"
#include "platform/InWindowDrag.h"
#include "platform/KeyboardAccess.h"
#include "platform/Language.h"
#include "platform/ListBox.h"

#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

#include <iterator>
#include <memory>

namespace duplikon {

namespace {

// Client area 12960 x 8640 twips; outer size 13050 x 9300 twips.
constexpr int kClientWidth = 12960;
constexpr int kClientHeight = 8640;
constexpr int kOuterWidth = 13050;
constexpr int kOuterHeight = 9300;

const char *const kHelpProperty = "hilfetext";

// The keys that put the chosen picture into a list, shown in the help line
// when the picture list or its preview gets the focus by Tab or Shift+Tab.
const char *const kKeyHint = QT_TRANSLATE_NOOP("duplikon::EditorWindow",
                                               "Mit Strg+G kommt das Bild in die grüne Liste, mit Strg+B in die blaue ...");

} // namespace

EditorWindow::EditorWindow(Platform platform, EditorHost *host, QWidget *parent)
    : QMainWindow(parent), m_host(host), m_client(new QWidget(this))
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    m_client->setFixedSize(px(kClientWidth), px(kClientHeight));
    setBackground(m_client, kSystemInactiveCaptionText);

    // [Fest] TonAus: the browser plays no sound either.
    const ClassroomConfig *extra = host->classroomConfig();
    m_browser = new PictureBrowser(m_client, host->taskFolder(),
                                   extra && extra->value(config::soundOff) ? nullptr : platform.sound);
    auto *line1 = new QFrame(m_client);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::NoFrame);
    setBackground(line1, QColor(Qt::black));
    line1->setGeometry(px(3360), px(240), 1, px(8520) - px(240) + 1);
    m_pairs = new PairLists(m_client, host->programFolder());
    m_files = new TaskFilePanel(m_client, platform, host, m_pairs);
    // Tab goes through the window from left to right: the picture browser,
    // the green column, the task files, the blue column, the text field and
    // the buttons of the large preview.
    const QList<QWidget *> tabOrder = QList<QWidget *>{m_browser->List3(), m_browser->File1(), m_browser->Picture1()}
                                      + m_pairs->greenColumn() + m_files->tabChain() + m_pairs->blueColumn()
                                      + QList<QWidget *>{m_pairs->Text1()} + m_browser->previewButtons();
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    connect(m_files, &TaskFilePanel::pairsOpened, m_pairs, &PairLists::openPairs);
    connect(m_files, &TaskFilePanel::pairsTakenOver, m_pairs, &PairLists::takeOverPairs);
    connect(m_files, &TaskFilePanel::newTaskStarted, m_pairs, &PairLists::startNew);
    connect(m_browser, &PictureBrowser::largePreviewToggled, this, [this](bool open) {
        // black around the open panel, the inactive caption's text colour otherwise
        setBackground(m_client, open ? QColor(Qt::black) : toQColor(kSystemInactiveCaptionText));
    });

    buildHelpLine();
    m_import = new PictureImportActions(m_client, platform, host->programFolder(), m_pairs->controls());
    reportInto(m_import);
    // After the import, so a .duplikon file dropped onto a list comes to it first.
    const PairControls pairs = m_pairs->controls();
    m_archive = new TaskArchiveActions(this, platform, host->programFolder(), host->taskFolder(),
                                       {pairs.list1, pairs.lupe1, pairs.list2, pairs.lupe2});
    connect(m_archive, &TaskArchiveActions::taskTakenIn, this, [this](const QString &taskFile) {
        // The folder's model has read it in, and every list of the folder follows.
        m_files->openTaskFile(taskFile);
        m_browser->OrdnerEinrichten();
    });
    buildMenu(platform);
    // Ctrl+V brings copied files or image data into a list; Text1 takes the
    // key itself and pastes text.
    auto *paste = new QShortcut(QKeySequence::Paste, this);
    connect(paste, &QShortcut::activated, m_import, &PictureImportActions::paste);
    connect(m_pairs, &PairLists::lengthWarning, m_hilfe, &QLabel::setText);

    // Picture1 is dragged onto a pair list or its preview box.
    QWidget *picture1 = m_browser->Picture1();
    m_drag = new InWindowDrag(this);
    connect(m_drag, &InWindowDrag::dropped, this, [this, picture1](QWidget *source, QWidget *target) {
        if (source == picture1)
            dropPicture(target);
    });
    m_drag->addSource(picture1);
    for (QWidget *target : {static_cast<QWidget *>(m_pairs->List1()), static_cast<QWidget *>(m_pairs->Lupe1()),
                            static_cast<QWidget *>(m_pairs->List2()), static_cast<QWidget *>(m_pairs->Lupe2())})
        m_drag->addTarget(target);

    m_activation = new ActivationWatcher(this);
    connect(m_activation, &ActivationWatcher::activatedAfterOtherWindow, this, &EditorWindow::Form_Activate);

    retranslate();
    // In a right-to-left language the editor's parts stand mirrored; the
    // halves of a task stay the German text they are, left to right.
    for (QWidget *german : {static_cast<QWidget *>(m_pairs->List1()), static_cast<QWidget *>(m_pairs->List2()),
                            static_cast<QWidget *>(m_pairs->Text1())})
        german->setLayoutDirection(Qt::LeftToRight);
    mirrorWithDirection(m_client);
    fixSize();
    centreOnScreen();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::buildMenu(Platform platform)
{
    // "&" marks the letters: Alt and the letter, or F10 and the arrows.
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    installMenuKey(this);
    QAction *menu1 = textAction(bar->addAction(QString()), QT_TR_NOOP("&Abbruch"));
    menu1->setObjectName(QStringLiteral("menu1"));
    connect(menu1, &QAction::triggered, this, &EditorWindow::menu1_Click);

    QMenu *menu2 = bar->addMenu(QString());
    textAction(menu2->menuAction(), QT_TR_NOOP("&Datei"));
    menu2->setObjectName(QStringLiteral("menu2"));
    menu2->menuAction()->setObjectName(QStringLiteral("menu2"));
    QAction *a = textAction(menu2->addAction(QString()), QT_TR_NOOP("&aktuelle Datei"));
    a->setObjectName(QStringLiteral("menu2a"));
    connect(a, &QAction::triggered, m_files, &TaskFilePanel::menu2a_Click);
    a = textAction(menu2->addAction(QString()), QT_TR_NOOP("&neue Datei ..."));
    a->setObjectName(QStringLiteral("menu2b"));
    connect(a, &QAction::triggered, m_files, &TaskFilePanel::menu2b_Click);
    a = menu2->addSeparator();
    a->setObjectName(QStringLiteral("menu2c"));
    a = textAction(menu2->addAction(QString()), QT_TR_NOOP("Datei &sichern"));
    a->setObjectName(QStringLiteral("menu2d"));
    connect(a, &QAction::triggered, m_files, &TaskFilePanel::menu2d_Click);
    a = textAction(menu2->addAction(QString()), QT_TR_NOOP("A&rbeitsblatt ..."));
    a->setObjectName(QStringLiteral("worksheet"));
    connect(a, &QAction::triggered, this,
            [this, platform] { WorksheetDialog::run(this, platform, m_host, m_pairs, m_files->taskName()); });
    a = textAction(menu2->addAction(QString()), QT_TR_NOOP("Aufgabe &weitergeben ..."));
    a->setObjectName(QStringLiteral("passOnTask"));
    connect(a, &QAction::triggered, this, [this] { m_archive->passOnClick(m_files->chosenTaskFile()); });
    a = textAction(menu2->addAction(QString()), QT_TR_NOOP("Aufgabe üb&ernehmen ..."));
    a->setObjectName(QStringLiteral("takeInTask"));
    connect(a, &QAction::triggered, m_archive, &TaskArchiveActions::takeInClick);
    a = textAction(menu2->addAction(QString()), QT_TR_NOOP("&Klassenliste ..."));
    a->setObjectName(QStringLiteral("classList"));
    connect(a, &QAction::triggered, this,
            [this, platform] { ClassListDialog::run(this, platform, m_host->programFolder()); });
    menu2->addSeparator();
    a = textAction(menu2->addAction(QString()), QT_TR_NOOP("&Bilder einfügen ..."));
    a->setObjectName(QStringLiteral("importPictures"));
    connect(a, &QAction::triggered, m_import, &PictureImportActions::importPicturesClick);
    a = textAction(menu2->addAction(QString()), QT_TR_NOOP("&Lösungsbilder einfügen ..."));
    a->setObjectName(QStringLiteral("importSolutionPictures"));
    connect(a, &QAction::triggered, m_import, &PictureImportActions::importSolutionPicturesClick);
    // [Fest] AufnahmeAus: voices of children are personal data, so there is no recording at all.
    const ClassroomConfig *extra = m_host->classroomConfig();
    if (!extra || !extra->value(config::recordingOff)) {
        m_recording = new SoundRecording(m_client, platform, m_host->programFolder(), menu2, m_pairs->controls());
        reportInto(m_recording);
    }

    QAction *menu3 = textAction(bar->addAction(QString()), QT_TR_NOOP("&Großbild"));
    menu3->setObjectName(QStringLiteral("menu3"));
    connect(menu3, &QAction::triggered, m_browser, &PictureBrowser::menu3_Click);
}

void EditorWindow::buildHelpLine()
{
    m_hilfe = editorLabel(m_client, "hilfe", QString(), {3600, 8160, 9135, 375}, Qt::black,
                          Qt::white, designFont(9.75));
    m_hilfe->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_help = new HelpLine(m_hilfe);

    const struct { QWidget *control; const char *text; } help[] = {
        {m_pairs->List1(), QT_TR_NOOP("In dieser grünen Liste stehen die linken Teilpaare oder Aufgaben ...")},
        {m_pairs->List2(), QT_TR_NOOP("In dieser blauen Liste stehen die rechten Teilpaare oder Lösungen ...")},
        {m_pairs->Text1(), QT_TR_NOOP("Hier die gewünschten Texte eingeben und mit den Symbolen einsetzen ...")},
        {m_files->tabChain().first(), QT_TR_NOOP("In dieser roten Liste stehen die Quelldateien mit den Daten ...")},
        {m_browser->List3(), QT_TR_NOOP("Aus dieser Ordnerliste einen Ordner durch Anklicken auswählen ...")},
        {m_browser->File1(), QT_TR_NOOP("Aus dieser Bildliste ein aktuelles Bild durch Anklicken auswählen ...")},
        {m_browser->Picture1(), QT_TR_NOOP("Das Vorschaubild mit Drag&Drop in das grüne oder blaue Fenster ziehen ...")},
    };
    for (const auto &h : help) {
        QWidget *control = h.control;
        control->setProperty(kHelpProperty, QByteArray(h.text));
        control->setMouseTracking(true);
        control->installEventFilter(this);
        if (auto *view = qobject_cast<QAbstractScrollArea *>(control)) {
            view->viewport()->setMouseTracking(true);
            view->viewport()->installEventFilter(this);
        }
    }
}

template <class FileSource>
void EditorWindow::reportInto(FileSource *part)
{
    // A file that came in goes into its list, and the browser lists its folder.
    connect(part, &FileSource::fileAdded, this, [this](PairSide side, const QString &entry, const QString &path) {
        m_pairs->addFile(side, entry, path);
        m_browser->OrdnerEinrichten();
    });
    // Each part's progress stands on the help line until its next message.
    auto pushed = std::make_shared<bool>(false);
    connect(part, &FileSource::progress, this, [this, pushed](const QString &message) {
        if (*pushed)
            m_help->pop();
        *pushed = !message.isEmpty();
        if (*pushed)
            m_help->push(message);
    });
}

QAction *EditorWindow::textAction(QAction *action, const char *text)
{
    m_texts.append({action, text});
    return action;
}

void EditorWindow::showHelp(const QByteArray &text)
{
    m_helpSource = text;
    m_hilfe->setText(tr(text.constData()));
    m_helpShown = m_hilfe->text();
}

void EditorWindow::retranslate()
{
    setWindowTitle(tr("Duplikon: Editor"));
    for (const auto &[action, text] : std::as_const(m_texts))
        action->setText(tr(text));
    // The help line follows the language while it shows one of its own texts.
    if (m_helpShown.isNull() || m_hilfe->text() == m_helpShown)
        showHelp(m_helpSource);
    m_pairs->retranslate();
    m_files->retranslate();
    m_browser->retranslate();
    if (m_recording)
        m_recording->retranslate();
    fixSize();
}

void EditorWindow::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        retranslate();
}

void EditorWindow::fixSize()
{
    // The client area keeps its size of 12960 × 8640 twips below the menu bar.
    setFixedSize(px(kClientWidth), px(kClientHeight) + menuBar()->sizeHint().height());
}

void EditorWindow::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect s = screen->geometry();
    move(s.x() + (s.width() - px(kOuterWidth)) / 2, s.y() + (s.height() - px(kOuterHeight)) / 2);
}

void EditorWindow::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (!e->spontaneous()) {
        m_activation->reset();
        Form_Activate();
    }
}

void EditorWindow::closeEvent(QCloseEvent *e)
{
    const bool wasShown = isVisible();
    m_drag->cancel();
    hide();
    if (wasShown && m_host)
        m_host->editorLeft();
    e->accept();
}

void EditorWindow::dropPicture(QWidget *target)
{
    m_pairs->dropPicture(target, m_browser->chosenEntry(), m_browser->previewImage(), m_browser->previewPath());
}

bool EditorWindow::eventFilter(QObject *watched, QEvent *e)
{
    QObject *control = watched;
    if (!control->property(kHelpProperty).isValid() && control->parent())
        control = control->parent(); // a list's viewport
    if (!control->property(kHelpProperty).isValid())
        return false;
    const bool pairList = control == m_pairs->List1() || control == m_pairs->List2();
    const bool picture1 = control == m_browser->Picture1();
    const bool picture = control == m_browser->File1() || picture1;
    if (e->type() == QEvent::MouseMove) {
        showHelp(control->property(kHelpProperty).toByteArray());
        if (pairList)
            m_pairs->ListenPruefen();
    } else if (e->type() == QEvent::FocusIn && pairList) {
        m_pairs->ListenPruefen();
    } else if (e->type() == QEvent::FocusIn && picture && watched == control) {
        // Only Tab and Shift+Tab: the focus that comes back after a menu, a
        // message box or the large preview leaves the help line alone.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(e)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            showHelp(kKeyHint);
        if (picture1)
            m_browser->Shape1()->setLineWidth(3);
    } else if (e->type() == QEvent::FocusOut && picture1 && watched == control) {
        m_browser->Shape1()->setLineWidth(1);
    } else if (e->type() == QEvent::KeyPress && picture && watched == control) {
        // The keyboard's way of the drag: the same drop onto the list.
        const auto *key = static_cast<QKeyEvent *>(e);
        if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_G || key->key() == Qt::Key_B)) {
            dropPicture(key->key() == Qt::Key_G ? m_pairs->List1() : m_pairs->List2());
            return true;
        }
    }
    return false;
}

void EditorWindow::Form_Activate()
{
    fixSize();
    m_browser->OrdnerEinrichten();
    m_files->showFileCount(); // the last step of OrdnerEinrichten: Label9
    m_pairs->ListenPruefen();
}

void EditorWindow::menu1_Click()
{
    m_browser->leave();
    m_drag->cancel();
    hide();
    if (m_host)
        m_host->editorLeft();
}

} // namespace duplikon
