// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Colours.h"

#include <QStringList>
#include <QVector>

namespace duplikon {

// Farbfolge: the nine colours a colour field steps through.
const QVector<ColourValue> &Farbfolge();

// The colour after value in the cycle; a colour that is not in the cycle
// (white, the colour before any setting, or black) goes on with the first step.
ColourValue nextColour(ColourValue value);

// farblist shows each colour as the decimal text of the signed 32-bit value.
QString colourText(ColourValue value);
// Text to colour: empty or non-numeric text gives 0, numbers are rounded to a
// whole 32-bit value.
ColourValue colourFromText(const QString &text);

// The colour list of one colour: twenty entries of the question colour.
QVector<ColourValue> singleColourList(ColourValue question);
// One entry per key string: per pair letter the first cell gets the question
// colour, the next the answer colour, and so on alternately.
QVector<ColourValue> twoColourList(const QStringList &keyStrings, ColourValue question, ColourValue answer);

// Text cell sizes: Schrift1 steps down by 2 to at least 10, Schrift2 up by 2
// to at most 24.
qreal smallerSize(qreal points);
qreal largerSize(qreal points);

} // namespace duplikon
