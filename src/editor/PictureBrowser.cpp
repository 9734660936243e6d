// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PictureBrowser.h"

#include "editor/EditorControls.h"
#include "editor/EditorRules.h"
#include "editor/EditorSymbols.h"
#include "tasks/ProgramFolder.h"
#include "tasks/TaskFolder.h"
#include "pictures/SoundHalf.h"
#include "platform/Audio.h"
#include "platform/FileLists.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

namespace duplikon {

namespace {
// The large preview: open at Left 240, parked at Left 13080.
constexpr int kPreviewOpenLeft = 240;
constexpr int kPreviewParkedLeft = 13080;
} // namespace

PictureBrowser::PictureBrowser(QWidget *client, TaskFolder *folder, SoundOutput *sound)
    : QObject(client), m_folder(folder), m_workingFolder(cleanPath(folder->folder())), m_dir1(m_workingFolder),
      m_sound(sound)
{
    const QString programFolder = folder->folder();
    const QColor black(Qt::black);
    const QColor violet(128, 128, 255);
    const QFont font = designFont(9.75);

    m_langname = new QLabel(withTrailingSeparator(programFolder), client);
    m_langname->setObjectName(QStringLiteral("langname"));
    m_langname->hide();
    m_pfadname = new QLabel(client);
    m_pfadname->setObjectName(QStringLiteral("pfadname"));
    m_pfadname->hide();

    m_label1 = editorLabel(client, "Label1", QString(), {240, 240, 2895, 255}, black, violet, font);
    m_shape1 = editorShape(client, "Shape1", {240, 480, 2895, 2055});
    m_picture1 = editorPictureBox(client, "Picture1", {480, 600, 2415, 1815}, PictureFit::Clip);
    m_picture1->setFocusPolicy(Qt::TabFocus); // Ctrl+G and Ctrl+B put it into a list
    m_list3 = new ListBox(client);
    styleEditorList(m_list3, "List3", {240, 2520, 2895, 1950}, violet, Qt::white);
    m_file1 = new FileListBox(client, ProgramFolder::mediaPattern());
    styleEditorList(m_file1, "File1", {240, 4440, 2895, 4110}, QColor(192, 192, 255), black);
    // Folder paths and file names read left to right in every language (a
    // trailing separator would otherwise stand before the path).
    m_list3->setLayoutDirection(Qt::LeftToRight);
    m_file1->setLayoutDirection(Qt::LeftToRight);
    connect(m_list3, &ListBox::clicked, this, &PictureBrowser::List3_Click);
    connect(m_file1, &ListBox::clicked, this, &PictureBrowser::File1_Click);

    // Large preview, parked out of view.
    m_vorschau = new QWidget(client);
    m_vorschau->setObjectName(QStringLiteral("vorschau"));
    setBackground(m_vorschau, client->palette().color(QPalette::Button));
    placeTwips(m_vorschau, kPreviewParkedLeft, 240, 12495, 8295);
    m_vorschau->installEventFilter(this);
    m_label7 = editorLabel(m_vorschau, "Label7", QString(), {0, 0, 12615, 375}, black, Qt::white, font);
    m_label7->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_image1 = editorPictureBox(m_vorschau, "Image1", {0, 360, 12495, 7575}, PictureFit::Stretch);
    m_image1->setAutoFillBackground(false);
    connect(m_image1, &PictureBox::clicked, this, &PictureBrowser::menu3_Click);
    m_shape4 = editorShape(m_vorschau, "Shape4", {0, 7920, 12495, 375});
    // "<<" and ">>" select the previous and the next picture of File1.
    const struct { const char *name, *text; int left, step; } buttons[] = {
        {"Command1", "<<", 0, -1},
        {"Command2", ">>", 11880, +1},
    };
    for (const auto &b : buttons) {
        auto *button = new QPushButton(QLatin1String(b.text), m_vorschau);
        button->setObjectName(QLatin1String(b.name));
        m_previewButtons.append(button);
        button->setFont(designFont(12));
        placeTwips(button, b.left, 7560, 615, 375);
        connect(button, &QPushButton::clicked, this, [this, step = b.step] { browse(step); });
        pressOnEnter(button);
        // The arrow keys do the same while the panel is open (shown).
        auto *key = new QShortcut(QKeySequence(b.step < 0 ? Qt::Key_Left : Qt::Key_Right), m_vorschau);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, button, &QPushButton::click);
    }
    moveLeftTwips(m_vorschau, kPreviewParkedLeft);

    // Dir1 and File1 start in the working folder, no picture chosen. There
    // File1 shows what the folder's model lists, and follows its changes.
    m_file1->setEntries(m_folder->media());
    connect(m_folder, &TaskFolder::changed, this, [this] {
        if (m_dir1 == m_workingFolder)
            m_file1->replaceEntries(m_folder->media());
    });
}

