// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/Worksheet.h"

#include "pictures/Metafile.h"
#include "pictures/PictureLoader.h"
#include "pictures/SoundHalf.h"
#include "platform/RegularFile.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QVector>

#include <cmath>

namespace duplikon {

namespace {

// Pictures go on paper at this resolution at most: sharp when printed, and a
// PDF of camera photos stays small.
constexpr double kPictureDpi = 300;
constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerScreenPixel = 15; // a metafile's unit: a pixel at 96 dpi
const QString kLabelFamily = QStringLiteral("Arial");

// How a raster picture is decoded and where it goes: within the box, its
// shape kept, centred; never more pixels than it has or than 300 dpi give.
struct PictureDraw {
    QSize pixels;
    QRectF target;
};

PictureDraw pictureDraw(const PlacedHalf &h)
{
    const QSizeF box = h.box.size();
    const QSize most(qMax(1, int(std::floor(box.width() * kPictureDpi / kTwipsPerInch))),
                     qMax(1, int(std::floor(box.height() * kPictureDpi / kTwipsPerInch))));
    const QSize natural = pictureHeaderSize(h.half.path);
    PictureDraw d;
    QSizeF shown = box;
    d.pixels = most;
    if (natural.isValid() && !natural.isEmpty()) {
        shown = QSizeF(natural).scaled(box, Qt::KeepAspectRatio);
        d.pixels = natural.scaled(most, Qt::KeepAspectRatio);
        if (d.pixels.width() > natural.width())
            d.pixels = natural;
        d.pixels = d.pixels.expandedTo(QSize(1, 1));
    }
    d.target = QRectF(h.box.center() - QPointF(shown.width() / 2, shown.height() / 2), shown);
    return d;
}

// Transparent parts come out white on any paper and in any PDF reader.
QImage onWhite(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage white(image.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QPainter p(&white);
    p.drawImage(0, 0, image);
    return white;
}

void drawText(QPainter &painter, const QRectF &box, const QFont &font, int flags, const QString &text)
{
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(box, flags, text);
}

// A picture that cannot be shown still names its file.
void drawFileName(QPainter &painter, const PlacedHalf &h)
{
    const QString name = h.half.text.isEmpty() ? h.half.path : h.half.text;
    QFont chosen(h.font.family());
    chosen.setPointSizeF(h.pointSize);
    drawText(painter, h.box, sheetFont(chosen.family(), fittedPointSize(name, chosen, h.box.size()), false),
             kSheetTextFlags, name);
}

void drawMetafileHalf(QPainter &painter, const PlacedHalf &h)
{
    QByteArray data;
    QString error;
    const QSize box(int(h.box.width() / kTwipsPerScreenPixel), int(h.box.height() / kTwipsPerScreenPixel));
    painter.save();
    painter.translate(h.box.topLeft());
    painter.scale(kTwipsPerScreenPixel, kTwipsPerScreenPixel);
    const bool drawn = readRegularFile(h.half.path, kMaxMetafileBytes, &data, &error)
        && drawMetafile(painter, data, box, &error);
    painter.restore();
    if (!drawn)
        drawFileName(painter, h);
}

void drawSoundHalf(QPainter &painter, const PlacedHalf &h)
{
    // The file's name on the bottom line, the loudspeaker above it.
    QFont font = sheetFont(h.font.family(), h.pointSize, h.font.bold());
    const QFontMetricsF metrics(font);
    const qreal lineHeight = metrics.height();
    const QRectF line(h.box.left(), h.box.bottom() - lineHeight, h.box.width(), lineHeight);
    drawText(painter, line, font, Qt::AlignCenter | Qt::TextSingleLine,
             metrics.elidedText(h.half.text, Qt::ElideMiddle, line.width()));
    drawSoundSymbol(painter, QRectF(h.box.left(), h.box.top(), h.box.width(), line.top() - h.box.top()), Qt::black);
}

void drawHalf(QPainter &painter, const PlacedHalf &h)
{
    switch (h.half.kind) {
    case SheetHalf::Text:
        drawText(painter, h.box, h.font, kSheetTextFlags, h.half.text);
        return;
    case SheetHalf::Sound:
        drawSoundHalf(painter, h);
        return;
    case SheetHalf::Metafile:
        drawMetafileHalf(painter, h);
        return;
    case SheetHalf::Picture:
        break;
    }
    const PictureDraw d = pictureDraw(h);
    const LoadedPicture picture = loadPicture(h.half.path, d.pixels, PictureFit::Stretch);
    if (picture.ok)
        painter.drawImage(d.target, onWhite(picture.image));
    else
        drawFileName(painter, h);
}

} // namespace

void preparePictures(const QList<SheetPage> &pages)
{
    QVector<PictureRequest> requests;
    for (const SheetPage &page : pages)
        for (const PlacedHalf &h : page.halves)
            if (h.half.kind == SheetHalf::Picture)
                requests.append(PictureRequest{h.half.path, pictureDraw(h).pixels, PictureFit::Stretch});
    loadPictures(requests);
}

void drawSheetPage(QPainter &painter, const SheetPage &page, double devicePerTwip)
{
    painter.save();
    painter.scale(devicePerTwip, devicePerTwip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);

    QPen cut(QColor(96, 96, 96));
    cut.setWidthF(10);
    cut.setDashPattern({18, 12});
    painter.setPen(cut);
    painter.drawLines(page.cutLines);

    QPen solid(Qt::black);
    solid.setWidthF(15);
    painter.setPen(solid);
    painter.drawLines(page.lines);
    painter.setBrush(Qt::black);
    for (const QPointF &dot : page.dots)
        painter.drawEllipse(dot, 60, 60);
    painter.setBrush(Qt::NoBrush);

    for (const PlacedLabel &label : page.labels) {
        QFont chosen(kLabelFamily);
        chosen.setPointSizeF(label.pointSize);
        chosen.setBold(label.bold);
        const qreal size = fittedPointSize(label.text, chosen, label.box.size());
        drawText(painter, label.box, sheetFont(kLabelFamily, size, label.bold), label.alignment | Qt::TextWordWrap,
                 label.text);
    }
    for (const PlacedHalf &h : page.halves)
        drawHalf(painter, h);
    painter.restore();
}

} // namespace duplikon
