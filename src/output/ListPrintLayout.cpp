// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/ListPrintLayout.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

namespace duplikon {

ListPageLayout listPageLayout(int lineCount, const QPaintDevice *device, double devicePerTwip)
{
    ListPageLayout layout;
    layout.font = QFont(QStringLiteral("Verdana"));
    int size = qMax(1, qRound(18 * 20 * devicePerTwip));
    layout.font.setPixelSize(size);
    QFontMetrics fm(layout.font, device);
    const int pageHeight = device ? device->height() : 0;
    if (pageHeight > 0 && lineCount > 0 && fm.lineSpacing() * lineCount > pageHeight) {
        size = qMax(1, size * pageHeight / (fm.lineSpacing() * lineCount));
        layout.font.setPixelSize(size);
        fm = QFontMetrics(layout.font, device);
        // Line spacing does not shrink in proportion: step down until it fits.
        while (size > 1 && fm.lineSpacing() * lineCount > pageHeight) {
            layout.font.setPixelSize(--size);
            fm = QFontMetrics(layout.font, device);
        }
    }
    for (int i = 0; i < lineCount; ++i)
        layout.baselines << i * fm.lineSpacing() + fm.ascent();
    return layout;
}

void drawListPage(QPainter &painter, const QStringList &lines, double devicePerTwip)
{
    const ListPageLayout layout = listPageLayout(int(lines.size()), painter.device(), devicePerTwip);
    painter.setFont(layout.font);
    painter.setPen(Qt::black);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(0, layout.baselines.at(i), lines.at(i));
}

} // namespace duplikon
