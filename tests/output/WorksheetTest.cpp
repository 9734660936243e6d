// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets: every half whole in its box at any text size, cards of one size
// twenty to a page, one shuffle per seed that the answer key names, metafiles
// as vectors and transparent pictures on white.
#include "output/Worksheet.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {

Worksheet textSheet(int pairs, qreal pointSize, bool bold)
{
    Worksheet sheet{QStringLiteral("Tiere"), {}, {}, QFont(QStringLiteral("Courier New")), 42};
    sheet.cellFont.setPointSizeF(pointSize);
    sheet.cellFont.setBold(bold);
    const QStringList words = {QStringLiteral("Hund"), QStringLiteral("Donaudampfschifffahrtsgesellschaft"),
                               QStringLiteral("Der Hund bellt laut, wenn die Katze über den Zaun in den Garten springt.")};
    for (int i = 0; i < pairs; ++i) {
        sheet.left << SheetHalf{SheetHalf::Text, words.at(i % words.size()) + QString::number(i), QString()};
        sheet.right << SheetHalf{SheetHalf::Text, QStringLiteral("Paar ") + QString::number(i), QString()};
    }
    return sheet;
}

// A page drawn on paper of one colour at 1 device pixel per 1/scale twips.
QImage render(const SheetPage &page, double scale, const QColor &paper)
{
    QImage image(qRound(kSheetWidthTwips * scale), qRound(kSheetHeightTwips * scale), QImage::Format_RGB32);
    image.fill(paper);
    QPainter p(&image);
    drawSheetPage(p, page, scale);
    return image;
}

} // namespace

class WorksheetTest : public QObject {
    Q_OBJECT
private slots:
    void noHalfIsCutAtAnyTextSize()
    {
        // a short text keeps the cells' size choice
        QCOMPARE(layoutWorksheet(WorksheetKind::Cards, textSheet(1, 14, false)).first().halves.first().pointSize, 14.0);
        // drawn at 150 dpi, the ink of the halves stays inside their boxes
        const double scale = 150.0 / 1440;
        for (const WorksheetKind kind : {WorksheetKind::Matching, WorksheetKind::Cards, WorksheetKind::AnswerKey})
            for (const qreal size : {8.0, 24.0, 96.0}) {
                SheetPage page = layoutWorksheet(kind, textSheet(10, size, size > 20)).first();
                page = SheetPage{page.halves, {}, {}, {}, {}};
                const QImage image = render(page, scale, Qt::white);
                int ink = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        if (qGray(image.pixel(x, y)) <= 160 && ++ink)
                            QVERIFY2(std::any_of(page.halves.begin(), page.halves.end(), [&](const PlacedHalf &h) {
                                         return h.pointSize <= size && h.box.adjusted(-15, -15, 15, 15).contains(QPointF(x, y) / scale);
                                     }),
                                     qPrintable(QStringLiteral("ink at %1,%2, %3 pt").arg(x).arg(y).arg(size)));
                QVERIFY(ink > 1000);
            }
    }

