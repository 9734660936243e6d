// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "lesson/TaskPicker.h"
#include "platform/Services.h"

#include <QFrame>
#include <functional>

class QLabel;
class QPushButton;

namespace duplikon {

class FileListBox;
class ListBox;
class PictureBox;

// The task-choice panel Dateibild (file list, content list, preview of the
// pair under the selected line, "Abbruch", "L a d e n") and the short list
// List5 of task names. Both are parked out of view until the menu "Laden"
// moves them over the board.
class TaskChoice : public QObject, public TaskPicker {
    Q_OBJECT
public:
    TaskChoice(QWidget *client, Platform platform);

    static constexpr int kParked = 13200;
    static constexpr int kPanelShown = 720;
    static constexpr int kShortListShown = 840;

    void setProgramFolder(const QString &folder);
    void setWorkingFolder(const QString &folder);

    void DateilisteFuellen();
    void File1_Click();
    void List4_Click();
    void List5_Click();
    void Command1_Click();
    void Command2_Click();

    void showPanel() override;
    void showShortList() override;
    void parkShortList() override;
    void parkPanel();
    bool shortListShown() const override;
    bool panelShown() const;
    // Fills List5 from File1 (each name without its last four characters).
    void fillShortList() override;
    QStringList taskFiles() const override;
    void selectTaskFile(int index) override;

    QFrame *Dateibild() const { return m_dateibild; }
    FileListBox *File1() const { return m_file1; }
    ListBox *List4() const { return m_list4; }
    ListBox *List5() const { return m_list5; }
    PictureBox *Picture1() const { return m_picture1; }
    PictureBox *Picture3() const { return m_picture3; }
    QLabel *progpfad() const { return m_progpfad; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; }
    QString selectedTaskFile() const override;

    // Loads the selected entry of File1 onto the board.
    std::function<void()> aufgabeLaden;
    // Sets the window title after "L a d e n".
    std::function<void(const QString &)> setTitle;

private:
    void preview(int line, PictureBox *box);

    Platform m_platform;
    QString m_programFolder;
    QFrame *m_dateibild;
    QLabel *m_progpfad;
    FileListBox *m_file1;
    ListBox *m_list4;
    ListBox *m_list5;
    PictureBox *m_picture1;
    PictureBox *m_picture3;
    QPushButton *m_command1;
    QPushButton *m_command2;
};

} // namespace duplikon
