// SPDX-License-Identifier: GPL-3.0-or-later
// The page of a printed task list: 18 point while the lines fit, smaller type
// when they would run off the page.
#include "output/ListPrintLayout.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace duplikon;

class ListPrintLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void fewLinesStandAtEighteenPointFromTheTop()
    {
        // an A4 page at 300 dpi: 300 / 1440 device pixels per twip, 18 pt = 75 px
        QImage page(2480, 3508, QImage::Format_RGB32);
        const ListPageLayout layout = listPageLayout(6, &page, 300.0 / 1440);
        QCOMPARE(layout.font.family(), QStringLiteral("Verdana"));
        QCOMPARE(layout.font.pixelSize(), 75);
        const QFontMetrics fm(layout.font, &page);
        QCOMPARE(layout.baselines.size(), 6);
        QCOMPARE(layout.baselines.first(), fm.ascent());
        QCOMPARE(layout.baselines.at(5) - layout.baselines.at(4), fm.lineSpacing());
        QCOMPARE(listPageLayout(0, &page, 300.0 / 1440).baselines.size(), 0);
    }

    void everyCountOfLinesFitsOnePage()
    {
        QImage page(2480, 3508, QImage::Format_RGB32);
        int previous = 75;
        for (int lines : {40, 41, 60, 80, 200, 1000}) {
            const ListPageLayout layout = listPageLayout(lines, &page, 300.0 / 1440);
            const QFontMetrics fm(layout.font, &page);
            QVERIFY2(layout.baselines.last() + fm.descent() <= page.height(), qPrintable(QString::number(lines)));
            QVERIFY(layout.font.pixelSize() <= previous);
            previous = layout.font.pixelSize();
        }
        QVERIFY(previous < 75);
    }

    void drawingPutsInkOnlyWhereTheLinesAre()
    {
        QImage page(1240, 1754, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter p(&page);
        drawListPage(p, {QStringLiteral("Hund"), QStringLiteral("HUND.BMP")}, 150.0 / 1440);
        p.end();
        auto inkInRows = [&](int from, int to) {
            for (int y = from; y < to; ++y)
                for (int x = 0; x < page.width(); ++x)
                    if (qGray(page.pixel(x, y)) < 128)
                        return true;
            return false;
        };
        QVERIFY(inkInRows(0, 100));
        QVERIFY(!inkInRows(100, page.height()));
    }
};

QTEST_MAIN(ListPrintLayoutTest)
#include "ListPrintLayoutTest.moc"
