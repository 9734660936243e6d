// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace duplikon {

// What the lesson needs of the task choice (the panel Dateibild with its file
// list File1 and the short list List5): the main window's task choice
// implements it and hands it to LessonRules.
class TaskPicker {
public:
    virtual ~TaskPicker() = default;

    virtual void showPanel() = 0;
    virtual void showShortList() = 0;
    virtual void parkShortList() = 0;
    // Fills the short list from the task files.
    virtual void fillShortList() = 0;

    // The task files of the file list, in its order.
    virtual QStringList taskFiles() const = 0;
    // Selects a line of the file list as a click does.
    virtual void selectTaskFile(int index) = 0;
    // The line selected in the file list, a choice not yet loaded included.
    virtual int selectedIndex() const = 0;
    virtual QString selectedTaskFile() const = 0;
    // Selects a line of the file list (or none, -1) and puts that task on the
    // board; with none selected the board is emptied. It is the task being
    // played from then on.
    virtual void loadTask(int index) = 0;
};

} // namespace duplikon
