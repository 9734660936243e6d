// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QMainWindow>

class QAction;
class QLabel;

namespace duplikon {

class ActivationWatcher;
class EditorHost;
class HelpLine;
class InWindowDrag;
class PairLists;
class PictureBrowser;
class PictureImportActions;
class SoundRecording;
class TaskArchiveActions;
class TaskFilePanel;

// The task editor Form2: the frame with its menu, size, activation and help
// line around three parts: the pair lists with their symbol buttons, the
// task file panel and the picture browser with the large preview. The main
// window creates it, hides itself and shows it; the editor hands back through
// EditorHost::editorLeft(). Closed by its close box, the window deletes itself.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    EditorWindow(Platform platform, EditorHost *host, QWidget *parent = nullptr);
    ~EditorWindow() override;

    // Size, OrdnerEinrichten and ListenPruefen; runs when the window is shown
    // and whenever it comes back after another window of the program.
    void Form_Activate();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu(Platform platform);
    void buildHelpLine();
    // Every text of the window and its parts, again after a change of language.
    void retranslate();
    // A menu entry whose text retranslate() sets.
    QAction *textAction(QAction *action, const char *text);
    // One of the help line's own texts, kept so that it follows the language.
    void showHelp(const QByteArray &text);
    // Wires a part that brings files in to the pair lists, the browser and the help line.
    template <class FileSource>
    void reportInto(FileSource *part);
    void centreOnScreen();
    void fixSize();
    void menu1_Click(); // "Abbruch"
    // Picture1 dropped onto a pair list or its preview box, by mouse or by key.
    void dropPicture(QWidget *target);

    EditorHost *m_host;
    QWidget *m_client;
    PairLists *m_pairs;
    TaskFilePanel *m_files;
    PictureBrowser *m_browser;
    PictureImportActions *m_import = nullptr;
    SoundRecording *m_recording = nullptr; // none with [Fest] AufnahmeAus
    TaskArchiveActions *m_archive = nullptr;
    QLabel *m_hilfe = nullptr;
    HelpLine *m_help = nullptr;
    InWindowDrag *m_drag = nullptr;
    ActivationWatcher *m_activation = nullptr;
    QVector<QPair<QAction *, const char *>> m_texts;
    QByteArray m_helpSource = QT_TR_NOOP("Hilfetexte");
    QString m_helpShown;
};

} // namespace duplikon
