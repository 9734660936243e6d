// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/Worksheet.h"

#include "tasks/Task.h"
#include "platform/LocalNumber.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QFontMetricsF>

namespace duplikon {

namespace {

constexpr int kContentWidth = kSheetWidthTwips - 2 * kSheetMarginTwips;
constexpr int kContentBottom = kSheetHeightTwips - kSheetMarginTwips;
constexpr int kCardInset = 150;
constexpr qreal kHeadingSize = 20;
constexpr qreal kLabelSize = 12;
constexpr qreal kSmallSize = 9;
// The columns of the matching sheet and the answer key.
constexpr int kNumberLeft = kSheetMarginTwips;
constexpr int kNumberWidth = 400;
constexpr int kHalfWidth = 3800;
constexpr int kLeftHalf = kNumberLeft + kNumberWidth + 50;
constexpr int kRightHalf = kSheetWidthTwips - kSheetMarginTwips - kNumberWidth - 50 - kHalfWidth;
constexpr int kDotGap = 300;
constexpr int kRowsTop = 2800;
constexpr int kMaxRowPitch = 2600;
constexpr int kRowGap = 220;

// Fisher-Yates with the program's generator seeded for one purpose.
QList<int> shuffled(int count, quint32 seed)
{
    QList<int> order;
    for (int i = 0; i < count; ++i)
        order << i;
    SystemRandom random;
    random.seed(seed);
    for (int i = count - 1; i > 0; --i) {
        const int j = qMin(i, int(random.next() * (i + 1)));
        order.swapItemsAt(i, j);
    }
    return order;
}

QString rowLetter(int row)
{
    return QString(QChar(u'A' + row));
}

PlacedHalf placed(const SheetHalf &half, const QRectF &box, const QFont &cellFont)
{
    PlacedHalf p{half, box, cellFont.pointSizeF() > 0 ? cellFont.pointSizeF() : 12.0, QFont()};
    if (half.kind == SheetHalf::Text)
        p.pointSize = fittedPointSize(half.text, cellFont, box.size());
    p.font = sheetFont(cellFont.family(), p.pointSize, cellFont.bold());
    return p;
}

// Heading, and below it what a child fills in.
void addHeading(SheetPage &page, const QString &heading, const QString &note, bool nameAndDate)
{
    page.labels << PlacedLabel{QRectF(kSheetMarginTwips, kSheetMarginTwips, kContentWidth, 700), heading, kHeadingSize,
                               true, Qt::AlignLeft | Qt::AlignVCenter};
    const qreal y = kSheetMarginTwips + 900;
    page.labels << PlacedLabel{QRectF(kSheetMarginTwips, y, kContentWidth, 400), note, kSmallSize, false,
                               Qt::AlignRight | Qt::AlignVCenter};
    if (!nameAndDate)
        return;
    const qreal base = y + 900;
    const QString name = QCoreApplication::translate("duplikon::WorksheetLayout", "Name:");
    const QString date = QCoreApplication::translate("duplikon::WorksheetLayout", "Datum:");
    page.labels << PlacedLabel{QRectF(kSheetMarginTwips, base - 400, 1000, 400), name, kLabelSize, false,
                               Qt::AlignLeft | Qt::AlignBottom};
    page.lines << QLineF(kSheetMarginTwips + 1000, base, kSheetMarginTwips + 6200, base);
    page.labels << PlacedLabel{QRectF(kSheetMarginTwips + 6600, base - 400, 1000, 400), date, kLabelSize, false,
                               Qt::AlignLeft | Qt::AlignBottom};
    page.lines << QLineF(kSheetMarginTwips + 7700, base, kSheetWidthTwips - kSheetMarginTwips, base);
}

QString orderNote(quint32 seed)
{
    return QCoreApplication::translate("duplikon::WorksheetLayout", "Mischung Nr. %1").arg(localNumber(seed));
}

SheetPage matchingPage(const Worksheet &sheet, int pairs)
{
    SheetPage page;
    addHeading(page, sheet.title, orderNote(sheet.seed), true);
    const MatchingOrder order = matchingOrder(pairs, sheet.seed);
    const qreal pitch = pairs > 0 ? qMin<qreal>(kMaxRowPitch, qreal(kContentBottom - kRowsTop) / pairs) : 0;
    for (int row = 0; row < pairs; ++row) {
        const qreal top = kRowsTop + row * pitch;
        const qreal height = pitch - kRowGap;
        const qreal middle = top + height / 2;
        page.labels << PlacedLabel{QRectF(kNumberLeft, top, kNumberWidth, height), localNumber(row + 1) + u'.',
                                   kLabelSize, true, Qt::AlignLeft | Qt::AlignVCenter};
        page.halves << placed(sheet.left.at(order.left.at(row)), QRectF(kLeftHalf, top, kHalfWidth, height), sheet.cellFont);
        page.dots << QPointF(kLeftHalf + kHalfWidth + kDotGap, middle);
        page.dots << QPointF(kRightHalf - kDotGap, middle);
        page.halves << placed(sheet.right.at(order.right.at(row)), QRectF(kRightHalf, top, kHalfWidth, height),
                              sheet.cellFont);
        page.labels << PlacedLabel{QRectF(kRightHalf + kHalfWidth + 50, top, kNumberWidth, height), rowLetter(row),
                                   kLabelSize, true, Qt::AlignRight | Qt::AlignVCenter};
    }
    return page;
}

SheetPage answerKeyPage(const Worksheet &sheet, int pairs)
{
    SheetPage page;
    addHeading(page, QCoreApplication::translate("duplikon::WorksheetLayout", "Lösungsblatt: %1").arg(sheet.title),
               QCoreApplication::translate("duplikon::WorksheetLayout", "Zum Blatt \"Zuordnen\" mit Mischung Nr. %1")
                   .arg(localNumber(sheet.seed)),
               false);
    // Where each pair stands on the matching sheet of the same seed.
    const MatchingOrder order = matchingOrder(pairs, sheet.seed);
    const qreal pitch = pairs > 0 ? qMin<qreal>(kMaxRowPitch, qreal(kContentBottom - kRowsTop) / pairs) : 0;
    for (int pair = 0; pair < pairs; ++pair) {
        const qreal top = kRowsTop + pair * pitch;
        const qreal height = pitch - kRowGap;
        const qreal middle = top + height / 2;
        page.halves << placed(sheet.left.at(pair), QRectF(kLeftHalf, top, kHalfWidth, height), sheet.cellFont);
        page.halves << placed(sheet.right.at(pair), QRectF(kRightHalf, top, kHalfWidth, height), sheet.cellFont);
        const QPointF from(kLeftHalf + kHalfWidth + kDotGap, middle), to(kRightHalf - kDotGap, middle);
        page.dots << from << to;
        page.lines << QLineF(from, to);
        const QString where = localNumber(order.left.indexOf(pair) + 1) + QStringLiteral(" – ")
            + rowLetter(int(order.right.indexOf(pair)));
        page.labels << PlacedLabel{QRectF(from.x(), middle - 450, to.x() - from.x(), 400), where, kSmallSize, false,
                                   Qt::AlignHCenter | Qt::AlignBottom};
    }
    return page;
}

QList<SheetPage> cardPages(const Worksheet &sheet, int pairs)
{
    QList<SheetHalf> halves;
    for (int i = 0; i < pairs; ++i)
        halves << sheet.left.at(i);
    for (int i = 0; i < pairs; ++i)
        halves << sheet.right.at(i);
    const QList<int> order = cardOrder(pairs, sheet.seed);
    const qreal width = qreal(kContentWidth) / kCardColumns;
    const qreal height = qreal(kSheetHeightTwips - 2 * kSheetMarginTwips) / kCardRows;
    const int perPage = kCardColumns * kCardRows;
    QList<SheetPage> pages;
    for (int i = 0; i < order.size(); ++i) {
        if (i % perPage == 0)
            pages << SheetPage();
        SheetPage &page = pages.last();
        const int slot = i % perPage;
        // Corners from the grid, so that neighbours share exact edges, each
        // drawn once, left to right and top to bottom.
        const int column = slot % kCardColumns, row = slot / kCardColumns;
        const QPointF topLeft(kSheetMarginTwips + column * width, kSheetMarginTwips + row * height);
        const QPointF bottomRight(kSheetMarginTwips + (column + 1) * width, kSheetMarginTwips + (row + 1) * height);
        const QPointF topRight(bottomRight.x(), topLeft.y()), bottomLeft(topLeft.x(), bottomRight.y());
        for (const QLineF &edge : {QLineF(topLeft, topRight), QLineF(topLeft, bottomLeft), QLineF(topRight, bottomRight),
                                   QLineF(bottomLeft, bottomRight)})
            if (!page.cutLines.contains(edge))
                page.cutLines << edge;
        const QRectF card(topLeft, bottomRight);
        page.halves << placed(halves.at(order.at(i)), card.adjusted(kCardInset, kCardInset, -kCardInset, -kCardInset),
                              sheet.cellFont);
    }
    if (pages.isEmpty())
        pages << SheetPage();
    return pages;
}

} // namespace

MatchingOrder matchingOrder(int pairs, quint32 seed)
{
    return MatchingOrder{shuffled(pairs, seed), shuffled(pairs, seed ^ 0x5EEDu)};
}

QList<int> cardOrder(int pairs, quint32 seed)
{
    return shuffled(2 * pairs, seed ^ 0xC0FFEEu);
}

QList<SheetPage> layoutWorksheet(WorksheetKind kind, const Worksheet &sheet)
{
    const int pairs = int(qMin(sheet.left.size(), sheet.right.size()));
    switch (kind) {
    case WorksheetKind::Matching: return {matchingPage(sheet, pairs)};
    case WorksheetKind::AnswerKey: return {answerKeyPage(sheet, pairs)};
    case WorksheetKind::Cards: break;
    }
    return cardPages(sheet, pairs);
}

SheetHalf sheetHalf(const QString &folder, const QString &entry)
{
    const Half h = Half::of(entry);
    SheetHalf half;
    switch (h.kind) {
    case Half::Kind::Text: half.text = entry; return half;
    case Half::Kind::RasterPicture: half.kind = SheetHalf::Picture; break;
    case Half::Kind::Metafile: half.kind = SheetHalf::Metafile; break;
    case Half::Kind::Sound: half.kind = SheetHalf::Sound; break;
    }
    half.text = h.fileName();
    half.path = h.file(folder);
    return half;
}

QFont sheetFont(const QString &family, qreal pointSize, bool bold)
{
    QFont font(family);
    font.setBold(bold);
    font.setPixelSize(qMax(1, qRound(pointSize * 20))); // 20 twips to the point
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

qreal fittedPointSize(const QString &text, const QFont &cellFont, const QSizeF &box)
{
    const qreal chosen = cellFont.pointSizeF() > 0 ? cellFont.pointSizeF() : 12.0;
    // A little room, so that rounding on the device never pushes a line out.
    const QSizeF room = box * 0.96;
    for (qreal size = chosen; size > 1; size -= 0.5) {
        const QFontMetricsF metrics(sheetFont(cellFont.family(), size, cellFont.bold()));
        const QRectF need = metrics.boundingRect(QRectF(QPointF(0, 0), room), kSheetTextFlags, text);
        if (need.width() <= room.width() && need.height() <= room.height())
            return size;
    }
    return 1;
}

} // namespace duplikon
