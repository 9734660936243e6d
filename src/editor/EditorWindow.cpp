// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorWindow.h"

#include "editor/EditorHost.h"
#include "editor/EditorRules.h"
#include "editor/EditorSymbols.h"
#include "platform/Fonts.h"
#include "platform/ClickLabel.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"
#include "platform/Geometry.h"
#include "platform/InWindowDrag.h"
#include "platform/PictureBox.h"
#include "platform/TextFiles.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

namespace duplikon {

namespace {

const QChar CR(0x0D);

// Client area 12960 x 8640 twips; outer size 13050 x 9300 twips.
constexpr int kClientWidth = 12960;
constexpr int kClientHeight = 8640;
constexpr int kOuterWidth = 13050;
constexpr int kOuterHeight = 9300;
// The large preview: open at Left 240, parked at Left 13080.
constexpr int kPreviewOpenLeft = 240;
constexpr int kPreviewParkedLeft = 13080;

const QString kPicturePatterns = QStringLiteral("*.BMP;*.GIF;*.JPG;*.WMF");

const char *kHelpProperty = "hilfetext";

int listIndex(const QListWidget *list)
{
    const QModelIndexList rows = list->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString entryText(const QListWidget *list, int row)
{
    return list->item(row)->text();
}

QStringList entries(const QListWidget *list)
{
    QStringList out;
    out.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Changes the selection without raising the list's click (Clear, RemoveItem).
void setListIndex(QListWidget *list, int row)
{
    const QSignalBlocker block(list);
    if (row < 0 || row >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
    } else {
        list->setCurrentRow(row);
    }
}

void clearList(QListWidget *list)
{
    const QSignalBlocker block(list);
    list->clear();
}

void fillList(QListWidget *list, const QStringList &items)
{
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(items);
}

QString withoutLineBreaks(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar c : {QChar(0x0D), QChar(0x0A), QChar(0x2028), QChar(0x2029), QChar(0x85)})
        t.replace(c, QLatin1Char(' '));
    return t;
}

QString folderKey(const QString &path)
{
    return QDir::cleanPath(path);
}

} // namespace

EditorWindow::EditorWindow(Platform platform, EditorHost *host, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_host(host)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Duplikon: Editor"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_langname = withTrailingSeparator(m_host->programFolder());
    // Dir1 and File1 start in the working folder.
    m_dir1 = folderKey(m_host->programFolder());

    buildMenu();
    buildControls();
    fixSize();
    centreOnScreen();

    refreshFile2();
    fillFile1();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    QAction *menu1 = bar->addAction(QStringLiteral("Abbruch"));
    menu1->setObjectName(QStringLiteral("menu1"));
    connect(menu1, &QAction::triggered, this, &EditorWindow::menu1_Click);

    QMenu *menu2 = bar->addMenu(QStringLiteral("Datei"));
    menu2->setObjectName(QStringLiteral("menu2"));
    menu2->menuAction()->setObjectName(QStringLiteral("menu2"));
    QAction *a = menu2->addAction(QStringLiteral("aktuelle Datei"));
    a->setObjectName(QStringLiteral("menu2a"));
    connect(a, &QAction::triggered, this, &EditorWindow::menu2a_Click);
    a = menu2->addAction(QStringLiteral("neue Datei ..."));
    a->setObjectName(QStringLiteral("menu2b"));
    connect(a, &QAction::triggered, this, &EditorWindow::menu2b_Click);
    a = menu2->addSeparator();
    a->setObjectName(QStringLiteral("menu2c"));
    a = menu2->addAction(QStringLiteral("Datei sichern"));
    a->setObjectName(QStringLiteral("menu2d"));
    connect(a, &QAction::triggered, this, &EditorWindow::menu2d_Click);

    QAction *menu3 = bar->addAction(QStringLiteral("Großbild"));
    menu3->setObjectName(QStringLiteral("menu3"));
    connect(menu3, &QAction::triggered, this, &EditorWindow::menu3_Click);
}

void EditorWindow::buildControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    m_client->setFixedSize(px(kClientWidth), px(kClientHeight));
    setBackground(m_client, kSystemInactiveCaptionText);

