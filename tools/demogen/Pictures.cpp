// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "Painting.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace demogen::pictures {

namespace {

constexpr qreal kLine = 4.0;          // outline of a cell drawing
constexpr qreal kThin = 2.5;          // whiskers, mouths, small details
const QPointF kMiddle(kCellWidth / 2.0, kCellHeight / 2.0);

QImage cell(const QColor &background)
{
    return canvas(kCellWidth, kCellHeight, background);
}

// An eye: dark pupil with a white sparkle.
void drawEye(QPainter &p, const QPointF &c, qreal r)
{
    drawEllipse(p, c, r, r * 1.15, ink(), 0);
    drawEllipse(p, c + QPointF(-r * 0.35, -r * 0.4), r * 0.38, r * 0.38, Qt::white, 0);
}

void drawSmile(QPainter &p, const QPointF &c, qreal halfWidth, qreal depth, qreal width = kThin)
{
    QPainterPath smile;
    smile.moveTo(c + QPointF(-halfWidth, 0));
    smile.quadTo(c + QPointF(0, depth * 2), c + QPointF(halfWidth, 0));
    drawStroke(p, smile, width, ink());
}

void drawCheeks(QPainter &p, const QPointF &left, const QPointF &right, qreal r)
{
    const QColor blush(255, 130, 150, 120);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(blush);
    p.drawPath(ellipsePath(left, r, r * 0.65));
    p.drawPath(ellipsePath(right, r, r * 0.65));
    p.restore();
}

QPainterPath line(const QPointF &a, const QPointF &b)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    return path;
}

QPainterPath trianglePath(const QPointF &a, const QPointF &b, const QPointF &c)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

// A small meadow of grass along the bottom of a cell.
void drawGrass(QPainter &p, const QColor &colour, qreal top)
{
    QPainterPath ground;
    ground.moveTo(-5, kCellHeight + 5);
    ground.lineTo(-5, top + 4);
    ground.quadTo(40, top - 4, 80, top + 2);
    ground.quadTo(120, top + 8, kCellWidth + 5, top);
    ground.lineTo(kCellWidth + 5, kCellHeight + 5);
    ground.closeSubpath();
    drawOutlined(p, ground, colour, 0);
}

} // namespace

// ---------------------------------------------------------------- animals

QImage dog()
{
    QImage img = cell(QColor(214, 238, 200));
    QPainter p(&img);
    prepare(p);
    drawGrass(p, QColor(160, 210, 120), 104);
    const QColor fur(214, 150, 86), dark(130, 78, 42), light(250, 232, 204);
    drawEllipse(p, QPointF(80.5, 62), 40, 38, fur, kLine);                 // head
    drawOutlined(p, ellipsePath(QPointF(95, 50), 12, 11, 0), QColor(180, 118, 62), 0); // patch
    drawOutlined(p, ellipsePath(QPointF(42, 58), 14, 30, 18), dark, kLine);  // ears
    drawOutlined(p, ellipsePath(QPointF(119, 58), 14, 30, -18), dark, kLine);
    drawEllipse(p, QPointF(80.5, 80), 23, 17, light, kLine);                 // snout
    // Tongue first, the mouth line over it.
    QPainterPath tongue;
    tongue.moveTo(74, 88);
    tongue.lineTo(74, 97);
    tongue.quadTo(80.5, 106, 87, 97);
    tongue.lineTo(87, 88);
    tongue.closeSubpath();
    drawOutlined(p, tongue, QColor(240, 100, 120), kThin);
    QPainterPath mouth;
    mouth.moveTo(80.5, 76);
    mouth.lineTo(80.5, 84);
    mouth.moveTo(68, 84);
    mouth.quadTo(74, 91, 80.5, 84);
    mouth.quadTo(87, 91, 93, 84);
    drawStroke(p, mouth, kThin, ink());
    drawEllipse(p, QPointF(80.5, 73), 9, 6.5, ink(), 0);                     // nose
    drawEllipse(p, QPointF(77.5, 71), 3, 1.8, QColor(255, 255, 255, 170), 0);
    drawEye(p, QPointF(66, 52), 5);
    drawEye(p, QPointF(95, 52), 5);
    return img;
}

