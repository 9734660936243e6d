// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets: every half whole in its box at any text size, cards of one size
// twenty to a page, and one shuffle per seed that the answer key names.
#include "output/Worksheet.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {

SheetHalf text(const QString &t)
{
    return SheetHalf{SheetHalf::Text, t, QString()};
}

Worksheet textSheet(int pairs, qreal pointSize, bool bold)
{
    Worksheet sheet;
    sheet.title = QStringLiteral("Tiere");
    sheet.cellFont = QFont(QStringLiteral("Courier New"));
    sheet.cellFont.setPointSizeF(pointSize);
    sheet.cellFont.setBold(bold);
    sheet.seed = 42;
    const QStringList words = {QStringLiteral("Hund"), QStringLiteral("Donaudampfschifffahrtsgesellschaft"),
                               QStringLiteral("Der Hund bellt laut, wenn die Katze über den Zaun in den Garten springt.")};
    for (int i = 0; i < pairs; ++i) {
        sheet.left << text(words.at(i % words.size()) + QString::number(i));
        sheet.right << text(QStringLiteral("Paar ") + QString::number(i));
    }
    return sheet;
}

} // namespace

class WorksheetTest : public QObject {
    Q_OBJECT
private slots:
    void noHalfIsCutAtAnyTextSize()
    {
        for (const WorksheetKind kind : {WorksheetKind::Matching, WorksheetKind::Cards, WorksheetKind::AnswerKey}) {
            for (const qreal size : {8.0, 12.0, 18.0, 24.0, 48.0, 96.0}) {
                for (const bool bold : {false, true}) {
                    const Worksheet sheet = textSheet(10, size, bold);
                    const QList<SheetPage> pages = layoutWorksheet(kind, sheet);
                    for (const PlacedHalf &h : pages.first().halves) {
                        const QRectF need = QFontMetricsF(h.font).boundingRect(h.box, kSheetTextFlags, h.half.text);
                        QVERIFY2(h.box.contains(need), qPrintable(h.half.text + QString::number(size)));
                        QVERIFY(h.pointSize <= size);
                    }
                }
            }
        }
        // A short text keeps the cells' size choice.
        const QList<SheetPage> pages = layoutWorksheet(WorksheetKind::Cards, textSheet(1, 14, false));
        QCOMPARE(pages.first().halves.first().pointSize, 14.0);

        // Drawn at 150 dpi, the ink of the halves stays inside their boxes.
        SheetPage page = layoutWorksheet(WorksheetKind::Cards, textSheet(10, 40, true)).first();
        page.cutLines.clear();
        const double scale = 150.0 / 1440;
        QImage image(qRound(kSheetWidthTwips * scale), qRound(kSheetHeightTwips * scale), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        drawSheetPage(p, page, scale);
        p.end();
        int inside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) > 160)
                    continue;
                bool inBox = false;
                for (const PlacedHalf &h : page.halves)
                    inBox = inBox || h.box.adjusted(-15, -15, 15, 15).contains(QPointF(x, y) / scale);
                QVERIFY2(inBox, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
                ++inside;
            }
        }
        QVERIFY(inside > 1000);
    }

    void cardsAreOfOneSizeTwentyToAPage()
    {
        const QList<SheetPage> pages = layoutWorksheet(WorksheetKind::Cards, textSheet(21, 12, false));
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages.at(0).halves.size(), 20);
        QCOMPARE(pages.at(1).halves.size(), 20);
        QCOMPARE(pages.at(2).halves.size(), 2);
        QStringList all;
        const QSizeF size = pages.first().halves.first().box.size();
        for (const SheetPage &page : pages) {
            for (const PlacedHalf &h : page.halves) {
                QCOMPARE(h.box.size(), size);
                // a cut line on every side of the card, each drawn once
                int sides = 0;
                for (const QLineF &cut : page.cutLines)
                    sides += QRectF(h.box).adjusted(-151, -151, 151, 151).contains(cut.center());
                QCOMPARE(sides, 4);
                QVERIFY(QRectF(0, 0, kSheetWidthTwips, kSheetHeightTwips).contains(h.box));
                all << h.half.text;
            }
        }
        // every half once, no card on top of another
        QCOMPARE(pages.first().cutLines.size(), 6 * 4 + 5 * 5); // a full page: a grid
        QCOMPARE(all.size(), 42);
        QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), 42);
        const QList<PlacedHalf> &first = pages.first().halves;
        for (int i = 0; i < first.size(); ++i)
            for (int j = i + 1; j < first.size(); ++j)
                QVERIFY(!first.at(i).box.intersects(first.at(j).box));
    }

    void theShuffleIsRepeatableAndTheAnswerKeyNamesIt()
    {
        QCOMPARE(matchingOrder(10, 77).left, matchingOrder(10, 77).left);
        QCOMPARE(cardOrder(10, 77), cardOrder(10, 77));
        QList<int> sorted = matchingOrder(10, 77).right;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        QVERIFY(matchingOrder(10, 77).left != matchingOrder(10, 78).left);
        QVERIFY(matchingOrder(10, 77).left != matchingOrder(10, 77).right);

        // The answer key says where each pair stands on the sheet of its seed.
        const Worksheet sheet = textSheet(10, 12, false);
        const SheetPage matching = layoutWorksheet(WorksheetKind::Matching, sheet).first();
        const SheetPage key = layoutWorksheet(WorksheetKind::AnswerKey, sheet).first();
        QCOMPARE(layoutWorksheet(WorksheetKind::Matching, sheet).first().halves.at(4).half.text,
                 matching.halves.at(4).half.text);
        QVERIFY(matching.labels.at(1).text.contains(QStringLiteral("42")));
        QVERIFY(key.labels.at(1).text.contains(QStringLiteral("42")));
        for (int pair = 0; pair < 10; ++pair) {
            const QStringList where = key.labels.at(1 + 1 + pair).text.split(QStringLiteral(" – "));
            const int row = where.at(0).toInt() - 1;
            const int letter = where.at(1).at(0).unicode() - 'A';
            QCOMPARE(matching.halves.at(2 * row).half.text, sheet.left.at(pair).text);
            QCOMPARE(matching.halves.at(2 * letter + 1).half.text, sheet.right.at(pair).text);
        }
        QCOMPARE(matching.dots.size(), 20);
    }

    void aMetafileGoesOnPaperAsVectorsAPictureOnWhite()
    {
        QTemporaryDir dir;
        // one transparent pixel: a GIF of two colours whose first is transparent
        const QString gif = dir.filePath(QStringLiteral("leer.gif"));
        QFile file(gif);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff"
                              "!\xf9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00"
                              "\x02\x02" "D\x01\x00;", 43));
        file.close();
        // a metafile pair: neither a picture nor a font in the PDF (a metafile
        // that cannot be played would name its file)
        const QString wmf = QDir(qEnvironmentVariable("DUPLIKON_TEST_DATA")).filePath(QStringLiteral("metafiles/arcs.wmf"));
        QVERIFY(QFile::exists(wmf));
        Worksheet sheet = textSheet(1, 12, false);
        sheet.left[0] = sheet.right[0] = SheetHalf{SheetHalf::Metafile, QString(), wmf};
        SheetPage page = layoutWorksheet(WorksheetKind::Cards, sheet).first();
        QByteArray pdf;
        {
            QBuffer buffer(&pdf);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            QPainter p(&writer);
            drawSheetPage(p, page, writer.resolution() / 1440.0);
        }
        QVERIFY(!pdf.contains("/FontFile"));
        QVERIFY(pdf.size() > 1000);
        QVERIFY(!pdf.contains("/Subtype /Image"));

        // its lines in its card; a transparent picture comes out white on any paper
        sheet = textSheet(2, 12, false);
        sheet.left[0] = SheetHalf{SheetHalf::Metafile, QString(), wmf};
        sheet.left[1] = SheetHalf{SheetHalf::Picture, QString(), gif};
        page = layoutWorksheet(WorksheetKind::Cards, sheet).first();
        const double scale = 100.0 / 1440;
        const QColor paper(128, 128, 128);
        QImage image(qRound(kSheetWidthTwips * scale), qRound(kSheetHeightTwips * scale), QImage::Format_RGB32);
        image.fill(paper);
        QPainter p(&image);
        drawSheetPage(p, page, scale);
        p.end();
        for (const PlacedHalf &h : page.halves) {
            const QRect box = QRectF(h.box.topLeft() * scale, h.box.size() * scale).toAlignedRect();
            int drawn = 0;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    drawn += image.pixelColor(x, y) != paper;
            if (h.half.kind == SheetHalf::Metafile)
                QVERIFY(drawn > 50);
            if (h.half.kind == SheetHalf::Picture)
                QCOMPARE(image.pixelColor(box.center()), QColor(Qt::white));
        }
    }
};

QTEST_MAIN(WorksheetTest)
#include "WorksheetTest.moc"
