// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Colours.h"

#include <QObject>
#include <QStringList>
#include <QVector>

namespace duplikon {

class Random;

// One cell of the board as the game sees it.
struct BoardCell {
    QString half;          // as written in the task file; empty for a cell without a half
    int pairKey = -1;      // 0 for the first pair (A) … 9 for the tenth (J); -1 without a half
    int partner = -1;      // the cell that holds the other half of the pair, -1 when there is none
    bool picture = false;  // a picture half (shown in Bild<n>), else a text half (Text<n>)
    bool sound = false;    // a sound half (shown as a loudspeaker in Text<n>)
    QString soundFile;     // the sound's file when it can play, else empty
    bool shown = false;    // still in play
    ColourValue colour = 0;
};

// The game on the board, without any widget: the twenty cells with their
// halves, pairs, colours and whether they still show, the points and the task
// that is on the board. The board's widgets draw it; the mouse, the keys and
// any other way of playing only call drop().
class BoardState : public QObject {
    Q_OBJECT
public:
    static constexpr int kCells = 20;

    enum class DropResult { Ignored, Itself, Mismatch, Match };

    explicit BoardState(QObject *parent = nullptr);

    // Puts the used lines of `task`, shuffled with `random`, on the board.
    void setUp(const QString &task, const QStringList &usedLines, Random &random);
    // Empties the board: no task, no halves (the points stay).
    void clear();

    // The one drop rule: a cell dropped on the other half of its pair (by pair,
    // never by text) takes both off the board and scores a point. A drop on
    // itself, on another pair's half or on a cell out of play changes nothing.
    // Cells are numbered from 0.
    DropResult drop(int source, int target);

    const BoardCell &cell(int i) const { return m_cells.at(i); }
    // The board's set-up found the sound file of cell i playable (path) or not (empty).
    void setSoundFile(int i, const QString &path) { m_cells[i].soundFile = path; }
    int points() const { return m_points; }
    // The task file on the board; empty when none is.
    QString task() const { return m_task; }
    int cellsShown() const;
    // A task was put on the board and every cell of it is gone.
    bool solved() const;

    // The cell colours: every cell the question colour, or the two halves of a
    // pair the question and the answer colour (cells without a half black).
    ColourValue questionColour() const { return m_questionColour; }
    ColourValue answerColour() const { return m_answerColour; }
    void setQuestionColour(ColourValue c) { m_questionColour = c; }
    void setAnswerColour(ColourValue c) { m_answerColour = c; }
    void colourOneColour();
    void colourTwoColours();

    // The design's working lists, read off the cells.
    QStringList List1() const { return m_list1; }  // used lines in file order
    QStringList List2() const;                      // halves in board order
    QStringList List3() const;                      // key strings in board order
    QStringList farblist() const;                   // cell colours as decimal text

signals:
    // The board is about to be emptied for a set-up or cleared.
    void aboutToClear();
    // A set-up has put its halves on the board.
    void filled();
    // A pair is about to leave the board, and has left it.
    void pairMatching(int target, int source);
    void pairMatched(int target, int source);
    // A cell was dropped on a half of another pair.
    void mismatched(int target, int source);
    void pointsChanged(int points);
    // The last cell of the task has gone.
    void solvedTask();
    void coloursChanged();

private:
    void emptyCells();
    void PunktZaehlen();

    QVector<BoardCell> m_cells;
    QStringList m_list1;
    QVector<ColourValue> m_colours; // the colour list, one per cell it covers
    QString m_task;
    int m_points = 0;
    ColourValue m_questionColour = 0xFFFFFF;
    ColourValue m_answerColour = 0xFFFFC0;
};

} // namespace duplikon
