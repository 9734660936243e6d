// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "board/BoardState.h"
#include "board/CellLabel.h"
#include "platform/Colours.h"
#include "pictures/PictureLoader.h"
#include "platform/Services.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QStringList>

class QLabel;
class QPushButton;
class QWidget;

namespace duplikon {

class BoardKeyboard;
class BoardVoice;
class InWindowDrag;
class PictureBox;

// The exercise board of the main window: twenty cells, each the picture
// control Bild<i> and the text label Text<i> on the same rectangle, drawn
// from the game state; the points button punkte shows its points. Mouse and
// keys feed the state's drop rule.
class Board : public QObject {
    Q_OBJECT
public:
    static constexpr int kCells = BoardState::kCells;
    // The points button's caption: " 5 Punkte".
    static QString pointsCaption(int points);

    Board(QWidget *client, Platform platform);

    BoardState *state() const { return m_state; }

    // Folder that picture halves are relative to (with a trailing separator).
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    QString programFolder() const { return m_programFolder; }

    // Has the state put the halves of a task that was read, shuffled with a
    // generator seeded from the clock, on the board. A task without a name
    // (nothing chosen) only empties the board.
    void AufgabeLaden(const Task &task);
    void FelderVerstecken();
    void FelderVerteilen();
    void FeldBelegen(int j);

    // The drop of one cell control on another: the state decides.
    void drop(QWidget *source, QWidget *target);
    // The points button punkte; its caption " n Punkte" shows the points.
    void setPointsButton(QPushButton *button);

    // Cell look: the cells take the colours the state gives them.
    void FarbenSetzen();
    // The type of the text cells: "Courier New" in a size, bold or not.
    static QFont textFont(qreal points, bool bold);
    void setTextStyle(qreal points, bool bold);

    // The controls of cell i (from 0): Bild<i + 1> and Text<i + 1>.
    PictureBox *cellPicture(int i) const { return m_pictures[i]; }
    CellLabel *cellLabel(int i) const { return m_labels[i]; }
    // The cell (from 0) of a cell control, -1 for any other widget.
    int cellIndex(const QWidget *w) const;

    // The two controls of a cell as the board has them, hidden; the card
    // game shows its faces with the same.
    static PictureBox *newPictureCell(QWidget *parent);
    static CellLabel *newTextCell(QWidget *parent, const QFont &font);
    // Shows half c in its controls: its picture (or its name when the picture
    // cannot be loaded), the loudspeaker or its text, with what a screen
    // reader says; the control in use is shown, the other hidden.
    static void showHalf(const BoardCell &c, const LoadedPicture &picture, PictureBox *b, CellLabel *t);
    // How many of the 40 cell controls are hidden (what the child sees).
    int hiddenControls() const;
    InWindowDrag *drag() const { return m_drag; }
    // Play by keyboard and what a screen reader is told.
    BoardKeyboard *keyboard() const { return m_keyboard; }
    // What the child hears: speech and sounds.
    BoardVoice *voice() const { return m_voice; }

signals:
    // The cells show the state's new set-up (or the emptied board).
    void cellsDrawn();

private:
    void hidePair(int target, int source);

    // While FelderVerteilen runs: the pictures it decoded for the cells.
    QVector<LoadedPicture> m_decoded;
    bool m_decodedReady = false;

    QString m_programFolder;
    Platform m_platform;
    BoardState *m_state;
    PictureBox *m_pictures[kCells];
    CellLabel *m_labels[kCells];
    QPointer<QPushButton> m_punkte;
    InWindowDrag *m_drag = nullptr;
    BoardKeyboard *m_keyboard = nullptr;
    BoardVoice *m_voice = nullptr;
};

} // namespace duplikon