QImage cat()
{
    QImage img = cell(QColor(250, 228, 238));
    QPainter p(&img);
    prepare(p);
    const QColor fur(245, 162, 60), stripe(205, 110, 30), pink(255, 160, 180);
    drawOutlined(p, trianglePath(QPointF(38, 52), QPointF(44, 8), QPointF(76, 30)), fur, kLine);   // ears
    drawOutlined(p, trianglePath(QPointF(123, 52), QPointF(117, 8), QPointF(85, 30)), fur, kLine);
    drawOutlined(p, trianglePath(QPointF(45, 40), QPointF(48, 19), QPointF(64, 31)), pink, 0);
    drawOutlined(p, trianglePath(QPointF(116, 40), QPointF(113, 19), QPointF(97, 31)), pink, 0);
    drawEllipse(p, QPointF(80.5, 66), 46, 40, fur, kLine);                                     // head
    for (int i = -1; i <= 1; ++i)                                                             // stripes
        drawStroke(p, line(QPointF(80.5 + i * 10, 28), QPointF(80.5 + i * 8, 40)), 4, stripe);
    // Green eyes with slit pupils.
    for (qreal x : {62.0, 99.0}) {
        drawOutlined(p, ellipsePath(QPointF(x, 58), 8, 10), QColor(120, 200, 80), kThin);
        drawOutlined(p, ellipsePath(QPointF(x, 58), 2.6, 8), ink(), 0);
        drawEllipse(p, QPointF(x - 3, 54), 1.8, 1.8, Qt::white, 0);
    }
    drawOutlined(p, trianglePath(QPointF(74, 74), QPointF(87, 74), QPointF(80.5, 81)), pink, kThin); // nose
    QPainterPath mouth;
    mouth.moveTo(80.5, 81);
    mouth.lineTo(80.5, 85);
    mouth.moveTo(70, 84);
    mouth.quadTo(75, 91, 80.5, 85);
    mouth.quadTo(86, 91, 91, 84);
    drawStroke(p, mouth, kThin, ink());
    for (int i = -1; i <= 1; ++i) {                                                          // whiskers
        drawStroke(p, line(QPointF(62, 80 + i * 5), QPointF(22, 76 + i * 11)), 2, ink());
        drawStroke(p, line(QPointF(99, 80 + i * 5), QPointF(139, 76 + i * 11)), 2, ink());
    }
    return img;
}

QImage mouse()
{
    QImage img = cell(QColor(255, 244, 196));
    QPainter p(&img);
    prepare(p);
    const QColor fur(168, 170, 186), pink(255, 170, 190);
    drawEllipse(p, QPointF(42, 36), 27, 27, fur, kLine);                    // ears
    drawEllipse(p, QPointF(119, 36), 27, 27, fur, kLine);
    drawEllipse(p, QPointF(42, 36), 17, 17, pink, 0);
    drawEllipse(p, QPointF(119, 36), 17, 17, pink, 0);
    QPainterPath head;                                                     // round, a bit pointed below
    head.moveTo(80.5, 112);
    head.cubicTo(52, 112, 40, 92, 40, 72);
    head.cubicTo(40, 48, 58, 36, 80.5, 36);
    head.cubicTo(103, 36, 121, 48, 121, 72);
    head.cubicTo(121, 92, 109, 112, 80.5, 112);
    head.closeSubpath();
    drawOutlined(p, head, fur, kLine);
    drawCheeks(p, QPointF(55, 84), QPointF(106, 84), 7);
    drawEye(p, QPointF(67, 66), 5.5);
    drawEye(p, QPointF(94, 66), 5.5);
    drawOutlined(p, QPainterPath([] {                                       // teeth
        QPainterPath t;
        t.addRoundedRect(QRectF(75.5, 96, 10, 9), 2, 2);
        return t;
    }()), Qt::white, kThin);
    drawStroke(p, line(QPointF(80.5, 96), QPointF(80.5, 105)), 1.5, ink());
    QPainterPath mouth;
    mouth.moveTo(71, 93);
    mouth.quadTo(80.5, 99, 90, 93);
    drawStroke(p, mouth, kThin, ink());
    drawEllipse(p, QPointF(80.5, 86), 6.5, 5.5, pink, kThin);               // nose
    for (int i = -1; i <= 1; ++i) {                                         // whiskers
        drawStroke(p, line(QPointF(68, 88 + i * 4), QPointF(30, 84 + i * 10)), 1.8, ink());
        drawStroke(p, line(QPointF(93, 88 + i * 4), QPointF(131, 84 + i * 10)), 1.8, ink());
    }
    return img;
}

