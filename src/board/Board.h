// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Colours.h"
#include "platform/Services.h"

#include <QFont>
#include <QObject>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

namespace duplikon {

class BoardKeyboard;
class InWindowDrag;
class PictureBox;

// The exercise board of the main window: twenty cells, each the picture
// control Bild<i> and the text label Text<i> on the same rectangle, the hidden
// working lists, the points button and the look of the cells.
class Board : public QObject {
    Q_OBJECT
public:
    static constexpr int kCells = 20;

    Board(QWidget *client, Platform platform);

    // Folder that picture halves are relative to (with a trailing separator).
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }

    // Reads the task file and puts its halves, shuffled, on the board. An
    // empty fileName (nothing selected) only empties the board. A file that
    // cannot be read is reported and leaves the board empty.
    void AufgabeLaden(const QString &fileName);
    void FelderVerstecken();
    void FelderVerteilen();
    void FeldBelegen(int j);

    // The drop of one cell control on another.
    void drop(QWidget *source, QWidget *target);
    void PunktZaehlen();
    // The points button punkte; its caption " n Punkte" holds the score.
    void setPointsButton(QPushButton *button) { m_punkte = button; }
    QPushButton *pointsButton() const { return m_punkte; }
    int points() const;

    // Cell look.
    // Check4 "zweifarbige Fenster" decides the colouring mode.
    void setTwoColourBox(QCheckBox *box) { m_check4 = box; }
    void Check4_Click();
    void FarblisteEinfarbig();
    void FarblisteZweifarbig();
    void FarbenSetzen();
    // The colours of the fields farbe1 "Fragen" and farbe2 "Antworten".
    ColourValue questionColour() const { return m_questionColour; }
    ColourValue answerColour() const { return m_answerColour; }
    void setQuestionColour(ColourValue c) { m_questionColour = c; }
    void setAnswerColour(ColourValue c) { m_answerColour = c; }
    // Bold toggle; returns the new bold state.
    bool toggleBold();
    void setTextSize(qreal points);
    qreal textSize() const;
    bool textBold() const;
    QFont textFont() const;

    // Cell controls Bild<n> and Text<n>: n from 1 to 20.
    PictureBox *picture(int n) const { return m_pictures[n - 1]; }
    QLabel *label(int n) const { return m_labels[n - 1]; }
    // The cell number of a cell control, 0 for any other widget.
    int cellNumber(const QWidget *w) const;
    int hiddenControls() const;
    InWindowDrag *drag() const { return m_drag; }
    // Play by keyboard and what a screen reader is told.
    BoardKeyboard *keyboard() const { return m_keyboard; }

    // The hidden working lists.
    const QStringList &List1() const { return m_list1; } // used lines in file order
    const QStringList &List2() const { return m_list2; } // halves in board order
    const QStringList &List3() const { return m_list3; } // key strings in board order
    const QStringList &farblist() const { return m_farblist; } // cell colours in board order

signals:
    // Two-colour mode gives the answer colour to the preview box Picture3.
    void answerColourChanged(ColourValue colour);
    // After every point; the main window checks for completion.
    void pointScored();

private:
    QString m_programFolder;
    Platform m_platform;
    PictureBox *m_pictures[kCells];
    QLabel *m_labels[kCells];
    QStringList m_list1;
    QStringList m_list2;
    QStringList m_list3;
    QStringList m_farblist;
    ColourValue m_questionColour = 0xFFFFFF;
    ColourValue m_answerColour = 0xFFFFC0;
    QPushButton *m_punkte = nullptr;
    InWindowDrag *m_drag = nullptr;
    BoardKeyboard *m_keyboard = nullptr;
    QCheckBox *m_check4 = nullptr;
};

} // namespace duplikon
