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

QStringList singleColourList(ColourValue question)
{
    QStringList list;
    for (int i = 0; i < 20; ++i)
        list << colourText(question);
    return list;
}

QStringList twoColourList(const QStringList &keyStrings, ColourValue question, ColourValue answer)
{
    QStringList list;
    for (const QString &k : keyStrings)
        list << k.left(1);
    QVector<bool> replaced(list.size(), false);
    for (QChar letter : QStringLiteral("ABCDEFGHIJ")) {
        bool flag = false;
        for (int i = 0; i < list.size(); ++i) {
            if (replaced[i] || list[i].isEmpty() || list[i].at(0) != letter)
                continue;
            list[i] = colourText(flag ? answer : question);
            replaced[i] = true;
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