    void cardsAreOfOneSizeTwentyToAPage()
    {
        const QList<SheetPage> pages = layoutWorksheet(WorksheetKind::Cards, textSheet(21, 12, false));
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages.at(2).halves.size(), 2);
        QCOMPARE(pages.first().cutLines.size(), 6 * 4 + 5 * 5); // a full page: a grid, each line once
        QSet<QString> all;
        for (const SheetPage &page : pages) {
            for (const PlacedHalf &h : page.halves) {
                QCOMPARE(h.box.size(), pages.first().halves.first().box.size());
                QVERIFY(QRectF(0, 0, kSheetWidthTwips, kSheetHeightTwips).contains(h.box));
                int sides = 0; // a cut line on every side of the card
                for (const QLineF &cut : page.cutLines)
                    sides += h.box.adjusted(-151, -151, 151, 151).contains(cut.center());
                QCOMPARE(sides, 4);
                for (const PlacedHalf &other : page.halves)
                    QVERIFY(&other == &h || !other.box.intersects(h.box));
                all << h.half.text;
            }
        }
        QCOMPARE(all.size(), 42); // every half once
    }

    void theShuffleIsRepeatableAndTheAnswerKeyNamesIt()
    {
        QCOMPARE(cardOrder(10, 77), cardOrder(10, 77));
        QVERIFY(matchingOrder(10, 77).left != matchingOrder(10, 78).left);
        QVERIFY(matchingOrder(10, 77).left != matchingOrder(10, 77).right);

        // the answer key says where each pair stands on the sheet of its seed
        const Worksheet sheet = textSheet(10, 12, false);
        const SheetPage matching = layoutWorksheet(WorksheetKind::Matching, sheet).first();
        const SheetPage key = layoutWorksheet(WorksheetKind::AnswerKey, sheet).first();
        QVERIFY(matching.labels.at(1).text.endsWith(QStringLiteral(" 42")));
        QVERIFY(key.labels.at(1).text.endsWith(QStringLiteral(" 42")));
        QCOMPARE(matching.dots.size(), 20);
        for (int pair = 0; pair < 10; ++pair) {
            const QStringList where = key.labels.at(2 + pair).text.split(QStringLiteral(" – "));
            QCOMPARE(matching.halves.at(2 * (where.at(0).toInt() - 1)).half.text, sheet.left.at(pair).text);
            QCOMPARE(matching.halves.at(2 * (where.at(1).at(0).unicode() - 'A') + 1).half.text, sheet.right.at(pair).text);
        }
    }

    void aMetafileGoesOnPaperAsVectorsAPictureOnWhite()
    {
        // a metafile pair: neither a picture nor a font in the PDF (a metafile
        // that cannot be played would name its file)
        const QString wmf = QDir(qEnvironmentVariable("DUPLIKON_TEST_DATA")).filePath(QStringLiteral("metafiles/arcs.wmf"));
        QVERIFY(QFile::exists(wmf));
        Worksheet sheet = textSheet(2, 12, false);
        sheet.left[0] = sheet.right[0] = SheetHalf{SheetHalf::Metafile, QString(), wmf};
        QByteArray pdf;
        {
            QBuffer buffer(&pdf);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            QPainter p(&writer);
            SheetPage page = layoutWorksheet(WorksheetKind::AnswerKey, sheet).first();
            page.halves.remove(2, 2);
            page.labels.clear();
            drawSheetPage(p, page, writer.resolution() / 1440.0);
        }
        QVERIFY(!pdf.contains("/Subtype /Image") && !pdf.contains("/FontFile"));

        // its lines in its card; a transparent pixel comes out white on grey paper
        QTemporaryDir dir;
        QFile gif(dir.filePath(QStringLiteral("leer.gif")));
        QVERIFY(gif.open(QIODevice::WriteOnly));
        gif.write(QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x01\x00\x00\x00\x00,"
                             "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02" "D\x01\x00;", 43));
        gif.close();
        sheet.right[0] = SheetHalf{SheetHalf::Picture, QString(), gif.fileName()};
        const SheetPage page = layoutWorksheet(WorksheetKind::AnswerKey, sheet).first();
        const double scale = 100.0 / 1440;
        const QColor paper(128, 128, 128);
        const QImage image = render(page, scale, paper);
        const QRect metafile = QRectF(page.halves.at(0).box.topLeft() * scale, page.halves.at(0).box.size() * scale).toRect();
        int drawn = 0;
        for (int y = metafile.top(); y <= metafile.bottom(); ++y)
            for (int x = metafile.left(); x <= metafile.right(); ++x)
                drawn += image.pixelColor(x, y) != paper;
        QVERIFY(drawn > 50);
        QCOMPARE(image.pixelColor((page.halves.at(1).box.center() * scale).toPoint()), QColor(Qt::white));
    }
};

QTEST_MAIN(WorksheetTest)
#include "WorksheetTest.moc"