    auto label = [this](const char *name, const QString &text, int l, int t, int w, int h,
                        const QColor &bg, const QColor &fg, const QFont &font) {
        auto *lab = new ClickLabel(text, m_client);
        lab->setObjectName(QLatin1String(name));
        lab->setTextFormat(Qt::PlainText);
        lab->setFont(font);
        setBackground(lab, bg);
        setForeground(lab, fg);
        placeTwips(lab, l, t, w, h);
        return lab;
    };
    auto list = [this](const char *name, int l, int t, int w, int h, const QColor &bg, const QColor &fg) {
        auto *lst = new QListWidget(m_client);
        lst->setObjectName(QLatin1String(name));
        lst->setFont(designFont(9.75));
        lst->setSelectionMode(QAbstractItemView::SingleSelection);
        lst->setEditTriggers(QAbstractItemView::NoEditTriggers);
        lst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        lst->setTextElideMode(Qt::ElideNone);
        lst->setFrameShape(QFrame::Box);
        lst->setLineWidth(1);
        setBackground(lst, bg);
        setForeground(lst, fg);
        placeTwips(lst, l, t, w, h);
        return lst;
    };
    auto shape = [this](const char *name, int l, int t, int w, int h, QWidget *parent) {
        auto *f = new QFrame(parent);
        f->setObjectName(QLatin1String(name));
        f->setFrameShape(QFrame::Box);
        f->setLineWidth(1);
        f->setAttribute(Qt::WA_TransparentForMouseEvents);
        placeTwips(f, l, t, w, h);
        return f;
    };
    auto pictureBox = [this](const char *name, int l, int t, int w, int h, PictureFit fit, QWidget *parent) {
        auto *box = new PictureBox(parent ? parent : m_client, fit);
        box->setObjectName(QLatin1String(name));
        setBackground(box, kSystemWindow);
        placeTwips(box, l, t, w, h);
        return box;
    };

    const QColor black(Qt::black);
    const QColor green(192, 255, 192), greenText(128, 255, 128);
    const QColor cyan(192, 255, 255), cyanText(128, 255, 255);
    const QColor red(255, 192, 192);
    const QColor violet(128, 128, 255), lavender(192, 192, 255);
    const QFont labelFont = designFont(9.75);

    // Picture browser column.
    label("Label1", QStringLiteral(" Vorschau:"), 240, 240, 2895, 255, black, violet, labelFont);
    shape("Shape1", 240, 480, 2895, 2055, m_client);
    m_picture1 = pictureBox("Picture1", 480, 600, 2415, 1815, PictureFit::Clip, nullptr);
    m_picture1->setToolTip(QStringLiteral("Drag&Drop ins Farbfeld"));
    m_list3 = list("List3", 240, 2520, 2895, 1950, violet, Qt::white);
    m_file1 = list("File1", 240, 4440, 2895, 4110, lavender, black);

    auto *line1 = new QFrame(m_client);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::NoFrame);
    setBackground(line1, black);
    line1->setGeometry(px(3360), px(240), 1, px(8520) - px(240) + 1);

    // Green column.
    label("Label2", QStringLiteral(" Vorschau:"), 3600, 240, 2175, 255, black, greenText, labelFont);
    m_label4 = label("Label4", QStringLiteral("0"), 5760, 240, 735, 255, black, greenText, labelFont);
    shape("Shape2", 3600, 480, 2895, 2055, m_client);
    m_lupe1 = pictureBox("Lupe1", 3840, 600, 2415, 1815, PictureFit::Clip, nullptr);
    m_lupe1->setToolTip(QStringLiteral("Vorschau der Listen"));
    m_list1 = list("List1", 3600, 2520, 2895, 4110, green, black);

    // Task files.
    label("Label8", QStringLiteral(" Lerndateien:"), 6720, 240, 2175, 375, black, red, labelFont);
    m_label9 = label("Label9", QStringLiteral("0"), 8880, 240, 735, 375, black, red, labelFont);
    m_file2 = list("File2", 6720, 600, 2895, 6030, red, black);
    const QFont actionFont = designFont(8.25);
    const QColor windowText = toQColor(kSystemWindowText);
    struct Action { const char *name; const char *text; int left; void (EditorWindow::*slot)(); };
    const Action actions[] = {
        {"Label10", "Datei kopieren", 6720, &EditorWindow::Label10_Click},
        {"Label11", "Datei drucken", 7680, &EditorWindow::Label11_Click},
        {"Label12", "Datei löschen", 8640, &EditorWindow::Label12_Click},
    };
    for (const Action &a : actions) {
        ClickLabel *lab = label(a.name, QString::fromUtf8(a.text), a.left, 6720, 975, 495, red, windowText, actionFont);
        lab->setWordWrap(true);
        lab->setAlignment(Qt::AlignCenter);
        lab->setCursor(Qt::PointingHandCursor);
        connect(lab, &ClickLabel::clicked, this, a.slot);
    }