QImage fish()
{
    QImage img = cell(QColor(170, 218, 248));
    QPainter p(&img);
    prepare(p);
    // Sand and a plant.
    QPainterPath sand;
    sand.moveTo(-5, 126);
    sand.lineTo(-5, 108);
    sand.quadTo(80, 100, 166, 110);
    sand.lineTo(166, 126);
    sand.closeSubpath();
    drawOutlined(p, sand, QColor(242, 222, 160), 0);
    QPainterPath weed;
    weed.moveTo(140, 110);
    weed.cubicTo(130, 95, 150, 85, 140, 70);
    weed.moveTo(150, 110);
    weed.cubicTo(158, 98, 144, 90, 152, 80);
    drawStroke(p, weed, 5, QColor(60, 160, 90));

    const QColor body(250, 140, 40), fin(240, 100, 30);
    drawOutlined(p, trianglePath(QPointF(104, 60), QPointF(136, 30), QPointF(136, 90)), fin, kLine); // tail
    QPainterPath topFin;
    topFin.moveTo(52, 40);
    topFin.quadTo(72, 2, 94, 36);
    topFin.closeSubpath();
    drawOutlined(p, topFin, fin, kLine);
    drawEllipse(p, QPointF(70, 62), 44, 29, body, kLine);
    // A white band across the body, clipped to it.
    p.save();
    p.setClipPath(ellipsePath(QPointF(70, 62), 42, 27));
    drawOutlined(p, ellipsePath(QPointF(82, 62), 7, 34), QColor(255, 248, 235), 0);
    p.restore();
    drawStroke(p, ellipsePath(QPointF(70, 62), 44, 29), kLine, ink());
    drawOutlined(p, ellipsePath(QPointF(70, 72), 12, 6, -20), fin, kThin);   // side fin
    drawEllipse(p, QPointF(46, 54), 9, 9, Qt::white, kThin);                 // eye
    drawEye(p, QPointF(47, 55), 4.5);
    QPainterPath mouth;
    mouth.moveTo(29, 66);
    mouth.quadTo(34, 71, 40, 68);
    drawStroke(p, mouth, kThin, ink());
    // Bubbles.
    p.setPen(QPen(QColor(255, 255, 255), 2.5));
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QPointF(20, 38), 6, 6);
    p.drawEllipse(QPointF(14, 20), 4.5, 4.5);
    p.drawEllipse(QPointF(24, 8), 3, 3);
    return img;
}

