// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace duplikon {

class EditorHost;
class InWindowDrag;
class PictureBox;
class SymbolButton;

// The task editor Form2: two pair lists with symbol buttons, the task file
// list with its file operations, and the picture browser with the large
// preview. The main window creates it, hides itself and shows it; the editor
// hands back through EditorHost::editorLeft(). Closed by its close box, the
// window deletes itself.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    EditorWindow(Platform platform, EditorHost *host, QWidget *parent = nullptr);
    ~EditorWindow() override;

    // Named procedures.
    void ListenPruefen();
    void OrdnerEinrichten();

    // Window events.
    void Form_Activate();

    // Menu.
    void menu1_Click();   // "Abbruch"
    void menu2a_Click();  // "aktuelle Datei"
    void menu2b_Click();  // "neue Datei ..."
    void menu2d_Click();  // "Datei sichern"
    void menu3_Click();   // "Großbild"

    // Lists (also run when the program selects an entry).
    void List1_Click();
    void List2_Click();
    void File2_Click();
    void List3_Click();
    void File1_Click();
    void Dir1_Change();

    // Symbol buttons of the green list, then of the blue list.
    void Picture2_Click();  // insert
    void Picture5_Click();  // move up
    void Picture4_Click();  // replace
    void Picture3_Click();  // take
    void Picture6_Click();  // move down
    void Picture7_Click();  // delete
    void Picture9_Click();
    void Picture8_Click();
    void Picture13_Click();
    void Picture11_Click();
    void Picture10_Click();
    void Picture12_Click();

    // File actions under File2.
    void Label10_Click();  // "Datei kopieren"
    void Label11_Click();  // "Datei drucken"
    void Label12_Click();  // "Datei löschen"

    // Large preview.
    void Command1_Click();  // "<<"
    void Command2_Click();  // ">>"
    void Image1_Click();
    void vorschau_Click();

    // A picture dragged from Picture1 and dropped onto a list or its preview box.
    void dropOnto(QWidget *target);

    // Hidden working state.
    QString langname() const { return m_langname; }
    QString pfadname() const { return m_pfadname; }
    QString dir1() const { return m_dir1; }
    bool largePreviewOpen() const;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void centreOnScreen();
    void fixSize();

    // list operations shared by both columns
    void insertText(QListWidget *list);
    void takeText(QListWidget *list);
    void replaceText(QListWidget *list);
    void deleteEntry(QListWidget *list);
    void moveEntry(QListWidget *list, int step);
    void listClick(QListWidget *list, PictureBox *lupe);

    // selection by program raises the list's click, as a click by hand does
    void selectEntry(QListWidget *list, int row);
    void runClick(QListWidget *list);

    void refreshFile2();
    void fillFile1();
    void closeLargePreview();
    void setWindowBackground(const QColor &colour);
    QString text1() const;
    void showHelp(QObject *control);

    Platform m_platform;
    EditorHost *m_host;
    QString m_langname;
    QString m_pfadname;
    QString m_dir1;
    bool m_otherWindowWasActive = false;

    QWidget *m_client = nullptr;
    QListWidget *m_list1 = nullptr;
    QListWidget *m_list2 = nullptr;
    QListWidget *m_list3 = nullptr;
    QListWidget *m_file1 = nullptr;
    QListWidget *m_file2 = nullptr;
    PictureBox *m_lupe1 = nullptr;
    PictureBox *m_lupe2 = nullptr;
    PictureBox *m_picture1 = nullptr;
    PictureBox *m_image1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLabel *m_hilfe = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label9 = nullptr;
    QWidget *m_vorschau = nullptr;
    QFrame *m_shape4 = nullptr;
    InWindowDrag *m_drag = nullptr;
};

} // namespace duplikon