    // Blue column.
    label("Label3", QStringLiteral(" Vorschau:"), 9840, 240, 2175, 255, black, cyanText, labelFont);
    m_label5 = label("Label5", QStringLiteral("0"), 12000, 240, 735, 255, black, cyanText, labelFont);
    shape("Shape3", 9840, 480, 2895, 2055, m_client);
    m_lupe2 = pictureBox("Lupe2", 10080, 600, 2415, 1815, PictureFit::Clip, nullptr);
    m_list2 = list("List2", 9840, 2520, 2895, 4110, cyan, black);

    // Symbol buttons, left to right under each list.
    struct Button { const char *name; EditorSymbol kind; int left; const char *tip; void (EditorWindow::*slot)(); };
    const Button buttons[] = {
        {"Picture2", EditorSymbol::Insert, 3600, "Text einsetzen", &EditorWindow::Picture2_Click},
        {"Picture5", EditorSymbol::MoveUp, 4080, "nach oben", &EditorWindow::Picture5_Click},
        {"Picture4", EditorSymbol::Replace, 4560, "Text ersetzen", &EditorWindow::Picture4_Click},
        {"Picture3", EditorSymbol::Take, 5040, "Text holen", &EditorWindow::Picture3_Click},
        {"Picture6", EditorSymbol::MoveDown, 5520, "nach unten", &EditorWindow::Picture6_Click},
        {"Picture7", EditorSymbol::Delete, 6000, "Text löschen", &EditorWindow::Picture7_Click},
        {"Picture9", EditorSymbol::Insert, 9840, "Text einsetzen", &EditorWindow::Picture9_Click},
        {"Picture8", EditorSymbol::MoveUp, 10320, "nach oben", &EditorWindow::Picture8_Click},
        {"Picture13", EditorSymbol::Replace, 10800, "Text ersetzen", &EditorWindow::Picture13_Click},
        {"Picture11", EditorSymbol::Take, 11280, "Text holen", &EditorWindow::Picture11_Click},
        {"Picture10", EditorSymbol::MoveDown, 11760, "nach unten", &EditorWindow::Picture10_Click},
        {"Picture12", EditorSymbol::Delete, 12240, "Text löschen", &EditorWindow::Picture12_Click},
    };
    for (const Button &b : buttons) {
        auto *btn = new SymbolButton(b.kind, m_client);
        btn->setObjectName(QLatin1String(b.name));
        btn->setToolTip(QString::fromUtf8(b.tip));
        placeTwips(btn, b.left, 6720, 495, 495);
        connect(btn, &SymbolButton::clicked, this, b.slot);
    }

    m_text1 = new QLineEdit(QStringLiteral("Text eingeben"), m_client);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(designFont(12));
    setBackground(m_text1, QColor(255, 255, 192));
    placeTwips(m_text1, 3600, 7320, 9135, 735);
    // An entry is one line of the task file: a pasted line break becomes a blank.
    connect(m_text1, &QLineEdit::textChanged, this, [this](const QString &t) {
        const QString clean = withoutLineBreaks(t);
        if (clean != t) {
            const int pos = m_text1->cursorPosition();
            m_text1->setText(clean);
            m_text1->setCursorPosition(qMin(pos, int(clean.size())));
        }
    });

    m_hilfe = label("hilfe", QStringLiteral("Hilfetexte"), 3600, 8160, 9135, 375, black, Qt::white, labelFont);
    m_hilfe->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Large preview, parked out of view.
    m_vorschau = new QWidget(m_client);
    m_vorschau->setObjectName(QStringLiteral("vorschau"));
    setBackground(m_vorschau, palette().color(QPalette::Button));
    placeTwips(m_vorschau, kPreviewParkedLeft, 240, 12495, 8295);
    m_vorschau->installEventFilter(this);
    auto *label7 = new ClickLabel(QStringLiteral("So würde das ausgewählte Bild im Großformat für ein Lösungsbild am Ende der Spielreihe aussehen . . ."), m_vorschau);
    label7->setObjectName(QStringLiteral("Label7"));
    label7->setTextFormat(Qt::PlainText);
    label7->setFont(labelFont);
    setBackground(label7, black);
    setForeground(label7, Qt::white);
    placeTwips(label7, 0, 0, 12615, 375);
    label7->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_image1 = pictureBox("Image1", 0, 360, 12495, 7575, PictureFit::Stretch, m_vorschau);
    m_image1->setAutoFillBackground(false);
    connect(m_image1, &PictureBox::clicked, this, &EditorWindow::Image1_Click);
    m_shape4 = shape("Shape4", 0, 7920, 12495, 375, m_vorschau);
    auto *command1 = new QPushButton(QStringLiteral("<<"), m_vorschau);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setFont(designFont(12));
    placeTwips(command1, 0, 7560, 615, 375);
    connect(command1, &QPushButton::clicked, this, &EditorWindow::Command1_Click);
    auto *command2 = new QPushButton(QStringLiteral(">>"), m_vorschau);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setFont(designFont(12));
    placeTwips(command2, 11880, 7560, 615, 375);
    connect(command2, &QPushButton::clicked, this, &EditorWindow::Command2_Click);
    moveLeftTwips(m_vorschau, kPreviewParkedLeft);

