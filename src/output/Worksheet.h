// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

namespace duplikon {

// Paper made from a pair list: a sheet for drawing lines from each half to its
// partner ("Zuordnen"), cards to cut out ("Paarkarten") and the answer key
// ("Lösungsblatt"). The layout is plain geometry in twips on an A4 page.
enum class WorksheetKind { Matching, Cards, AnswerKey };

// One half as the paper shows it.
struct SheetHalf {
    enum Kind { Text, Picture, Metafile, Sound } kind = Text;
    QString text; // the text; the file name of a sound or of a picture that cannot be read
    QString path; // the resolved file of a picture, metafile or sound
};

// A line of a pair list as the paper shows it; a picture or sound half's
// file is found in folder.
SheetHalf sheetHalf(const QString &folder, const QString &entry);

struct Worksheet {
    QString title;                // the task's name, the heading
    QList<SheetHalf> left, right; // the pairs in the lists' order, as many on each side
    QFont cellFont;               // family, point size and bold of the board's cells
    quint32 seed = 0;             // the shuffle: the same seed gives the same sheet
};

// A4 in twips, and the margin all round.
constexpr int kSheetWidthTwips = 11906;
constexpr int kSheetHeightTwips = 16838;
constexpr int kSheetMarginTwips = 850;
constexpr int kCardColumns = 4;
constexpr int kCardRows = 5;
constexpr int kSheetMaxPairs = 10;

// A half in its box; a text half carries the size at which it fits and the
// cell font at that size.
struct PlacedHalf {
    SheetHalf half;
    QRectF box;
    qreal pointSize = 0;
    QFont font;
};

// A line of the sheet's own text (heading, name and date, numbers).
struct PlacedLabel {
    QRectF box;
    QString text;
    qreal pointSize = 12;
    bool bold = false;
    int alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

struct SheetPage {
    QList<PlacedHalf> halves;
    QList<PlacedLabel> labels;
    QList<QPointF> dots;      // the dots the child draws lines between
    QList<QLineF> lines;      // solid: writing lines, the answer key's links
    QList<QLineF> cutLines;   // dashed, around the cards
};

// The rows of a matching sheet: row r shows left half left[r] and right half
// right[r] (indexes into the pair list), each column shuffled on its own.
struct MatchingOrder {
    QList<int> left, right;
};
MatchingOrder matchingOrder(int pairs, quint32 seed);
// The order of the cards (0 … pairs-1 the left halves, then the right halves).
QList<int> cardOrder(int pairs, quint32 seed);

// The pages of a sheet: twenty cards to a page, the other kinds on one page
// (the editor hands over at most kSheetMaxPairs pairs).
QList<SheetPage> layoutWorksheet(WorksheetKind kind, const Worksheet &sheet);

// The cell font at a point size, measured in twips (its pixel size is in twips).
QFont sheetFont(const QString &family, qreal pointSize, bool bold);
// The largest size up to the cells' own at which the text, wrapped at word
// boundaries, fits into the box; a word too long for a line makes it smaller.
qreal fittedPointSize(const QString &text, const QFont &cellFont, const QSizeF &box);
// The flags a half's text is wrapped and drawn with; never clipped, so that
// nothing of a text is ever lost.
constexpr int kSheetTextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextDontClip;

// Decodes the pictures of the pages at once (in parallel), at the size they
// are drawn, so that drawing the pages finds them ready.
void preparePictures(const QList<SheetPage> &pages);

// Draws a page; the painter's origin is the paper's top-left corner, in
// device pixels. Pictures go on white at 300 dots per inch at most, a
// metafile as vectors, a sound as the loudspeaker with its file name.
void drawSheetPage(QPainter &painter, const SheetPage &page, double devicePerTwip);

} // namespace duplikon
