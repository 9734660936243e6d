// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Colours.h"
#include "platform/Services.h"

#include <QFont>
#include <QObject>
#include <QStringList>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

namespace duplikon {

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
    QPushButton *punkte() const { return m_punkte; }
    void setPunkte(QPushButton *button) { m_punkte = button; }
    int points() const;

    // Two-colour mode also gives the answer colour to the preview box Picture3.
    std::function<void(ColourValue)> answerColourChanged;
    // Called after every point; the main window checks for completion.
    std::function<void()> onPoint;

    // Cell look.
    // Check4 "zweifarbige Fenster" decides the colouring mode.
    void setCheck4(QCheckBox *box) { m_check4 = box; }
    void Check4_Click();
    void FarblisteEinfarbig();
    void FarblisteZweifarbig();
    void FarbenSetzen();
    ColourValue farbe1 = 0xFFFFFF;
    ColourValue farbe2 = 0xFFFFC0;
    QStringList farblist;
    // Bold toggle; returns the new bold state.
    bool toggleBold();
    void setTextSize(qreal points);
    qreal textSize() const;
    bool textBold() const;
    QFont textFont() const;

    // Cell controls: n from 1 to 20.
    PictureBox *bild(int n) const { return m_bild[n - 1]; }
    QLabel *text(int n) const { return m_text[n - 1]; }
    // The cell number of a cell control, 0 for any other widget.
    int cellNumber(const QWidget *w) const;
    int hiddenControls() const;
    InWindowDrag *drag() const { return m_drag; }

    QStringList List1; // used lines in file order
    QStringList List2; // halves in board order
    QStringList List3; // key strings in board order

private:
    QString m_programFolder;
    Platform m_platform;
    PictureBox *m_bild[kCells];
    QLabel *m_text[kCells];
    QPushButton *m_punkte = nullptr;
    InWindowDrag *m_drag = nullptr;
    QCheckBox *m_check4 = nullptr;
};

} // namespace duplikon