    // Clicks on the lists; a selection made by the program calls the same
    // handler directly (selectEntry), with the list's signals blocked.
    for (QListWidget *l : {m_list1, m_list2, m_file2, m_list3, m_file1}) {
        connect(l, &QListWidget::itemSelectionChanged, this, [this, l] {
            if (listIndex(l) >= 0)
                runClick(l);
        });
    }

    // Help line.
    const struct { QWidget *control; const char *text; } help[] = {
        {m_list1, "In dieser grünen Liste stehen die linken Teilpaare oder Aufgaben ..."},
        {m_list2, "In dieser blauen Liste stehen die rechten Teilpaare oder Lösungen ..."},
        {m_text1, "Hier die gewünschten Texte eingeben und mit den Symbolen einsetzen ..."},
        {m_file2, "In dieser roten Liste stehen die Quelldateien mit den Daten ..."},
        {m_list3, "Aus dieser Ordnerliste einen Ordner durch Anklicken auswählen ..."},
        {m_file1, "Aus dieser Bildliste ein aktuelles Bild durch Anklicken auswählen ..."},
        {m_picture1, "Das Vorschaubild mit Drag&Drop in das grüne oder blaue Fenster ziehen ..."},
    };
    for (const auto &h : help) {
        h.control->setProperty(kHelpProperty, QString::fromUtf8(h.text));
        h.control->setMouseTracking(true);
        h.control->installEventFilter(this);
        if (auto *view = qobject_cast<QAbstractScrollArea *>(h.control)) {
            view->viewport()->setMouseTracking(true);
            view->viewport()->installEventFilter(this);
        }
    }

    // Picture1 is dragged onto a pair list or its preview box.
    m_drag = new InWindowDrag(this, [this](QWidget *source, QWidget *target) {
        if (source == m_picture1)
            dropOnto(target);
    });
    m_drag->addSource(m_picture1);
    for (QWidget *t : {static_cast<QWidget *>(m_list1), static_cast<QWidget *>(m_lupe1),
                       static_cast<QWidget *>(m_list2), static_cast<QWidget *>(m_lupe2)})
        m_drag->addTarget(t);
}

void EditorWindow::fixSize()
{
    // The client area keeps its design size below the menu bar.
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

// ---- window events ----------------------------------------------------------

bool EditorWindow::event(QEvent *e)
{
    if (e->type() == QEvent::WindowDeactivate) {
        // Only a change to another window of the program counts; a message
        // box or another application does not.
        QWidget *next = QApplication::activeWindow();
        m_otherWindowWasActive = next && next != this && !qobject_cast<QDialog *>(next)
                                 && !next->inherits("QMenu");
    } else if (e->type() == QEvent::WindowActivate) {
        if (m_otherWindowWasActive && isVisible()) {
            m_otherWindowWasActive = false;
            Form_Activate();
        }
    }
    return QMainWindow::event(e);
}

void EditorWindow::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (!e->spontaneous()) {
        m_otherWindowWasActive = false;
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

bool EditorWindow::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == m_vorschau) {
        if (e->type() == QEvent::MouseButtonPress) {
            e->accept();
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease) {
            auto *me = static_cast<QMouseEvent *>(e);
            const QPoint pos = me->position().toPoint();
            QWidget *child = m_vorschau->childAt(pos);
            if (me->button() == Qt::LeftButton && m_vorschau->rect().contains(pos)
                && (!child || child == m_shape4))
                vorschau_Click();
            return true;
        }
        return false;
    }
    QObject *control = watched;
    if (!control->property(kHelpProperty).isValid() && control->parent())
        control = control->parent(); // a list's viewport
    if (!control->property(kHelpProperty).isValid())
        return false;
    if (e->type() == QEvent::MouseMove)
        showHelp(control);
    else if (e->type() == QEvent::FocusIn && (control == m_list1 || control == m_list2))
        ListenPruefen();
    return false;
}

