// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/PageOutput.h"
#include "board/CardBoard.h"

#include "board/BoardState.h"
#include "tasks/Task.h"
#include "pictures/PictureLoader.h"
#include "pictures/SoundHalf.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace duplikon {

namespace {

constexpr int kColumnLefts[4] = {700, 3300, 5900, 8500};
constexpr int kRowTops[5] = {900, 2900, 4900, 6900, 8900};
constexpr int kContentInset = 100;

// Characters per line by point size of the cell font; any other size gives 14.
struct LineWidth {
    qreal pointSize;
    int characters;
};
constexpr LineWidth kLineWidths[] = {
    {10, 20}, {12, 16}, {14, 15}, {16, 12}, {18, 11}, {20, 10}, {22, 9}, {24, 8},
};

// A twip rectangle in whole device pixels; neighbouring rectangles share edges.
QRect deviceRect(const QRect &twips, double devicePerTwip)
{
    const int left = qRound(twips.left() * devicePerTwip);
    const int top = qRound(twips.top() * devicePerTwip);
    const int right = qRound((twips.left() + twips.width()) * devicePerTwip);
    const int bottom = qRound((twips.top() + twips.height()) * devicePerTwip);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

PageCell pageCell(const BoardCell &c, const QString &folder)
{
    PageCell cell;
    if (!c.shown)
        return cell;
    const Half half = Half::of(c.half);
    if (half.isPicture()) {
        cell.kind = PageCell::Picture;
        cell.picturePath = half.file(folder);
    } else if (half.isSound()) {
        cell.kind = PageCell::Sound;
        cell.text = half.fileName();
        cell.soundMissing = c.soundFile.isEmpty();
    } else {
        cell.kind = PageCell::Text;
        cell.text = c.half;
    }
    return cell;
}

QRect pageFrameTwips(int cell)
{
    const int i = qBound(1, cell, kPageCells) - 1;
    return QRect(kColumnLefts[i % 4], kRowTops[i / 4], kFrameWidthTwips, kFrameHeightTwips);
}

QPoint pageContentOriginTwips(int cell)
{
    return pageFrameTwips(cell).topLeft() + QPoint(kContentInset, kContentInset);
}

QStringList TextUmbrechen(const QString &text, qreal pointSize, bool bold)
{
    int w = 14;
    for (const LineWidth &lw : kLineWidths) {
        if (pointSize == lw.pointSize)
            w = lw.characters;
    }
    QString t = text + QLatin1Char(' ');
    w += 1;
    if (bold)
        w -= 1;

    QStringList lines;
    for (;;) {
        // the longest beginning of at most w characters that ends with a blank
        const int from = qMin(w, int(t.size())) - 1;
        const int blank = t.lastIndexOf(QLatin1Char(' '), from);
        int length = blank >= 0 ? blank + 1 : w;
        // a hard cut never splits a character made of two UTF-16 units
        if (blank < 0 && length < t.size() && t.at(length - 1).isHighSurrogate() && length > 1)
            --length;
        lines.append(t.left(length));
        t.remove(0, length);
        if (t.size() <= w) {
            lines.append(t);
            break;
        }
    }
    return lines;
}

void composePage(QPainter &p, double devicePerTwip, int frameLineWidthDevice, const BoardPage &page)
{
    p.save();

    // frames: outlines only, sharp lines
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black);
    pen.setWidth(frameLineWidthDevice);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (int cell = 1; cell <= kPageCells; ++cell)
        p.drawRect(deviceRect(pageFrameTwips(cell), devicePerTwip));

    // The cell font at this resolution: its point size is meant for a device of
    // 1440 * devicePerTwip dots per inch, whatever the device itself reports.
    QFont font(page.textFont.family());
    font.setBold(page.textFont.bold());
    const qreal pointSize = page.textFont.pointSizeF() > 0 ? page.textFont.pointSizeF() : 12.0;
    const int deviceDpi = p.device() ? p.device()->logicalDpiY() : 96;
    font.setPointSizeF(pointSize * devicePerTwip * 1440.0 / (deviceDpi > 0 ? deviceDpi : 96));
    p.setFont(font);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QFontMetricsF metrics(font, p.device());
    const qreal lineHeight = metrics.height();
    const qreal ascent = metrics.ascent();

    for (int cell = 1; cell <= kPageCells; ++cell) {
        const PageCell &c = page.cells[size_t(cell - 1)];
        const QPoint origin = pageContentOriginTwips(cell);
        if (c.kind == PageCell::Picture) {
            const QRect area = deviceRect(QRect(origin, QSize(kPictureWidthTwips, kPictureHeightTwips)), devicePerTwip);
            // A big photo is decoded at the size drawn, so it costs little; a small
            // picture keeps its own pixels and the painter stretches it, so a
            // printer job does not carry it blown up to printer resolution.
            QSize decoded = area.size();
            const QSize natural = pictureHeaderSize(c.picturePath);
            if (natural.isValid() && !natural.isEmpty())
                decoded = decoded.boundedTo(natural);
            const LoadedPicture picture = loadPicture(c.picturePath, decoded, PictureFit::Stretch);
            if (picture.ok)
                p.drawImage(area, picture.image);
        } else if (c.kind == PageCell::Sound) {
            // The picture area: the name on its bottom line, the loudspeaker above.
            const QRect area = deviceRect(QRect(origin, QSize(kPictureWidthTwips, kPictureHeightTwips)), devicePerTwip);
            const QRectF line(area.left(), area.bottom() - lineHeight, area.width(), lineHeight);
            p.setPen(Qt::black);
            p.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                       metrics.elidedText(c.text, Qt::ElideMiddle, line.width()));
            drawSoundSymbol(p, QRectF(area.left(), area.top(), area.width(), line.top() - area.top()), Qt::black,
                            c.soundMissing);
        } else if (c.kind == PageCell::Back) {
            drawCardBack(p, deviceRect(QRect(origin, QSize(kPictureWidthTwips, kPictureHeightTwips)), devicePerTwip),
                         c.secondBack);
        } else if (c.kind == PageCell::Text) {
            const QStringList lines = TextUmbrechen(c.text, pointSize, page.textFont.bold());
            const qreal x = origin.x() * devicePerTwip;
            qreal y = origin.y() * devicePerTwip;
            for (const QString &line : lines) {
                // each line starts at the content origin's left, its top at y
                p.drawText(QPointF(x, y + ascent), line);
                y += lineHeight;
            }
        }
    }

    p.restore();
}

} // namespace duplikon
