// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ColourCycle.h"

#include <cmath>

namespace duplikon {

const QVector<ColourValue> &Farbfolge()
{
    static const QVector<ColourValue> cycle = {
        kSystemWindow, 0xE0E0E0, 0xFFFFC0, 0xFFC0C0, 0xFFC0FF,
        0xC0C0FF, 0xC0E0FF, 0xC0FFFF, 0xC0FFC0,
    };
    return cycle;
}

ColourValue nextColour(ColourValue value)
{
    const QVector<ColourValue> &cycle = Farbfolge();
    const int i = cycle.indexOf(value);
    if (i < 0)
        return cycle.first();
    return cycle.at((i + 1) % cycle.size());
}

QString colourText(ColourValue value)
{
    return QString::number(qint32(value));
}

ColourValue colourFromText(const QString &text)
{
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return 0;
    const double r = std::nearbyint(d);
    if (r < -2147483648.0 || r > 2147483647.0)
        return 0;
    return ColourValue(qint32(r));
}

QVector<ColourValue> singleColourList(ColourValue question)
{
    return QVector<ColourValue>(20, question);
}

QVector<ColourValue> twoColourList(const QStringList &keyStrings, ColourValue question, ColourValue answer)
{
    // An entry whose key is no pair letter stays black.
    QVector<ColourValue> list(keyStrings.size(), 0);
    for (QChar letter : QStringLiteral("ABCDEFGHIJ")) {
        bool flag = false;
        for (int i = 0; i < keyStrings.size(); ++i) {
            if (!keyStrings.at(i).startsWith(letter))
                continue;
            list[i] = flag ? answer : question;
            flag = !flag;
        }
    }
    return list;
}

qreal smallerSize(qreal points)
{
    const qreal s = points - 2;
    return s < 10 ? 10 : s;
}

qreal largerSize(qreal points)
{
    const qreal s = points + 2;
    return s > 24 ? 24 : s;
}

} // namespace duplikon