void EditorWindow::showHelp(QObject *control)
{
    m_hilfe->setText(control->property(kHelpProperty).toString());
    if (control == m_list1 || control == m_list2)
        ListenPruefen();
}

void EditorWindow::Form_Activate()
{
    fixSize();
    OrdnerEinrichten();
    ListenPruefen();
}

// ---- pair lists ---------------------------------------------------------------

void EditorWindow::ListenPruefen()
{
    m_label4->setText(QString::number(m_list1->count()));
    m_label5->setText(QString::number(m_list2->count()));
    if (m_list1->count() > 10)
        m_hilfe->setText(QStringLiteral("Liste 1 hat mehr als 10 Elemente."));
    if (m_list2->count() > 10)
        m_hilfe->setText(QStringLiteral("Liste 2 hat mehr als 10 Elemente."));
}

void EditorWindow::selectEntry(QListWidget *list, int row)
{
    setListIndex(list, row);
    runClick(list);
}

void EditorWindow::runClick(QListWidget *list)
{
    if (list == m_list1)
        List1_Click();
    else if (list == m_list2)
        List2_Click();
    else if (list == m_file2)
        File2_Click();
    else if (list == m_list3)
        List3_Click();
    else if (list == m_file1)
        File1_Click();
}

void EditorWindow::List1_Click() { listClick(m_list1, m_lupe1); }
void EditorWindow::List2_Click() { listClick(m_list2, m_lupe2); }

void EditorWindow::listClick(QListWidget *list, PictureBox *lupe)
{
    m_label4->setText(QString::number(m_list1->count()));
    m_label5->setText(QString::number(m_list2->count()));
    const int i = listIndex(list);
    const QString entry = i >= 0 ? entryText(list, i) : QString();
    // The design opens the path in capitals, which finds the file whatever its
    // letter case; the path is matched part by part without regard to case.
    if (editor::isPictureName(m_langname + entry)) {
        const QString path = resolvePath(m_langname, entry);
        if (!lupe->loadFile(path))
            lupe->setNote(entry); // the teacher sees which picture is missing
    } else {
        lupe->clearPicture();
    }
    ListenPruefen();
}

QString EditorWindow::text1() const
{
    return withoutLineBreaks(m_text1->text());
}

void EditorWindow::insertText(QListWidget *list)
{
    list->addItem(text1());
    ListenPruefen();
}

void EditorWindow::takeText(QListWidget *list)
{
    const int i = listIndex(list);
    if (i >= 0)
        m_text1->setText(entryText(list, i));
}

void EditorWindow::replaceText(QListWidget *list)
{
    const int i = listIndex(list);
    if (i >= 0)
        list->item(i)->setText(text1());
}

void EditorWindow::deleteEntry(QListWidget *list)
{
    const int i = listIndex(list);
    if (i < 0)
        return;
    {
        const QSignalBlocker block(list);
        delete list->takeItem(i);
    }
    setListIndex(list, -1);
}

void EditorWindow::moveEntry(QListWidget *list, int step)
{
    const int i = listIndex(list);
    const int j = editor::moveTarget(i, list->count(), step);
    if (j < 0)
        return;
    const QString a = entryText(list, i);
    list->item(i)->setText(entryText(list, j));
    list->item(j)->setText(a);
    selectEntry(list, j);
}

void EditorWindow::Picture2_Click() { insertText(m_list1); }
void EditorWindow::Picture5_Click() { moveEntry(m_list1, -1); }
void EditorWindow::Picture4_Click() { replaceText(m_list1); }
void EditorWindow::Picture3_Click() { takeText(m_list1); }
void EditorWindow::Picture6_Click() { moveEntry(m_list1, +1); }
void EditorWindow::Picture7_Click() { deleteEntry(m_list1); }
void EditorWindow::Picture9_Click() { insertText(m_list2); }
void EditorWindow::Picture8_Click() { moveEntry(m_list2, -1); }
void EditorWindow::Picture13_Click() { replaceText(m_list2); }
void EditorWindow::Picture11_Click() { takeText(m_list2); }
void EditorWindow::Picture10_Click() { moveEntry(m_list2, +1); }
void EditorWindow::Picture12_Click() { deleteEntry(m_list2); }

// ---- leaving ------------------------------------------------------------------

void EditorWindow::menu1_Click()
{
    closeLargePreview();
    m_image1->clearPicture();
    m_picture1->clearPicture();
    m_drag->cancel();
    hide();
    if (m_host)
        m_host->editorLeft();
}