void PictureBrowser::OrdnerEinrichten()
{
    if (m_dir1 != m_workingFolder) {
        m_dir1 = m_workingFolder;
        Dir1_Change();
    }
    const QString p = m_dir1;
    const QString pfadname = p.left(p.lastIndexOf(QLatin1Char('/')) + 1);
    const QString langname = withTrailingSeparator(p);
    m_pfadname->setText(pfadname);
    m_langname->setText(langname);

    // The folder list shows paths from the parent folder on, with "\" between
    // the parts: the program folder's name with a backslash, then
    // each direct subfolder. A name holding a backslash could not be written
    // into a task file unambiguously and is left out, and so is the folder of
    // the results kept for the teacher, which holds no pictures.
    const QString own = langname.mid(pfadname.size()).chopped(langname.size() > pfadname.size() ? 1 : 0);
    QStringList entries{own + QLatin1Char('\\')};
    m_folders = QStringList{m_dir1};
    for (const QString &sub : listSubfolders(langname)) {
        if (sub.contains(QLatin1Char('\\')) || sub.compare(ProgramFolder::resultsFolderName(), Qt::CaseInsensitive) == 0)
            continue;
        entries << own + QLatin1Char('\\') + sub;
        m_folders << cleanPath(langname + sub);
    }
    m_list3->setEntries(entries);
    m_list3->setListIndex(0);
    // After "Abbruch" emptied the previews, the picture chosen in the program
    // folder comes back, so the teacher sees again what would be dragged.
    if (!m_picture1->hasPicture() && m_picture1->note().isEmpty() && m_file1->listIndex() >= 0)
        selectQuietly(m_file1->listIndex());
}

void PictureBrowser::selectQuietly(int index)
{
    m_quiet = true;
    if (m_file1->listIndex() == index)
        File1_Click();
    else
        m_file1->setListIndex(index);
    m_quiet = false;
}

void PictureBrowser::List3_Click()
{
    const int i = m_list3->listIndex();
    if (i < 0 || m_folders.at(i) == m_dir1)
        return; // the folder Dir1 already shows: no change
    m_dir1 = m_folders.at(i);
    Dir1_Change();
}

void PictureBrowser::Dir1_Change()
{
    if (m_dir1 == m_workingFolder)
        m_file1->setEntries(m_folder->media());
    else if (!m_file1->setFolder(m_dir1))
        m_file1->setEntries({});
    if (m_file1->count() > 0)
        selectQuietly(0);
}

void PictureBrowser::File1_Click()
{
    if (m_file1->listIndex() < 0)
        return;
    const QString name = m_file1->selectedText();
    const QString path = withTrailingSeparator(m_dir1) + name;
    if (isSoundName(name)) {
        m_picture1->setImage(soundPreview(m_picture1->contentsRect().size(), path, name), path);
        m_image1->setImage(soundPreview(m_image1->contentsRect().size(), path, name), path);
        if (m_sound && !m_quiet && checkSoundFile(path) == SoundFileState::Playable)
            m_sound->play(path);
        return;
    }
    if (!m_picture1->loadFile(path))
        m_picture1->setNote(name);
    if (!m_image1->loadFile(path))
        m_image1->setNote(name);
}

QString PictureBrowser::chosenEntry() const
{
    if (m_list3->listIndex() < 0 || m_file1->listIndex() < 0)
        return QString();
    return editor::droppedPicturePath(m_list3->selectedText(), m_file1->selectedText());
}

QImage PictureBrowser::previewImage() const { return m_picture1->image(); }
QString PictureBrowser::previewPath() const { return m_picture1->picturePath(); }

void PictureBrowser::closeLargePreview()
{
    m_previewFocus.parked(m_vorschau);
    moveLeftTwips(m_vorschau, kPreviewParkedLeft);
    emit largePreviewToggled(false);
}

void PictureBrowser::menu3_Click()
{
    if (leftTwips(m_vorschau) == kPreviewOpenLeft) {
        closeLargePreview();
        return;
    }
    emit largePreviewToggled(true);
    moveLeftTwips(m_vorschau, kPreviewOpenLeft);
    // The panel itself takes the focus (no focus frame): the controls it
    // covers no longer take the arrow keys.
    m_previewFocus.shown(m_vorschau, m_vorschau);
    m_image1->setToolTip(tr("Vorschaubild mit Mausklick schließen ..."));
}

void PictureBrowser::retranslate()
{
    m_label1->setText(tr(" Vorschau:"));
    m_picture1->setToolTip(tr("Drag&Drop ins Farbfeld"));
    m_label7->setText(tr("So würde das ausgewählte Bild im Großformat für ein Lösungsbild am Ende der Spielreihe aussehen . . ."));
    if (!m_image1->toolTip().isEmpty()) // set once the large preview has been open
        m_image1->setToolTip(tr("Vorschaubild mit Mausklick schließen ..."));
}

void PictureBrowser::vorschau_Click() { closeLargePreview(); }

void PictureBrowser::leave()
{
    closeLargePreview();
    m_image1->clearPicture();
    m_picture1->clearPicture();
}

void PictureBrowser::browse(int step)
{
    const int n = m_file1->count();
    if (n == 0)
        return;
    // Both directions cycle through the whole list.
    int i = m_file1->listIndex() + step;
    if (i < 0)
        i = n - 1;
    else if (i >= n)
        i = 0;
    m_file1->setListIndex(i);
}

bool PictureBrowser::eventFilter(QObject *watched, QEvent *e)
{
    if (watched != m_vorschau)
        return false;
    if (e->type() == QEvent::MouseButtonPress) {
        e->accept();
        return true;
    }
    if (e->type() == QEvent::MouseButtonRelease) {
        auto *me = static_cast<QMouseEvent *>(e);
        const QPoint pos = me->position().toPoint();
        QWidget *child = m_vorschau->childAt(pos);
        // The bar Shape4 takes no clicks: a click on it is a click on vorschau.
        if (me->button() == Qt::LeftButton && m_vorschau->rect().contains(pos) && (!child || child == m_shape4))
            vorschau_Click();
        return true;
    }
    return false;
}

} // namespace duplikon
