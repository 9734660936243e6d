// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Fonts.h"

#include <QFont>
#include <QFontDatabase>

namespace duplikon {

QString cellFontFamily() { return QStringLiteral("Courier New"); }

QFont designFont(qreal points, bool bold, const QString &family)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void installFontSubstitutes()
{
    const QStringList families = QFontDatabase::families();
    const auto substitute = [&](const QString &asked, const QStringList &twins) {
        if (families.contains(asked, Qt::CaseInsensitive))
            return;
        for (const QString &t : twins) {
            if (families.contains(t, Qt::CaseInsensitive)) {
                QFont::insertSubstitution(asked, t);
                return;
            }
        }
    };
    substitute(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    substitute(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    substitute(cellFontFamily(), {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")});
    substitute(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
}

} // namespace duplikon