QImage bird()
{
    QImage img = cell(QColor(206, 232, 255));
    QPainter p(&img);
    prepare(p);
    // Branch with a leaf.
    QPainterPath branch;
    branch.moveTo(-5, 104);
    branch.quadTo(80, 96, 166, 108);
    drawStroke(p, branch, 11, ink());
    drawStroke(p, branch, 6, QColor(150, 95, 50));
    drawOutlined(p, ellipsePath(QPointF(140, 94), 11, 5, -30), QColor(90, 180, 80), kThin);

    const QColor blue(70, 140, 230), darkBlue(40, 95, 190), belly(255, 220, 90), beak(255, 150, 30);
    drawOutlined(p, trianglePath(QPointF(52, 66), QPointF(20, 56), QPointF(26, 84)), darkBlue, kLine); // tail
    for (qreal x : {72.0, 88.0}) {                                                                  // legs
        QPainterPath leg = line(QPointF(x, 88), QPointF(x - 2, 100));
        leg.moveTo(x - 8, 102);
        leg.lineTo(x + 4, 102);
        drawStroke(p, leg, 3.5, beak.darker(115));
    }
    QPainterPath tuft;
    tuft.moveTo(82, 32);
    tuft.quadTo(78, 14, 90, 18);
    tuft.quadTo(86, 26, 92, 30);
    drawOutlined(p, tuft, darkBlue, kThin);
    drawEllipse(p, QPointF(82, 60), 34, 30, blue, kLine);                     // body
    p.save();
    p.setClipPath(ellipsePath(QPointF(82, 60), 32, 28));
    drawOutlined(p, ellipsePath(QPointF(92, 74), 24, 20), belly, 0);
    p.restore();
    drawStroke(p, ellipsePath(QPointF(82, 60), 34, 30), kLine, ink());
    drawOutlined(p, ellipsePath(QPointF(70, 64), 18, 11, -25), darkBlue, kThin); // wing
    drawOutlined(p, trianglePath(QPointF(110, 48), QPointF(130, 54), QPointF(110, 60)), beak, kThin); // beak
    drawEye(p, QPointF(98, 48), 4.5);
    // A little note: it sings.
    drawEllipse(p, QPointF(134, 28), 6, 4.5, ink(), 0);
    drawStroke(p, line(QPointF(139.5, 28), QPointF(139.5, 8)), 2.5, ink());
    drawStroke(p, line(QPointF(139.5, 8), QPointF(147, 13)), 2.5, ink());
    return img;
}

QImage frog()
{
    QImage img = cell(QColor(215, 240, 255));
    QPainter p(&img);
    prepare(p);
    // A water lily leaf under the frog.
    drawOutlined(p, ellipsePath(QPointF(80.5, 108), 74, 14), QColor(70, 160, 80), 0);
    const QColor green(110, 196, 70);
    drawEllipse(p, QPointF(54, 38), 19, 19, green, kLine);                  // eye bumps
    drawEllipse(p, QPointF(107, 38), 19, 19, green, kLine);
    drawEllipse(p, QPointF(80.5, 74), 56, 34, green, kLine);                // head
    p.save();                                                               // hide the bump lines inside the head
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPath(ellipsePath(QPointF(54, 40), 17, 17));
    p.drawPath(ellipsePath(QPointF(107, 40), 17, 17));
    p.restore();
    drawEllipse(p, QPointF(54, 37), 11, 11, Qt::white, kThin);
    drawEllipse(p, QPointF(107, 37), 11, 11, Qt::white, kThin);
    drawEye(p, QPointF(56, 38), 5.5);
    drawEye(p, QPointF(105, 38), 5.5);
    drawEllipse(p, QPointF(74, 64), 2, 1.5, ink(), 0);                       // nostrils
    drawEllipse(p, QPointF(87, 64), 2, 1.5, ink(), 0);
    drawSmile(p, QPointF(80.5, 80), 34, 9, 3.5);
    return img;
}

// ---------------------------------------------------------------- colours

QImage paintSplash(const QColor &colour)
{
    const bool pale = colour.lightness() > 230;
    QImage img = cell(pale ? QColor(214, 222, 236) : QColor(255, 255, 255));
    QPainter p(&img);
    prepare(p);
    // A round blob with drops around it, all one shape.
    QPainterPath splash = ellipsePath(QPointF(78, 58), 42, 36, 0);
    const struct { qreal x, y, r; } lobes[] = {
        {48, 36, 20}, {108, 34, 18}, {116, 70, 20}, {86, 92, 18}, {50, 84, 19}, {78, 24, 16},
    };
    for (const auto &l : lobes)
        splash = splash.united(ellipsePath(QPointF(l.x, l.y), l.r, l.r));
    drawOutlined(p, splash, colour, kLine);
    const struct { qreal x, y, r; } drops[] = {
        {22, 22, 7}, {140, 20, 6}, {145, 98, 8}, {24, 104, 6}, {128, 110, 4.5}, {12, 60, 4.5},
    };
    for (const auto &d : drops)
        drawEllipse(p, QPointF(d.x, d.y), d.r, d.r, colour, 3);
    drawShine(p, QPointF(78, 58), 42, 36);
    return img;
}

// ---------------------------------------------------------------- numbers

