// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "FakePlatform.h"
#include "ProgramFolder.h"

#include "platform/ClassroomConfig.h"

#include <QApplication>
#include <QColor>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QPushButton;
class QWidget;

namespace duplikon {
class Board;
class MainWindow;
}

namespace duplikon::test {

// A main window on a program folder of its own, with scripted dialogs: the
// one way the tests make a main window.
struct TestWindow {
    ProgramFolder pf;
    FakePlatform fp;
    ClassroomConfigFiles files; // the added settings: none unless a test says so (then start again)
    std::unique_ptr<ClassroomConfig> extra;
    std::unique_ptr<MainWindow> w;

    TestWindow();
    // Fills the folder first (task files, pictures, DUPLIKON.INI).
    explicit TestWindow(const std::function<void(const ProgramFolder &)> &fill);
    ~TestWindow();

    // Makes the main window anew (a new start of the program) and, when asked
    // to, shows it and waits until it is on the screen.
    void start(bool show = true);
    MainWindow &window() const { return *w; }

    Board *board() const;
    // The visible control of cell n, counted from 1 as the controls Bild<n>
    // and Text<n> are named (its text label when neither shows).
    QWidget *cell(int n) const;
    // A real drag with the mouse from cell a to cell b.
    void drag(int a, int b) const;
    // Reads the task file and puts it on the board, as choosing it does.
    void load(const QString &task) const;
    // Puts the task on the board and matches its first pair (cells 1 and 2
    // hold it when every random number is 0 and the task has two lines).
    void solve(const QString &task) const;
    QPushButton *punkte() const;
    QString points() const;
    QAction *menu(const char *name) const;
    QCheckBox *box(const char *name) const;
    // The halves that the board shows, in cell order.
    QStringList visibleHalves() const;
};

// The part of type T that a window is composed of (the board, the lesson's
// state, the task choice ...); the test fails at once when there is none.
template <class T>
T *part(const QObject *window)
{
    T *found = window->findChild<T *>();
    if (!found)
        qFatal("%s has no part of the type asked for", qPrintable(window->objectName()));
    return found;
}

// The top-level window of type T (CheckWindow, EditorWindow ...) while it exists.
template <class T>
T *topLevel()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (T *found = qobject_cast<T *>(w))
            return found;
    return nullptr;
}

// The colour a widget's background shows.
QColor shownColour(const QWidget *w);

} // namespace duplikon::test
