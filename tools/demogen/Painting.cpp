// SPDX-License-Identifier: GPL-3.0-or-later
#include "Painting.h"

#include <QFontDatabase>
#include <QTransform>

#include <cmath>

namespace demogen {

QColor ink()
{
    return QColor(52, 40, 66);
}

QImage canvas(int width, int height, const QColor &background)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void drawOutlined(QPainter &p, const QPainterPath &path, const QColor &fill, qreal outlineWidth)
{
    p.save();
    if (outlineWidth > 0)
        p.setPen(QPen(ink(), outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void drawEllipse(QPainter &p, const QPointF &centre, qreal rx, qreal ry, const QColor &fill, qreal outlineWidth)
{
    drawOutlined(p, ellipsePath(centre, rx, ry), fill, outlineWidth);
}

void drawShine(QPainter &p, const QPointF &centre, qreal rx, qreal ry)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawPath(ellipsePath(centre + QPointF(-rx * 0.38, -ry * 0.42), rx * 0.22, ry * 0.14, -35));
    p.restore();
}

void drawStroke(QPainter &p, const QPainterPath &path, qreal width, const QColor &colour)
{
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

QPainterPath starPath(const QPointF &centre, qreal outer, qreal inner, int points, qreal rotationDegrees)
{
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal angle = (rotationDegrees - 90.0 + i * 180.0 / points) * M_PI / 180.0;
        const qreal r = (i % 2 == 0) ? outer : inner;
        poly << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath polygonPath(const QPointF &centre, qreal radius, int corners, qreal rotationDegrees)
{
    QPolygonF poly;
    for (int i = 0; i < corners; ++i) {
        const qreal angle = (rotationDegrees - 90.0 + i * 360.0 / corners) * M_PI / 180.0;
        poly << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(const QRectF &box)
{
    const qreal x = box.left(), y = box.top(), w = box.width(), h = box.height();
    QPainterPath path;
    path.moveTo(x + w * 0.5, y + h * 0.28);
    path.cubicTo(x + w * 0.5, y - h * 0.02, x + w * 0.02, y - h * 0.04, x + w * 0.02, y + h * 0.32);
    path.cubicTo(x + w * 0.02, y + h * 0.62, x + w * 0.34, y + h * 0.74, x + w * 0.5, y + h);
    path.cubicTo(x + w * 0.66, y + h * 0.74, x + w * 0.98, y + h * 0.62, x + w * 0.98, y + h * 0.32);
    path.cubicTo(x + w * 0.98, y - h * 0.04, x + w * 0.5, y - h * 0.02, x + w * 0.5, y + h * 0.28);
    path.closeSubpath();
    return path;
}

QPainterPath ellipsePath(const QPointF &centre, qreal rx, qreal ry, qreal rotationDegrees)
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(rotationDegrees);
    return t.map(path);
}

QFont wordFont(qreal pixelSize)
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("Liberation Sans") : families.first();
    }();
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

void drawWord(QPainter &p, const QString &word, const QPointF &centre, qreal pixelSize,
              const QColor &fill, qreal rim)
{
    QPainterPath path;
    path.addText(QPointF(0, 0), wordFont(pixelSize), word);
    const QRectF bounds = path.boundingRect();
    path.translate(centre - bounds.center());
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink(), rim * 2 + 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(Qt::white, rim * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

} // namespace demogen