QImage die(int pips, const QColor &background)
{
    QImage img = cell(background);
    QPainter p(&img);
    prepare(p);
    const QRectF face(kMiddle.x() - 46, kMiddle.y() - 46, 92, 92);
    QPainterPath shadow;
    shadow.addRoundedRect(face.translated(5, 5), 16, 16);
    drawOutlined(p, shadow, QColor(0, 0, 0, 45), 0);
    QPainterPath body;
    body.addRoundedRect(face, 16, 16);
    drawOutlined(p, body, Qt::white, kLine);
    const qreal a = 24;
    const QPointF c = kMiddle;
    QList<QPointF> at;
    if (pips % 2 == 1)
        at << c;
    if (pips >= 2)
        at << c + QPointF(-a, -a) << c + QPointF(a, a);
    if (pips >= 4)
        at << c + QPointF(a, -a) << c + QPointF(-a, a);
    if (pips == 6)
        at << c + QPointF(-a, 0) << c + QPointF(a, 0);
    const QColor pip = pips == 1 ? QColor(225, 40, 50) : ink();
    for (const QPointF &pt : at)
        drawEllipse(p, pt, pips == 1 ? 12 : 9, pips == 1 ? 12 : 9, pip, 0);
    return img;
}

QImage balls(int count)
{
    count = qBound(1, count, 10);
    QImage img = cell(QColor(255, 246, 214));
    QPainter p(&img);
    prepare(p);
    static const QColor colours[] = {
        QColor(235, 60, 60), QColor(60, 130, 235), QColor(80, 190, 80), QColor(250, 200, 40),
        QColor(250, 140, 40), QColor(160, 90, 210), QColor(245, 110, 170), QColor(40, 185, 185),
        QColor(150, 100, 60), QColor(120, 200, 240),
    };
    // Up to four balls in a row, rows centred.
    QList<int> rows;
    for (int left = count; left > 0;) {
        const int rowCount = count <= 4 ? count : (count <= 6 ? 3 : (count <= 8 ? 4 : 5));
        rows << qMin(left, rowCount);
        left -= rows.last();
    }
    const qreal r = count <= 4 ? 19 : (count <= 8 ? 15 : 12);
    const qreal step = r * 2 + 9;
    const qreal top = kMiddle.y() - (rows.size() - 1) * step / 2;
    int n = 0;
    for (int row = 0; row < rows.size(); ++row) {
        const qreal left = kMiddle.x() - (rows[row] - 1) * step / 2;
        for (int i = 0; i < rows[row]; ++i, ++n) {
            const QPointF c(left + i * step, top + row * step);
            drawEllipse(p, c, r, r, colours[n], 3.5);
            drawShine(p, c, r, r);
        }
    }
    return img;
}

// ---------------------------------------------------------------- shapes

namespace {

QImage shape(const QPainterPath &path, const QColor &colour, const QColor &background)
{
    QImage img = cell(background);
    QPainter p(&img);
    prepare(p);
    drawOutlined(p, path.translated(4, 4), QColor(0, 0, 0, 40), 0);
    drawOutlined(p, path, colour, 5);
    return img;
}

} // namespace

QImage circle()
{
    return shape(ellipsePath(kMiddle, 49, 49), QColor(235, 60, 60), QColor(255, 236, 236));
}

QImage triangle()
{
    return shape(trianglePath(QPointF(80.5, 10), QPointF(138, 108), QPointF(23, 108)),
                 QColor(252, 204, 40), QColor(255, 250, 222));
}

QImage square()
{
    QPainterPath path;
    path.addRect(QRectF(kMiddle.x() - 46, kMiddle.y() - 46, 92, 92));
    return shape(path, QColor(60, 125, 230), QColor(226, 236, 255));
}

QImage rectangle()
{
    QPainterPath path;
    path.addRect(QRectF(kMiddle.x() - 68, kMiddle.y() - 36, 136, 72));
    return shape(path, QColor(70, 180, 80), QColor(228, 248, 226));
}

QImage star()
{
    return shape(starPath(kMiddle + QPointF(0, 5), 56, 24, 5), QColor(255, 200, 30), QColor(70, 80, 160));
}

