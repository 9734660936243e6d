// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/KeyboardAccess.h"

#include <QObject>
#include <QStringList>

class QFrame;
class QImage;
class QLabel;
class QWidget;

namespace duplikon {

class FileListBox;
class ListBox;
class PictureBox;
class SoundOutput;
class TaskFolder;

// The picture browser of the editor: the folder list List3 (the program
// folder and its direct subfolders), the picture list File1 (with the sound
// files, shown as a loudspeaker and played when chosen), the small
// preview Picture1 that is dragged onto the pair lists, and the large preview
// panel vorschau with Image1 and the buttons "<<" and ">>".
class PictureBrowser : public QObject {
    Q_OBJECT
public:
    // File1 shows the pictures and sounds of folder, the program folder's
    // model, and the files of a subfolder chosen in List3. sound: plays the
    // sounds chosen in File1 (null: none are played).
    PictureBrowser(QWidget *client, TaskFolder *folder, SoundOutput *sound = nullptr);

    // Rebuilds the folder list from the program folder and selects it.
    void OrdnerEinrichten();
    // "Großbild": opens or closes the large preview.
    void menu3_Click();
    // The labels and tooltips in the application's language.
    void retranslate();
    // "Abbruch": closes the large preview and empties both previews.
    void leave();

    // What a drop of Picture1 adds to a pair list: the picture's (or sound's)
    // path relative to the program folder, empty when nothing is chosen.
    QString chosenEntry() const;
    QImage previewImage() const;
    QString previewPath() const;

    // The controls, for the window's Tab order, drag source and help line.
    ListBox *List3() const { return m_list3; }
    FileListBox *File1() const { return m_file1; }
    PictureBox *Picture1() const { return m_picture1; }
    QFrame *Shape1() const { return m_shape1; }
    // "<<" and ">>" of the large preview.
    QList<QWidget *> previewButtons() const { return m_previewButtons; }

signals:
    void largePreviewToggled(bool open);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void List3_Click();
    void Dir1_Change();
    void File1_Click();
    void vorschau_Click();
    void closeLargePreview();
    void browse(int step);
    // Selects without playing: the program, not the teacher, chose the entry.
    void selectQuietly(int index);

    TaskFolder *m_folder;
    const QString m_workingFolder;
    QString m_dir1;         // the folder Dir1 shows
    QStringList m_folders;  // the folder of each entry of List3
    QLabel *m_langname;     // hidden: the program folder with a trailing separator
    QLabel *m_pfadname;     // hidden: its parent folder with a trailing separator
    QLabel *m_label1 = nullptr;
    QLabel *m_label7 = nullptr;
    PictureBox *m_picture1;
    QFrame *m_shape1;
    QList<QWidget *> m_previewButtons;
    ListBox *m_list3;
    FileListBox *m_file1;
    QWidget *m_vorschau;
    PictureBox *m_image1;
    QFrame *m_shape4;
    PanelFocus m_previewFocus;
    SoundOutput *m_sound;
    bool m_quiet = false;
};

} // namespace duplikon
