// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>

class QPainter;

namespace duplikon {

struct BoardCell;

struct Platform;

// One board cell as the page sees it.
struct PageCell {
    enum Kind { Hidden, Picture, Text, Sound, Back } kind = Hidden; // Back: a card face down
    QString picturePath;   // resolved file path of a picture half
    QString text;          // caption of a text cell; the file name of a sound half
    bool soundMissing = false; // a sound half whose file cannot play
    bool secondBack = false;   // a face-down card with the back of second halves
};

// The page's cell for a board cell, its kind decided by the cell's half; a
// picture's file is found in folder.
PageCell pageCell(const BoardCell &cell, const QString &folder);

// The board as the page sees it: twenty cells, cell 1 first, and the font of
// Text1 that all text cells share.
struct BoardPage {
    std::array<PageCell, 20> cells;
    QFont textFont;        // family "Courier New", point size, bold
};

class BoardState;
struct BoardCell;

// The cells of the board that are still in play, picture halves by their
// files in programFolder, with the text cells' font.
BoardPage boardPage(const BoardState &state, const QString &programFolder, const QFont &textFont);

// Page layout in twips, origin at the top left of the page.
constexpr int kPageWidthTwips = 12000;
constexpr int kPageHeightTwips = 11600;
constexpr int kFrameWidthTwips = 2600;
constexpr int kFrameHeightTwips = 2000;
constexpr int kPictureWidthTwips = 2400;
constexpr int kPictureHeightTwips = 1800;
constexpr int kPageCells = 20;

// The frame of board cell 1..20: cells go in reading order into 4 columns and
// 5 rows (column (cell-1) mod 4, row (cell-1) div 4).
QRect pageFrameTwips(int cell);
// Where the picture or the first text line of a cell starts: frame corner + 100.
QPoint pageContentOriginTwips(int cell);

// Frame line widths: 2 screen pixels on the clipboard page, 20 printer pixels.
constexpr int kPrinterFrameLineWidth = 20;

// The clipboard page is drawn at 5 twips per pixel (288 dpi): every position
// of the layout falls on a whole pixel, and the page stays sharp when a word
// processor prints it. 2400 x 2320 pixels.
constexpr int kClipboardTwipsPerPixel = 5;
constexpr int kClipboardFrameLineWidth = 2 * 15 / kClipboardTwipsPerPixel; // 2 screen pixels

// Breaks a cell text into page lines. The number of characters per line comes
// from the point size (compared exactly) and the bold state; every line but a
// hard-cut one ends with the blank at which it was broken, and the last line
// may be empty.
QStringList TextUmbrechen(const QString &text, qreal pointSize, bool bold);

// Draws the page: 20 frame outlines, the pictures stretched into their areas,
// the wrapped texts line by line, a sound as the loudspeaker over its file name. The painter works in device pixels with its
// origin at the page's top-left corner; hidden cells leave their frame empty.
void composePage(QPainter &p, double devicePerTwip, int frameLineWidthDevice, const BoardPage &page);

// The clipboard page: white, black lines and text, with the resolution stored
// in the image so that it pastes at the page's physical size.
QImage pageImage(const BoardPage &page);

// Clears the clipboard, puts the page on it and says so ("Zwischenablage").
void SeiteInAblage(const BoardPage &page, Platform &platform);

// Prints the page on the default printer and says so, or tells why it could
// not be printed. Returns whether the job was handed to the printer.
bool SeiteDrucken(const BoardPage &page, Platform &platform);

} // namespace duplikon