QImage heart()
{
    return shape(heartPath(QRectF(kMiddle.x() - 56, 12, 112, 98)), QColor(240, 60, 110), QColor(255, 232, 240));
}

QImage diamond()
{
    QPainterPath path;
    path.moveTo(80.5, 8);
    path.lineTo(126, 60.5);
    path.lineTo(80.5, 113);
    path.lineTo(35, 60.5);
    path.closeSubpath();
    return shape(path, QColor(150, 85, 205), QColor(242, 230, 255));
}

QImage oval()
{
    return shape(ellipsePath(kMiddle, 68, 40), QColor(250, 140, 40), QColor(255, 240, 224));
}

QImage hexagon()
{
    return shape(polygonPath(kMiddle, 54, 6, 30), QColor(40, 182, 182), QColor(222, 248, 246));
}

QImage pentagon()
{
    return shape(polygonPath(kMiddle + QPointF(0, 4), 56, 5), QColor(160, 200, 40), QColor(244, 250, 222));
}

// ---------------------------------------------------------------- rewards

namespace {

QImage reward(const QColor &background)
{
    return canvas(kRewardWidth, kRewardHeight, background);
}

void drawCloud(QPainter &p, const QPointF &c, qreal size)
{
    QPainterPath cloud = ellipsePath(c, size, size * 0.55);
    cloud = cloud.united(ellipsePath(c + QPointF(-size * 0.55, size * 0.12), size * 0.55, size * 0.42));
    cloud = cloud.united(ellipsePath(c + QPointF(size * 0.6, size * 0.1), size * 0.6, size * 0.45));
    cloud = cloud.united(ellipsePath(c + QPointF(size * 0.1, -size * 0.38), size * 0.55, size * 0.5));
    drawOutlined(p, cloud, Qt::white, 5);
}

void drawFlower(QPainter &p, const QPointF &c, qreal r, const QColor &petals)
{
    drawStroke(p, line(c, c + QPointF(0, r * 3)), 4, QColor(50, 130, 50));
    for (int i = 0; i < 5; ++i) {
        const qreal angle = i * 72 * M_PI / 180;
        drawEllipse(p, c + QPointF(r * std::cos(angle), r * std::sin(angle)), r * 0.75, r * 0.75, petals, 3);
    }
    drawEllipse(p, c, r * 0.6, r * 0.6, QColor(255, 215, 40), 3);
}

} // namespace

