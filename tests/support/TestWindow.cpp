// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestWindow.h"
#include "TestInput.h"

#include "app/MainWindow.h"
#include "app/PlaySession.h"
#include "board/Board.h"
#include "board/BoardState.h"
#include "platform/InWindowDrag.h"
#include "pictures/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace duplikon::test {

TestWindow::TestWindow() = default;

TestWindow::TestWindow(const std::function<void(const ProgramFolder &)> &fill)
{
    fill(pf);
}

TestWindow::~TestWindow() = default;

void TestWindow::start(bool show)
{
    w.reset();
    extra = std::make_unique<ClassroomConfig>(files);
    w = std::make_unique<MainWindow>(fp.platform(), pf.path(), extra.get());
    if (!show)
        return;
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        qWarning("main window not exposed");
}

Board *TestWindow::board() const
{
    return part<Board>(w.get());
}

QWidget *TestWindow::cell(int n) const
{
    return board()->cellPicture(n - 1)->isHidden() ? static_cast<QWidget *>(board()->cellLabel(n - 1)) : board()->cellPicture(n - 1);
}

void TestWindow::drag(int a, int b) const
{
    mouseDrag(cell(a), cell(b), board()->drag());
}

void TestWindow::load(const QString &task) const
{
    part<PlaySession>(w.get())->open(task);
}

void TestWindow::solve(const QString &task) const
{
    load(task);
    board()->state()->drop(0, 1, PlayWay::Mouse);
}

QPushButton *TestWindow::punkte() const
{
    return child<QPushButton>(w.get(), "punkte");
}

QString TestWindow::points() const
{
    return punkte()->text();
}

QAction *TestWindow::menu(const char *name) const
{
    return child<QAction>(w.get(), name);
}

QCheckBox *TestWindow::box(const char *name) const
{
    return child<QCheckBox>(w.get(), name);
}

QStringList TestWindow::visibleHalves() const
{
    QStringList halves;
    for (int i = 0; i < Board::kCells; ++i) {
        if (!board()->cellPicture(i)->isHidden())
            halves << board()->state()->List2().at(i);
        else if (!board()->cellLabel(i)->isHidden())
            halves << board()->cellLabel(i)->text();
    }
    return halves;
}

QColor shownColour(const QWidget *w)
{
    return w->palette().color(w->backgroundRole());
}

} // namespace duplikon::test
