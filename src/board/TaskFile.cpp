// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/TaskFile.h"

#include "platform/Services.h"

#include <cmath>

namespace duplikon {

bool isPictureName(const QString &half)
{
    static const QString endings = QStringLiteral(".BMP.GIF.JPG.WMF");
    const QString e = half.right(4).toUpper();
    return endings.contains(e);
}

QString halfFileName(const QString &half)
{
    const int slash = qMax(half.lastIndexOf(QLatin1Char('\\')), half.lastIndexOf(QLatin1Char('/')));
    return half.mid(slash + 1);
}

QString spokenPictureName(const QString &half)
{
    const QString file = halfFileName(half);
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? file.left(dot) : file;
}

QStringList usedLines(const QStringList &lines)
{
    QStringList used;
    for (const QString &l : lines) {
        if (l.isEmpty())
            continue;
        if (used.size() >= kMaxUsedLines)
            break;
        used << l;
    }
    return used;
}

QChar pairKey(int i)
{
    static const QString alphabet = QStringLiteral("AABBCCDDEEFFGGHHIIJJKKLLMMNNOOPPQQRRSSTTUUVVWWXXYYZZ");
    return alphabet.at(i % alphabet.size());
}

QString keyString(int i, const QString &half)
{
    return QString(pairKey(i)) + QLatin1Char('_') + half;
}

Shuffled shuffleHalves(const QStringList &used, Random &random)
{
    Shuffled s;
    for (int i = 0; i < used.size(); ++i) {
        const int c = s.halves.size();
        const double u = random.next();
        int r = int(std::floor(c * u));
        if (r < 0)
            r = 0;
        if (r > c - 1)
            r = qMax(0, c - 1); // a generator value of 1.0 must not append
        s.halves.insert(r, used.at(i));
        s.keys.insert(r, keyString(i, used.at(i)));
    }
    return s;
}

} // namespace duplikon