// ---- task files -----------------------------------------------------------------

void EditorWindow::refreshFile2()
{
    // Its folder is the program folder at load; a new pattern re-reads it.
    fillList(m_file2, listFiles(m_langname, QStringLiteral("*.TXT")));
    m_label9->setText(QString::number(m_file2->count()));
}

void EditorWindow::File2_Click()
{
    const int i = listIndex(m_file2);
    if (i < 0)
        return;
    const QString name = entryText(m_file2, i);
    const TextFileResult file = readTextLines(m_langname + name);
    if (!file.ok) {
        // The lists stay as they were.
        m_platform.dialogs->message(QStringLiteral("Datei öffnen"),
                                    name + QStringLiteral(" konnte nicht gelesen werden:") + CR + file.error + CR);
        return;
    }
    QStringList l1, l2;
    editor::dealPairs(file.lines, false, &l1, &l2);
    fillList(m_list1, l1);
    fillList(m_list2, l2);
    m_label9->setText(QString::number(m_file2->count()));
    if (m_list1->count() > 0)
        selectEntry(m_list1, 0);
    if (m_list2->count() > 0)
        selectEntry(m_list2, 0);
    ListenPruefen();
}

void EditorWindow::menu2a_Click()
{
    const QStringList files = m_host->taskFiles();
    const int i = m_host->selectedTaskFile();
    if (i < 0 || i >= files.size()) {
        m_platform.dialogs->message(QStringLiteral("Aktuelle Datei"), QStringLiteral("Es ist keine Datei ausgewählt.") + CR);
        return;
    }
    const QString name = files.at(i);
    const TextFileResult file = readTextLines(resolvePath(m_langname, name));
    if (!file.ok) {
        m_platform.dialogs->message(QStringLiteral("Aktuelle Datei"),
                                    name + QStringLiteral(" konnte nicht gelesen werden:") + CR + file.error + CR);
        return;
    }
    QStringList l1, l2;
    editor::dealPairs(file.lines, true, &l1, &l2);
    // Nothing is selected afterwards; previews and counts stay until ListenPruefen.
    fillList(m_list1, l1);
    fillList(m_list2, l2);
}

void EditorWindow::menu2b_Click()
{
    clearList(m_list1);
    clearList(m_list2);
    m_lupe1->clearPicture();
    m_lupe2->clearPicture();
    m_text1->setText(QString());
    m_platform.dialogs->message(QStringLiteral("Neue Datei"), QStringLiteral("Sie können nun eine neue Datei erstellen.") + CR);
}

void EditorWindow::menu2d_Click()
{
    Dialogs *dlg = m_platform.dialogs;
    if (m_list1->count() != m_list2->count()) {
        dlg->message(QStringLiteral("Fehler in Listen"), QStringLiteral("Die zwei Listen sind verschieden lang.") + CR);
        return;
    }
    if (m_list1->count() > 20 || m_list2->count() > 20) {
        dlg->message(QStringLiteral("Fehler in Listen"),
                     QStringLiteral("Die Listen sind zu lang.,") + CR + QStringLiteral("nur 20 Einträge sind zulässig.") + CR);
        return;
    }
    const QString answer = dlg->input(QStringLiteral("Datei sichern"),
                                      QStringLiteral("Namen für die Datei eingeben:") + CR + QStringLiteral("(Nur Endung '.TXT' akzeptiert)"),
                                      QString());
    const editor::TaskFileName rule = editor::taskFileName(answer);
    if (rule.verdict == editor::TaskFileName::Empty)
        return;
    if (rule.verdict == editor::TaskFileName::NotAllowed) {
        dlg->message(QStringLiteral("Datei sichern"),
                     QStringLiteral("Dieser Name ist für eine Datei nicht zulässig.") + CR
                         + QStringLiteral("Bitte einen einfachen Namen ohne \"/\", \"\\\" und \"..\" eingeben.") + CR);
        return;
    }
    const QString name = rule.name;

    int found = 0;
    for (const QString &f : m_host->taskFiles())
        if (f.toUpper() == name)
            ++found;
    if (found > 0
        && !dlg->askYesNo(name + QStringLiteral(" sichern"),
                          QStringLiteral("Die Datei ist schon vorhanden,") + CR + QStringLiteral("soll sie überschrieben werden?") + CR))
        return;

    // A file of that name in another letter case is the same file to the
    // teacher: replace it rather than put a twin beside it.
    QString path = resolvePath(m_langname, name);
    if (!QFileInfo::exists(path) || QFileInfo(path).dir() != QDir(m_langname))
        path = m_langname + name;
    QString error;
    const QByteArray bytes = linesToBytes(editor::pairLines(entries(m_list1), entries(m_list2)));
    if (!writeFileAtomically(path, bytes, &error)) {
        dlg->message(QStringLiteral("Datei sichern"),
                     name + QStringLiteral(" konnte nicht gespeichert werden:") + CR + error + CR);
        return;
    }
    m_host->setTaskFilePattern(QStringLiteral("*.LST"));
    dlg->message(QStringLiteral("Datei sichern"), name + QStringLiteral(" wurde gespeichert.") + CR);
    m_host->setTaskFilePattern(QStringLiteral("*.TXT"));
    // File2 reads the folder again ("*.LST" and back to "*.TXT").
    fillList(m_file2, QStringList());
    m_label9->setText(QStringLiteral("0"));
    refreshFile2();
}

