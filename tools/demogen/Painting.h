// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace demogen {

// A picture half fills one board cell; a reward picture covers the board.
constexpr int kCellWidth = 161;
constexpr int kCellHeight = 121;
constexpr int kRewardWidth = 833;
constexpr int kRewardHeight = 505;

// The dark outline of every drawing: friendlier than black.
QColor ink();

// An opaque canvas filled with one colour, at 96 dots per inch.
QImage canvas(int width, int height, const QColor &background);

// Antialiased painting with round joins.
void prepare(QPainter &p);

// Fills a path and draws its thick outline.
void drawOutlined(QPainter &p, const QPainterPath &path, const QColor &fill, qreal outlineWidth);
void drawEllipse(QPainter &p, const QPointF &centre, qreal rx, qreal ry, const QColor &fill, qreal outlineWidth);
// A soft white shine on a round thing, up and to the left.
void drawShine(QPainter &p, const QPointF &centre, qreal rx, qreal ry);
// A line of the outline colour with round caps.
void drawStroke(QPainter &p, const QPainterPath &path, qreal width, const QColor &colour);

QPainterPath starPath(const QPointF &centre, qreal outer, qreal inner, int points, qreal rotationDegrees = 0);
QPainterPath polygonPath(const QPointF &centre, qreal radius, int corners, qreal rotationDegrees = 0);
QPainterPath heartPath(const QRectF &box);
QPainterPath ellipsePath(const QPointF &centre, qreal rx, qreal ry, qreal rotationDegrees = 0);

// A bold font from a fixed font file when it is there, so the pictures come
// out the same on every machine that has the project's fonts.
QFont wordFont(qreal pixelSize);

// A word painted cartoon-like: outline colour around, a white rim, then the fill.
void drawWord(QPainter &p, const QString &word, const QPointF &centre, qreal pixelSize,
              const QColor &fill, qreal rim);

} // namespace demogen