QImage sunAndRainbow()
{
    QImage img = reward(Qt::white);
    QPainter p(&img);
    prepare(p);
    QLinearGradient sky(0, 0, 0, kRewardHeight);
    sky.setColorAt(0, QColor(92, 172, 248));
    sky.setColorAt(1, QColor(200, 236, 255));
    p.fillRect(img.rect(), sky);

    // Rainbow: seven bands round a centre below the picture.
    const QPointF centre(470, 470);
    static const QColor bands[] = {
        QColor(230, 50, 50), QColor(250, 140, 30), QColor(252, 215, 40), QColor(80, 190, 70),
        QColor(50, 140, 230), QColor(80, 70, 190), QColor(160, 80, 200),
    };
    const qreal bandWidth = 22;
    const qreal outer = 330;
    {
        QPainterPath rim;
        rim.addEllipse(centre, outer + 3, outer + 3);
        QPainterPath hole;
        hole.addEllipse(centre, outer - 7 * bandWidth - 3, outer - 7 * bandWidth - 3);
        drawOutlined(p, rim.subtracted(hole), ink(), 0);
    }
    for (int i = 0; i < 7; ++i) {
        QPainterPath ring;
        const qreal ro = outer - i * bandWidth, ri = ro - bandWidth;
        ring.addEllipse(centre, ro, ro);
        QPainterPath hole;
        hole.addEllipse(centre, ri, ri);
        drawOutlined(p, ring.subtracted(hole), bands[i], 0);
    }
    drawCloud(p, QPointF(210, 400), 80);
    drawCloud(p, QPointF(735, 392), 80);

    // Hills with flowers.
    QPainterPath far = ellipsePath(QPointF(640, 560), 360, 130);
    drawOutlined(p, far, QColor(120, 200, 90), 5);
    QPainterPath near = ellipsePath(QPointF(170, 580), 420, 140);
    drawOutlined(p, near, QColor(90, 180, 70), 5);
    drawFlower(p, QPointF(70, 468), 11, QColor(245, 110, 170));
    drawFlower(p, QPointF(330, 470), 11, QColor(250, 250, 250));
    drawFlower(p, QPointF(470, 480), 10, QColor(160, 90, 210));
    drawFlower(p, QPointF(780, 462), 11, QColor(235, 60, 60));

    // The sun, smiling.
    const QPointF sun(120, 112);
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * 30 * M_PI / 180;
        const QPointF dir(std::cos(a), std::sin(a));
        QPainterPath ray = line(sun + dir * 82, sun + dir * 108);
        drawStroke(p, ray, 16, ink());
        drawStroke(p, ray, 9, QColor(255, 190, 30));
    }
    drawEllipse(p, sun, 70, 70, QColor(255, 214, 40), 6);
    drawEllipse(p, sun + QPointF(-24, -12), 8, 10, ink(), 0);
    drawEllipse(p, sun + QPointF(24, -12), 8, 10, ink(), 0);
    drawEllipse(p, sun + QPointF(-27, -16), 3, 3, Qt::white, 0);
    drawEllipse(p, sun + QPointF(21, -16), 3, 3, Qt::white, 0);
    drawCheeks(p, sun + QPointF(-42, 14), sun + QPointF(42, 14), 11);
    drawSmile(p, sun + QPointF(0, 16), 30, 13, 6);

    drawWord(p, QStringLiteral("Super!"), QPointF(470, 300), 118, QColor(240, 70, 60), 7);
    return img;
}

QImage balloons()
{
    // Flat colours only: this one is stored as GIF.
    QImage img = reward(QColor(176, 222, 252));
    QPainter p(&img);
    prepare(p);
    drawCloud(p, QPointF(120, 80), 60);
    drawCloud(p, QPointF(700, 60), 50);
    drawCloud(p, QPointF(430, 150), 40);

    const struct { qreal x, y; QColor colour; qreal tilt; } items[] = {
        {120, 210, QColor(235, 60, 60), -8},  {260, 150, QColor(250, 200, 40), 5},
        {400, 200, QColor(60, 130, 235), -3}, {560, 140, QColor(80, 190, 80), 7},
        {700, 200, QColor(245, 110, 170), -6},
    };
    const QPointF knot(416, 352);
    for (const auto &b : items) {
        QPainterPath string;
        const QPointF start(b.x, b.y + 78);
        string.moveTo(start);
        string.cubicTo(start + QPointF(-10, 30), knot + QPointF((b.x - 416) * 0.3, -50), knot);
        drawStroke(p, string, 3, ink());
    }
    // A bow ties the strings together.
    drawOutlined(p, trianglePath(knot, knot + QPointF(-26, -14), knot + QPointF(-26, 14)), QColor(235, 60, 60), 4);
    drawOutlined(p, trianglePath(knot, knot + QPointF(26, -14), knot + QPointF(26, 14)), QColor(235, 60, 60), 4);
    drawEllipse(p, knot, 7, 7, QColor(235, 60, 60), 4);
    for (const auto &b : items) {
        const QPointF c(b.x, b.y);
        drawOutlined(p, trianglePath(c + QPointF(0, 66), c + QPointF(-12, 84), c + QPointF(12, 84)), b.colour.darker(115), 4);
        drawOutlined(p, ellipsePath(c, 56, 70, b.tilt), b.colour, 6);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawPath(ellipsePath(c + QPointF(-22, -32), 10, 20, 25 + b.tilt));
        p.restore();
    }
    // Confetti in flat colours.
    static const QColor confetti[] = {QColor(235, 60, 60), QColor(250, 200, 40), QColor(60, 130, 235),
                                      QColor(80, 190, 80), QColor(160, 90, 210)};
    for (int i = 0; i < 26; ++i) {
        const qreal x = 30 + (i * 137) % 780;
        const qreal y = 20 + (i * 89) % 300;
        if (x > 60 && x < 770 && y > 70 && y < 290)
            continue; // keep the balloons clear
        p.save();
        p.translate(x, y);
        p.rotate(i * 37);
        p.setPen(Qt::NoPen);
        p.setBrush(confetti[i % 5]);
        p.drawRect(QRectF(-6, -3, 12, 6));
        p.restore();
    }
    drawWord(p, QStringLiteral("Toll gemacht!"), QPointF(416, 432), 92, QColor(255, 140, 30), 7);
    return img;
}