void EditorWindow::Label10_Click()
{
    const QString text = editor::textForm(entries(m_list1), entries(m_list2));
    m_platform.clipboard->clear();
    m_platform.clipboard->setText(text);
    m_platform.dialogs->message(QStringLiteral("Ablage"), QStringLiteral("Die Datei wurde in die Ablage kopiert.") + CR + CR);
}

void EditorWindow::Label11_Click()
{
    const int i = listIndex(m_file2);
    if (i < 0)
        return;
    const QString name = entryText(m_file2, i);
    if (!m_platform.dialogs->askYesNo(name, QStringLiteral("Diese Datei jetzt ausdrucken?") + CR + CR))
        return;
    const QStringList lines = editor::pairLines(entries(m_list1), entries(m_list2));
    auto draw = [lines](QPainter &p, double devicePerTwip) {
        // Verdana 18 point from the top-left corner, one line per half. When
        // the lines would run off the page the type gets smaller, so that no
        // half is lost.
        QFont font(QStringLiteral("Verdana"));
        int size = qMax(1, qRound(18 * 20 * devicePerTwip));
        font.setPixelSize(size);
        QFontMetrics fm(font, p.device());
        const int pageHeight = p.device() ? p.device()->height() : 0;
        if (pageHeight > 0 && !lines.isEmpty() && fm.lineSpacing() * lines.size() > pageHeight) {
            size = qMax(1, size * pageHeight / (fm.lineSpacing() * int(lines.size())));
            font.setPixelSize(size);
            fm = QFontMetrics(font, p.device());
        }
        p.setFont(font);
        p.setPen(Qt::black);
        int y = 0;
        for (const QString &line : lines) {
            p.drawText(0, y + fm.ascent(), line);
            y += fm.lineSpacing();
        }
    };
    QString error;
    if (!m_platform.printer->printPage(name, draw, &error)) {
        m_platform.dialogs->message(QStringLiteral("Drucken"),
                                    QStringLiteral("Die Datei konnte nicht gedruckt werden:") + CR + error + CR);
        return;
    }
    m_platform.dialogs->message(QStringLiteral("Drucken"), QStringLiteral("Die aktuelle Datei wird gedruckt ...  ") + CR + CR);
}

void EditorWindow::Label12_Click()
{
    const int i = listIndex(m_file2);
    if (i < 0)
        return;
    const QString name = entryText(m_file2, i);
    if (!m_platform.dialogs->askYesNo(name, QStringLiteral("Soll diese Datei gelöscht werden?") + CR + CR))
        return;
    QString error;
    if (!deleteFile(m_langname + name, &error)) {
        m_platform.dialogs->message(QStringLiteral("Datei löschen"),
                                    name + QStringLiteral(" konnte nicht gelöscht werden:") + CR + error + CR);
        return;
    }
    // "*.XYZ" and back to "*.TXT": File2 reads its folder again.
    fillList(m_file2, QStringList());
    m_label9->setText(QStringLiteral("0"));
    refreshFile2();
}

// ---- picture browser ----------------------------------------------------------

