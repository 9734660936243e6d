// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QImage>

// Every drawing of the demo folder. Picture halves are kCellWidth × kCellHeight,
// reward pictures kRewardWidth × kRewardHeight (see Painting.h).
namespace demogen::pictures {

// Animals, friendly faces and simple bodies.
QImage dog();
QImage cat();
QImage mouse();
QImage fish();
QImage bird();
QImage frog();

// A splash of paint in one colour.
QImage paintSplash(const QColor &colour);

// A die showing 1 to 6, and 1 to 10 coloured balls in rows.
QImage die(int pips, const QColor &background);
QImage balls(int count);

// Shapes.
QImage circle();
QImage triangle();
QImage square();
QImage rectangle();
QImage star();
QImage heart();
QImage diamond();
QImage oval();
QImage hexagon();
QImage pentagon();

// Rewards for a solved task, each with a word of praise.
QImage sunAndRainbow();
QImage balloons();
QImage trophy();

} // namespace demogen::pictures