QImage trophy()
{
    QImage img = reward(QColor(92, 54, 160));
    QPainter p(&img);
    prepare(p);
    // Rays from behind the cup.
    const QPointF cup(250, 230);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(118, 76, 186));
    for (int i = 0; i < 16; i += 2) {
        QPainterPath wedge;
        wedge.moveTo(cup);
        wedge.arcTo(QRectF(cup.x() - 1000, cup.y() - 1000, 2000, 2000), i * 22.5, 22.5);
        wedge.closeSubpath();
        p.drawPath(wedge);
    }
    p.restore();

    const QColor gold(252, 200, 40), deepGold(224, 156, 20);
    // Handles.
    for (int side : {-1, 1}) {
        QPainterPath handle;
        handle.moveTo(cup + QPointF(side * 80, -90));
        handle.cubicTo(cup + QPointF(side * 160, -100), cup + QPointF(side * 150, 20),
                       cup + QPointF(side * 60, 20));
        drawStroke(p, handle, 30, ink());
        drawStroke(p, handle, 18, gold);
    }
    // Cup.
    QPainterPath bowl;
    bowl.moveTo(cup + QPointF(-100, -120));
    bowl.lineTo(cup + QPointF(100, -120));
    bowl.cubicTo(cup + QPointF(100, 0), cup + QPointF(60, 50), cup + QPointF(0, 55));
    bowl.cubicTo(cup + QPointF(-60, 50), cup + QPointF(-100, 0), cup + QPointF(-100, -120));
    bowl.closeSubpath();
    QPainterPath stem;
    stem.addRect(QRectF(cup.x() - 18, cup.y() + 50, 36, 60));
    QPainterPath foot;
    foot.addRoundedRect(QRectF(cup.x() - 60, cup.y() + 104, 120, 24), 8, 8);
    QPainterPath base;
    base.addRoundedRect(QRectF(cup.x() - 90, cup.y() + 126, 180, 70), 10, 10);
    drawOutlined(p, stem, deepGold, 6);
    drawOutlined(p, bowl, gold, 6);
    drawOutlined(p, foot, deepGold, 6);
    drawOutlined(p, base, QColor(150, 90, 50), 6);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(cup.x() - 50, cup.y() + 145, 100, 32), 6, 6);
    drawOutlined(p, plate, gold, 4);
    drawOutlined(p, ellipsePath(cup + QPointF(-55, -70), 12, 36, 12), QColor(255, 240, 170), 0); // shine
    drawOutlined(p, starPath(cup + QPointF(0, -50), 38, 16, 5), QColor(255, 255, 255), 4);
    drawOutlined(p, ellipsePath(cup + QPointF(0, -120), 100, 14), deepGold, 6);               // rim

    // Twinkling stars round the picture.
    const struct { qreal x, y, r; QColor colour; } stars[] = {
        {80, 70, 30, QColor(255, 230, 60)},   {430, 60, 24, QColor(255, 255, 255)},
        {760, 70, 34, QColor(255, 230, 60)},  {60, 380, 22, QColor(255, 150, 200)},
        {440, 440, 28, QColor(255, 230, 60)}, {780, 440, 24, QColor(120, 220, 255)},
        {620, 60, 16, QColor(255, 150, 200)},
    };
    for (const auto &s : stars)
        drawOutlined(p, starPath(QPointF(s.x, s.y), s.r, s.r * 0.45, 5, 8), s.colour, 4);

    drawWord(p, QStringLiteral("Prima!"), QPointF(608, 250), 116, QColor(255, 210, 40), 7);
    return img;
}

} // namespace demogen::pictures