void EditorWindow::OrdnerEinrichten()
{
    const QString working = folderKey(m_host->programFolder());
    if (working != m_dir1) {
        m_dir1 = working;
        Dir1_Change();
    }
    const QString p = m_dir1;
    const int k = p.lastIndexOf(QLatin1Char('/'));
    m_pfadname = p.left(k + 1);
    m_langname = withTrailingSeparator(p);

    // The folder list shows paths from the parent folder on, with "\" between
    // the parts as designed: the program folder's name with a backslash, then
    // each direct subfolder. A name holding a backslash could not be written
    // into a task file unambiguously and is left out.
    const QString own = m_langname.mid(m_pfadname.size()).chopped(m_langname.size() > m_pfadname.size() ? 1 : 0);
    {
        const QSignalBlocker block(m_list3);
        m_list3->clear();
        auto *item = new QListWidgetItem(own + QLatin1Char('\\'), m_list3);
        item->setData(Qt::UserRole, m_dir1);
        for (const QString &sub : listSubfolders(m_langname)) {
            if (sub.contains(QLatin1Char('\\')))
                continue;
            auto *s = new QListWidgetItem(own + QLatin1Char('\\') + sub, m_list3);
            s->setData(Qt::UserRole, folderKey(m_langname + sub));
        }
    }
    selectEntry(m_list3, 0);
    // After "Abbruch" emptied the previews, the picture chosen in the program
    // folder comes back, so the teacher sees again what would be dragged.
    if (!m_picture1->hasPicture() && m_picture1->note().isEmpty() && listIndex(m_file1) >= 0)
        File1_Click();
    m_label9->setText(QString::number(m_file2->count()));
}

void EditorWindow::List3_Click()
{
    const int i = listIndex(m_list3);
    if (i < 0)
        return;
    const QString folder = m_list3->item(i)->data(Qt::UserRole).toString();
    if (folderKey(folder) == m_dir1)
        return; // the folder Dir1 already shows: no change
    m_dir1 = folderKey(folder);
    Dir1_Change();
}

void EditorWindow::fillFile1()
{
    fillList(m_file1, listFiles(m_dir1, kPicturePatterns));
}

void EditorWindow::Dir1_Change()
{
    fillFile1();
    if (m_file1->count() > 0)
        selectEntry(m_file1, 0);
}

void EditorWindow::File1_Click()
{
    const int i = listIndex(m_file1);
    if (i < 0)
        return;
    const QString name = entryText(m_file1, i);
    const QString path = withTrailingSeparator(m_dir1) + name;
    if (!m_picture1->loadFile(path))
        m_picture1->setNote(name);
    if (!m_image1->loadFile(path))
        m_image1->setNote(name);
}

void EditorWindow::dropOnto(QWidget *target)
{
    QListWidget *list = (target == m_list1 || target == m_lupe1) ? m_list1
                      : (target == m_list2 || target == m_lupe2) ? m_list2 : nullptr;
    if (!list)
        return;
    PictureBox *lupe = list == m_list1 ? m_lupe1 : m_lupe2;
    m_label4->setText(QString::number(m_list1->count()));
    m_label5->setText(QString::number(m_list2->count()));
    const int folder = listIndex(m_list3);
    const int file = listIndex(m_file1);
    // Without a chosen picture there is nothing to add.
    if (folder >= 0 && file >= 0) {
        const QString entry = editor::droppedPicturePath(entryText(m_list3, folder), entryText(m_file1, file));
        list->addItem(entry);
        lupe->setImage(m_picture1->image(), m_picture1->picturePath());
    }
    ListenPruefen();
}

// ---- large preview ------------------------------------------------------------

bool EditorWindow::largePreviewOpen() const
{
    return leftTwips(m_vorschau) == kPreviewOpenLeft;
}

void EditorWindow::setWindowBackground(const QColor &colour)
{
    setBackground(m_client, colour);
}

void EditorWindow::closeLargePreview()
{
    setWindowBackground(toQColor(kSystemInactiveCaptionText));
    moveLeftTwips(m_vorschau, kPreviewParkedLeft);
}

void EditorWindow::menu3_Click()
{
    if (largePreviewOpen()) {
        closeLargePreview();
        return;
    }
    setWindowBackground(Qt::black);
    moveLeftTwips(m_vorschau, kPreviewOpenLeft);
    m_image1->setToolTip(QStringLiteral("Vorschaubild mit Mausklick schließen ..."));
}

void EditorWindow::Image1_Click() { menu3_Click(); }
void EditorWindow::vorschau_Click() { closeLargePreview(); }

void EditorWindow::Command1_Click()
{
    const int n = m_file1->count();
    if (n == 0)
        return;
    int i = listIndex(m_file1) - 1;
    if (i < 0)
        i = n - 1;
    if (i != listIndex(m_file1))
        selectEntry(m_file1, i);
}

void EditorWindow::Command2_Click()
{
    const int n = m_file1->count();
    if (n == 0)
        return;
    int i = listIndex(m_file1) + 1;
    if (i >= n)
        i = 0;
    if (i != listIndex(m_file1))
        selectEntry(m_file1, i);
}

} // namespace duplikon
