// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Colours.h"
#include "platform/KeyboardAccess.h"
#include "platform/Services.h"

#include <QObject>

class QFrame;
class QLabel;
class QPushButton;

namespace duplikon {

class BoardState;
class CardBoxOffer;
class LessonRules;
class LessonState;
class ListBox;
class TaskFolder;
class PictureBox;

// The task-choice panel Dateibild (file list, content list, preview of the
// pair under the selected line, "Abbruch", "L a d e n") and the short list
// List5 of task names. Both are parked out of view until the lesson's rules
// ask for them. The file list shows the lesson's selected task, and a choice
// in either list goes to the rules, which load it.
class TaskChoice : public QObject {
    Q_OBJECT
public:
    // board: the game, whose task the file list names again after "Abbruch",
    // and whose answer colour Picture3 shows in two-colour mode.
    // lesson: the selected task, and which of the two panels is shown.
    // rules: load the task chosen, and move the panels.
    TaskChoice(QWidget *client, Platform platform, const BoardState *board, LessonState *lesson,
               LessonRules *rules);

    static constexpr int kPanelShown = 720;
    static constexpr int kShortListShown = 840;

    void setProgramFolder(const QString &folder);
    // File1 shows the task files of folder, and shows them again, keeping
    // its selection, whenever the folder is read again.
    void setTaskFolder(TaskFolder *folder);

    void DateilisteFuellen();
    void File1_Click();
    void List4_Click();
    void List5_Click();
    void Command1_Click();
    void Command2_Click();
    // A task put on the board from elsewhere (taken in from an archive), as
    // "L a d e n" puts it there: the panel goes, the rules select it and play
    // it, and the title names it; nothing is read or loaded.
    void showTaskOnBoard(const QString &fileName);

    void showPanel();
    void showShortList();
    void parkShortList();
    void parkPanel();
    bool shortListShown() const;
    bool panelShown() const;
    // Dateibild and List5, which lie over the board while they are shown.
    QWidget *Dateibild() const;
    QWidget *List5() const;
    // Fills List5 from File1 (each name without its last four characters).
    void fillShortList();
    QStringList taskFiles() const;
    void selectTaskFile(int index);
    int selectedIndex() const;
    // Loads the task file of line `index` of File1 (-1: none) by the rules.
    void loadTask(int index);

    // File1, the task-file list.
    ListBox *File1() const { return m_file1; }
    QString selectedTaskFile() const;
    // The program folder as progpfad shows it.
    QString programFolder() const { return m_programFolder; }
    // Two-colour mode: the preview box Picture3 takes the answer colour.
    void showAnswerColour(ColourValue colour);

    // "Meine Kartei": one large button on the panel while offer says so,
    // greyed and saying so where no card is due. Without an offer none.
    void setCardBoxOffer(CardBoxOffer *offer) { m_cardBoxOffer = offer; }
    void meineKartei_Click();

signals:
    // "L a d e n" names the loaded task in the window title.
    void titleChanged(const QString &title);
    // "Meine Kartei" was chosen: the panel is gone, the child's cards are to be played.
    void cardBoxChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void preview(int line, PictureBox *box);
    void nameInTitle();
    // File1 selects the lesson's selected task (or none).
    void showSelection(const QString &fileName);
    void showCardBoxOffer();

    Platform m_platform;
    const BoardState *m_board;
    LessonState *m_lesson;
    LessonRules *m_rules;
    QString m_programFolder;
    QFrame *m_dateibild;
    QLabel *m_progpfad;
    TaskFolder *m_folder = nullptr;
    ListBox *m_file1;
    ListBox *m_list4;
    ListBox *m_list5;
    PictureBox *m_picture1;
    PictureBox *m_picture3;
    QPushButton *m_meineKartei;
    CardBoxOffer *m_cardBoxOffer = nullptr;
    PanelFocus m_panelFocus;
    PanelFocus m_shortListFocus;
};

} // namespace duplikon
