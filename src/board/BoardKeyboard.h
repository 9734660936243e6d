// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>

class QPainter;
class QRect;
class QWidget;

namespace duplikon {

class BoardState;
class FocusFrame;

// Where an arrow key moves on a grid of rows × columns (places numbered row
// by row from 0) where `present` tells which places hold something: left and
// right to the next one in the row, up and down to the next row that holds
// one, to its place nearest to the column (the left one of two as near); -1
// at an edge.
// The frame around what has the keyboard focus on the board: black, yellow,
// black, seen on every colour; 5 pixels wide inside `r`.
void drawFocusFrame(QPainter &painter, const QRect &r);

int arrowNeighbour(int place, int key, int rows, int columns, const std::function<bool(int)> &present);
class InWindowDrag;

// Playing the board without dragging, by keys or by taps, and telling a
// screen reader what happens.
//
// The cells take the focus by Tab and Shift+Tab in reading order (never by a
// click; after the last cell Tab goes on to the button strip). The arrow keys
// move it over the visible cells in rows and columns and stop at the edges:
// left and right to the next visible cell of the row, up and down to the next
// row that holds one, to its cell nearest to the column. A frame around the
// focused cell shows where it is once the keyboard is used on the board.
// Space or Enter picks up the focused cell, shown with the dashed outline of
// a drag; on another cell it drops the carried cell there
// through the state's drop rule. Escape puts the cell back, and so does
// leaving the board with the focus or a mouse press on a cell. After the
// mouse has been used on the board, Space and Enter do nothing until an arrow
// key or Tab brings the keyboard back: a key pressed by accident never plays.
// With tap play a tap picks a cell up and drops it in the same way.
//
// Every cell tells its place ("Reihe 2, Spalte 3", for a picture "Bild, Reihe
// 2, Spalte 3", for a sound "Ton, Reihe 2, Spalte 3") as its accessible
// description; what happens is said by putting it in front of the place of
// the focused cell ("aufgenommen, Reihe 2, ...").
//
// While a panel covers the board its cells take no focus; when the last one
// goes, the board takes the focus.
class BoardKeyboard : public QObject {
    Q_OBJECT
public:
    // pictures and labels: the cell controls, entry i for cell i (Bild<i + 1>, Text<i + 1>).
    BoardKeyboard(BoardState *state, QWidget *client, InWindowDrag *drag, const QVector<QWidget *> &pictures,
                  const QVector<QWidget *> &labels);

    // A panel or picture that covers the board while it lies over it.
    void addCover(QWidget *panel);
    bool covered() const { return m_covered; }
    // The cell control picked up by the keyboard, or nullptr.
    QWidget *carried() const { return m_carried; }
    bool frameVisible() const;

    // Says `what` on the focused cell (nothing when no cell has the focus).
    void announce(const QString &what);
    // The board has drawn a new set-up: the focus goes to its first cell.
    void boardDrawn();
    // The points shown after a match are told on the focused cell.
    void announcePoints(int points);

    // Tap play: a tap picks a cell up as a key does, a tap on another cell
    // drops it there, a tap on itself, on an empty place or on any control
    // puts it back, and so do Escape, a menu, a panel and another window.
    void setTapPlay(bool on);

    // "Reihe 2, Spalte 3" for cell 7 (cells from 0).
    static QString place(int cell);

signals:
    // The keys matched the last pair: the focus leaves the board (the main
    // window gives it to the points).
    void lastPairMatched();
    // Cells numbered from 0: a key or a tap picked the cell up; the keyboard
    // focus reached it (by Tab, an arrow key, or after a match by keys); the
    // key L was pressed on it (listen again).
    void pickedUp(int cell);
    void focusReached(int cell);
    void listenPressed(int cell);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The board is being emptied for a set-up, and has been filled again.
    void boardEmptying();
    // A matched pair is about to go: a focus on it moves on to the next
    // visible cell in reading order; when none is left, a match by keys gives
    // it away and a match by the mouse leaves it on the board's background.
    void pairLeaving(int target, int source);
    // The cell (from 0) of a cell control, -1 for any other widget.
    int cellIndex(const QWidget *w) const;
    bool keyPress(QWidget *cell, int key);
    void tap(QWidget *cell);
    // Tap play: what outside the cells puts a tapped cell back.
    bool tapCancels(QObject *watched, QEvent *event);
    void pickUp(QWidget *cell);
    void dropOn(QWidget *cell);
    void putBack();
    QWidget *visibleControl(int cell) const;
    // The cell control that has the main window's focus, or nullptr.
    QWidget *focusedCell() const;
    // The cell an arrow key moves to, -1 when there is none.
    int neighbour(int cell, int key) const;
    // The first visible cell after `cell` in reading order, from the start
    // again after the last one; cells in `skip` do not count.
    QWidget *nextCell(int cell, int skip1 = -1, int skip2 = -1) const;
    void focusCell(QWidget *cell);
    void setDescription(QWidget *cell, const QString &what);
    void updateCover();
    void updateFrame();

    BoardState *m_state;
    QWidget *m_client;
    QVector<QWidget *> m_pictures;
    QVector<QWidget *> m_labels;
    InWindowDrag *m_drag;
    FocusFrame *m_frame;
    QList<QWidget *> m_covers;
    QPointer<QWidget> m_carried;
    bool m_covered = false;
    bool m_keyboardUsed = false;
    // The mouse was used on the board after the last arrow key or Tab.
    bool m_mouseSinceKeys = false;
    bool m_droppingByKey = false;
    bool m_tapping = false; // a tap drops, not a key
    bool m_tapPlay = false;
    QObject *m_tapWatch = nullptr; // the application-wide filter of tap play
    friend class TapWatch;
};

} // namespace duplikon
