// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Colours.h"
#include "tasks/PlayWay.h"
#include "tasks/Task.h"

#include <QObject>
#include <QStringList>
#include <QVector>

namespace duplikon {

class Random;

// The pair key of the used line at position i (from 0): "A" for lines 0 and 1,
// "B" for 2 and 3, and so on.
QChar pairKey(int i);

// The key string of a half: its pair key, "_" and the half as written.
QString keyString(int i, const QString &half);

struct Shuffled {
    QStringList halves; // board order: entry j is the half of cell j
    QStringList keys;   // the key strings in the same order
};

// The insertion shuffle of n items: item i goes to position r = integer part
// of c × u, c being the count so far and u one draw per item (the first
// included). Entry j of the result is the item at position j.
QVector<int> shuffledOrder(int n, Random &random);

// The insertion shuffle of the used lines, with their key strings.
Shuffled shuffleHalves(const QStringList &used, Random &random);

// One cell of the board as the game sees it.
struct BoardCell {
    QString half;          // as written in the task file; empty for a cell without a half
    int pairKey = -1;      // 0 for the first pair (A) … 9 for the tenth (J); -1 without a half
    int partner = -1;      // the cell that holds the other half of the pair, -1 when there is none
    bool picture = false;  // a picture half (shown in Bild<n>), else a text half (Text<n>)
    bool sound = false;    // a sound half (shown as a loudspeaker in Text<n>)
    QString file;          // the file of a picture or sound half, found in the program folder
    QString soundFile;     // the sound's file when it can play, else empty
    bool shown = false;    // still in play
    ColourValue colour = 0;
};

// A half put in play with its pair key (0 for A): its kind and, for a
// picture or sound, its file in `folder` (a sound file only when it can play).
BoardCell cellOf(const QString &half, int pairKey, const QString &folder);

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

    // Puts the used lines of `task`, shuffled with `random`, on the board,
    // each picture and sound half with its file in `folder` (a sound file
    // only when it can play); then `filled` goes out, once.
    void load(const Task &task, const QString &folder, Random &random);
    // Empties the board: no task, no halves (the points stay).
    void clear();

    // The one drop rule: a cell dropped on the other half of its pair (by pair,
    // never by text) takes both off the board and scores a point. A drop on
    // itself, on another pair's half or on a cell out of play changes nothing.
    // Cells are numbered from 0. `way` is how the child dropped: the drop rule
    // does not look at it, it only goes out with the signals of the drop.
    DropResult drop(int source, int target, PlayWay way);

    const BoardCell &cell(int i) const { return m_cells.at(i); }
    int points() const { return m_points; }
    // The task file on the board; empty when none is.
    QString task() const { return m_task; }
    int cellsShown() const;
    // A task was put on the board and every cell of it is gone.
    bool solved() const;

    // The look of the cells: every cell the question colour (farbe1
    // "Fragen"), or in two-colour mode (Check4 "zweifarbige Fenster") the two
    // halves of a pair the question and the answer colour (farbe2
    // "Antworten"), cells without a half black. A change of either colour or
    // of the mode colours the cells again at once, and so does every set-up.
    ColourValue questionColour() const { return m_questionColour; }
    ColourValue answerColour() const { return m_answerColour; }
    bool twoColours() const { return m_twoColours; }
    void setQuestionColour(ColourValue c);
    void setAnswerColour(ColourValue c);
    void setTwoColours(bool on);
    // The question colour as the settings file keeps it: taken for the next
    // colouring, while the cells keep the colours they have (black before the
    // first set-up).
    void restoreQuestionColour(ColourValue c);
    // The colouring step of Check4: the colour list of the mode, then the cells.
    void recolour();
    void colourOneColour();  // FarblisteEinfarbig
    void colourTwoColours(); // FarblisteZweifarbig

    // The hidden working lists, read off the cells.
    QStringList List1() const { return m_list1; }  // used lines in file order
    QStringList List2() const;                      // halves in board order
    QStringList List3() const;                      // key strings in board order
    QStringList farblist() const;                   // cell colours as decimal text

    // Adds one point (the caption of punkte shows it) and, when the board is
    // now empty, says the task is solved. The drop rule calls it after a
    // match; the card game after each of its matches.
    void PunktZaehlen(PlayWay way);

signals:
    // The board is about to be emptied for a set-up or cleared.
    void aboutToClear();
    // A set-up has put its halves, with their files, on the board (or the
    // board was cleared).
    void filled();
    // A pair is about to leave the board, and has left it.
    void pairMatching(int target, int source, duplikon::PlayWay way);
    void pairMatched(int target, int source);
    // A cell was dropped on a half of another pair.
    void mismatched(int target, int source, duplikon::PlayWay way);
    void pointsChanged(int points);
    // The last cell of the task has gone, by the drop of that way.
    void solvedTask(duplikon::PlayWay way);
    // The cells have new colours, or the colours of the look changed.
    void coloursChanged();
    // Two-colour mode coloured the cells: the preview box Picture3 takes the
    // answer colour.
    void answerColourApplied(ColourValue answer);

private:
    void emptyCells();

    QVector<BoardCell> m_cells;
    QStringList m_list1;
    QVector<ColourValue> m_colours; // the colour list, one per cell it covers
    QString m_task;
    int m_points = 0;
    ColourValue m_questionColour = 0xFFFFFF;
    ColourValue m_answerColour = 0xFFFFC0;
    bool m_twoColours = false;
};

} // namespace duplikon
