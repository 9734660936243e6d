// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"
#include "output/PageOutput.h"

#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

namespace {

bool dark(const QImage &img, int x, int y)
{
    return qGray(img.pixel(x, y)) < 100;
}

// Rows of a rectangle that hold any dark pixel.
QList<int> inkRows(const QImage &img, const QRect &r)
{
    QList<int> rows;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (dark(img, x, y)) {
                rows.append(y);
                break;
            }
        }
    }
    return rows;
}

// Runs of consecutive rows: the text lines of a cell.
QList<QPair<int, int>> bands(const QList<int> &rows)
{
    QList<QPair<int, int>> b;
    for (int y : rows) {
        if (!b.isEmpty() && b.last().second + 1 >= y)
            b.last().second = y;
        else
            b.append({y, y});
    }
    return b;
}

int rightmostInk(const QImage &img, const QRect &r)
{
    int right = -1;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (dark(img, x, y))
                right = qMax(right, x);
    return right;
}

QRect scaled(const QRect &twips, double s)
{
    const int l = qRound(twips.left() * s), t = qRound(twips.top() * s);
    return QRect(l, t, qRound((twips.left() + twips.width()) * s) - l, qRound((twips.top() + twips.height()) * s) - t);
}

QFont cellFont(int size, bool bold)
{
    QFont f(QStringLiteral("Courier New"));
    f.setPointSize(size);
    f.setBold(bold);
    return f;
}

} // namespace

class PageOutputTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void clipboardPageIsTheWholePageAtItsPhysicalSize();
    void emptyBoardGivesTwentyEmptyFramesAtTheirPixels();
    void pictureIsStretchedIntoItsArea();
    void textLinesOfACellStartAtItsOriginOneLineHeightApart();
    void matchedHalvesLeaveOnlyTheRemainingOnesInTheirFrames();
    void soundCellShowsTheLoudspeakerOverItsName();
    void clipboardGetsThePageAndTheMessage();
    void printedPageHasThickFramesAndTheClosingMessage();
    void printerFailureIsReportedAndNotTheClosingMessage();

private:
    QTemporaryDir m_dir;
    QString m_picture;   // 20 x 60, left half red, right half blue
};

void PageOutputTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QImage img(20, 60, QImage::Format_RGB32);
    img.fill(Qt::red);
    for (int y = 0; y < 60; ++y)
        for (int x = 10; x < 20; ++x)
            img.setPixel(x, y, qRgb(0, 0, 255));
    m_picture = m_dir.filePath(QStringLiteral("Streifen.bmp"));
    QVERIFY(img.save(m_picture, "BMP"));
}

void PageOutputTest::clipboardPageIsTheWholePageAtItsPhysicalSize()
{
    const QImage img = pageImage(BoardPage{});
    QCOMPARE(img.size(), QSize(2400, 2320));
    // 12000 twips are 8.33 inches
    QCOMPARE(qRound(img.width() / (img.dotsPerMeterX() * 0.0254) * 1440), 12000);
    QCOMPARE(qRound(img.height() / (img.dotsPerMeterY() * 0.0254) * 1440), 11600);
    QCOMPARE(img.pixel(0, 0), qRgb(255, 255, 255));
}

void PageOutputTest::emptyBoardGivesTwentyEmptyFramesAtTheirPixels()
{
    const QImage img = pageImage(BoardPage{});
    const double s = 1.0 / kClipboardTwipsPerPixel;
    int frames = 0;
    for (int cell = 1; cell <= 20; ++cell) {
        const QRect f = scaled(pageFrameTwips(cell), s);
        const int midX = f.center().x(), midY = f.center().y();
        // the four sides are drawn at the frame's pixels, a few pixels wide
        const bool sides = dark(img, f.left(), midY) && dark(img, f.right() + 1, midY) && dark(img, midX, f.top())
            && dark(img, midX, f.bottom() + 1);
        // and nothing else inside
        const QRect inside = f.adjusted(kClipboardFrameLineWidth + 1, kClipboardFrameLineWidth + 1,
                                        -kClipboardFrameLineWidth, -kClipboardFrameLineWidth);
        QVERIFY2(inkRows(img, inside).isEmpty(), qPrintable(QStringLiteral("cell %1 is not empty").arg(cell)));
        if (sides)
            ++frames;
    }
    QCOMPARE(frames, 20);
    // frame 1 at 700, 900 twips: its left line covers pixel 140, nothing left of it
    QVERIFY(dark(img, 140, 300) && !dark(img, 140 - kClipboardFrameLineWidth, 300));
    // outside the grid the page is white
    QVERIFY(inkRows(img, QRect(0, 0, 2400, 170)).isEmpty());
    QVERIFY(inkRows(img, QRect(0, 2185, 2400, 135)).isEmpty());
    QVERIFY(inkRows(img, QRect(0, 0, 130, 2320)).isEmpty());
    QVERIFY(inkRows(img, QRect(2225, 0, 175, 2320)).isEmpty());
}

void PageOutputTest::pictureIsStretchedIntoItsArea()
{
    BoardPage page;
    page.cells[6].kind = PageCell::Picture;   // cell 7: column 2, row 1
    page.cells[6].picturePath = m_picture;
    const QImage img = pageImage(page);
    const QRect area = scaled(QRect(pageContentOriginTwips(7), QSize(2400, 1800)), 1.0 / kClipboardTwipsPerPixel);
    QCOMPARE(area, QRect(1200, 600, 480, 360));
    // the tall picture fills the whole wide area: red left half, blue right half
    for (int y : {area.top(), area.center().y(), area.bottom()}) {
        QCOMPARE(QColor(img.pixel(area.left() + 2, y)), QColor(Qt::red));
        QCOMPARE(QColor(img.pixel(area.center().x() - 40, y)), QColor(Qt::red));
        QCOMPARE(QColor(img.pixel(area.center().x() + 40, y)), QColor(Qt::blue));
        QCOMPARE(QColor(img.pixel(area.right() - 2, y)), QColor(Qt::blue));
        // the margin between the area and the frame stays white
        QCOMPARE(img.pixel(area.right() + 5, y), qRgb(255, 255, 255));
    }
    QCOMPARE(img.pixel(area.center().x(), area.bottom() + 5), qRgb(255, 255, 255));
    QCOMPARE(img.pixel(area.center().x(), area.top() - 5), qRgb(255, 255, 255));

    // a picture that cannot be read leaves the frame empty
    page.cells[6].picturePath = m_dir.filePath(QStringLiteral("fehlt.bmp"));
    QVERIFY(inkRows(pageImage(page), area).isEmpty());
}

void PageOutputTest::textLinesOfACellStartAtItsOriginOneLineHeightApart()
{
    BoardPage page;
    page.textFont = cellFont(12, false);
    page.cells[0].kind = PageCell::Text;
    page.cells[0].text = QStringLiteral("Der Hund bellt laut");
    const QImage img = pageImage(page);
    const double s = 1.0 / kClipboardTwipsPerPixel;
    const QPoint origin = scaled(QRect(pageContentOriginTwips(1), QSize(1, 1)), s).topLeft();
    const QRect inside = scaled(pageFrameTwips(1), s).adjusted(kClipboardFrameLineWidth + 1, kClipboardFrameLineWidth + 1,
                                                                -kClipboardFrameLineWidth, -kClipboardFrameLineWidth);
    const QList<QPair<int, int>> lines = bands(inkRows(img, inside));
    QCOMPARE(lines.size(), 2);
    // 12 pt at 288 dpi is 48 pixels; the lines start at the origin, a line height apart
    QFont pageFont(QStringLiteral("Courier New"));
    pageFont.setPixelSize(48);
    const QFontMetricsF fm(pageFont);
    QVERIFY(lines[0].first >= origin.y() && lines[0].first < origin.y() + 20);
    QVERIFY(qAbs((lines[1].first - lines[0].first) - fm.height()) < 6);
    // no ink left of the content origin
    QVERIFY(inkRows(img, QRect(inside.left(), inside.top(), origin.x() - inside.left(), inside.height())).isEmpty());
    // first line "Der Hund bellt " is 14 visible characters, the second "laut" four
    const qreal advance = fm.horizontalAdvance(QLatin1Char('x'));
    const int right1 = rightmostInk(img, QRect(inside.left(), lines[0].first, inside.width(), lines[0].second - lines[0].first + 1));
    const int right2 = rightmostInk(img, QRect(inside.left(), lines[1].first, inside.width(), lines[1].second - lines[1].first + 1));
    QVERIFY2(qAbs((right1 - origin.x()) / advance - 14) < 0.6, qPrintable(QString::number((right1 - origin.x()) / advance)));
    QVERIFY2(qAbs((right2 - origin.x()) / advance - 4) < 0.6, qPrintable(QString::number((right2 - origin.x()) / advance)));
}

void PageOutputTest::matchedHalvesLeaveOnlyTheRemainingOnesInTheirFrames()
{
    // six pairs laid out, two of them matched: 8 halves remain, 12 frames empty
    BoardPage page;
    page.textFont = cellFont(14, true);
    const QList<int> textCells{2, 9, 13, 20};
    const QList<int> pictureCells{5, 11, 16, 17};
    for (int c : textCells) {
        page.cells[size_t(c - 1)].kind = PageCell::Text;
        page.cells[size_t(c - 1)].text = QStringLiteral("Igel");
    }
    for (int c : pictureCells) {
        page.cells[size_t(c - 1)].kind = PageCell::Picture;
        page.cells[size_t(c - 1)].picturePath = m_picture;
    }
    const QImage img = pageImage(page);
    const double s = 1.0 / kClipboardTwipsPerPixel;
    for (int cell = 1; cell <= 20; ++cell) {
        const QRect inside = scaled(pageFrameTwips(cell), s).adjusted(kClipboardFrameLineWidth + 1, kClipboardFrameLineWidth + 1,
                                                                       -kClipboardFrameLineWidth, -kClipboardFrameLineWidth);
        const int rows = inkRows(img, inside).size();
        if (textCells.contains(cell))
            QVERIFY2(rows > 10 && rows < 80, qPrintable(QStringLiteral("cell %1").arg(cell)));
        else if (pictureCells.contains(cell))
            QCOMPARE(QColor(img.pixel(inside.center() - QPoint(inside.width() / 4, 0))), QColor(Qt::red));
        else
            QVERIFY2(rows == 0, qPrintable(QStringLiteral("cell %1 should be empty").arg(cell)));
    }
}

void PageOutputTest::soundCellShowsTheLoudspeakerOverItsName()
{
    BoardPage page;
    page.textFont = cellFont(12, false);
    page.cells[2].kind = PageCell::Sound;
    page.cells[2].text = QStringLiteral("Hund.wav");
    const QImage img = pageImage(page);
    const QRect area = scaled(QRect(pageContentOriginTwips(3), QSize(2400, 1800)), 1.0 / kClipboardTwipsPerPixel);
    // Two bands of ink: the tall loudspeaker, and one line of text at the area's bottom.
    const QList<QPair<int, int>> ink = bands(inkRows(img, area));
    QCOMPARE(ink.size(), 2);
    QVERIFY(ink[0].second - ink[0].first > area.height() / 3);
    QVERIFY(ink[1].second > area.bottom() - 60 && ink[1].second - ink[1].first < 60);
    page.cells[2].soundMissing = true;
    QVERIFY(pageImage(page) != img);
}

void PageOutputTest::clipboardGetsThePageAndTheMessage()
{
    FakePlatform fake;
    Platform platform = fake.platform();
    fake.clipboard.text = QStringLiteral("alter Text");
    BoardPage page;
    page.textFont = cellFont(12, false);
    page.cells[3].kind = PageCell::Text;
    page.cells[3].text = QStringLiteral("Maus");
    SeiteInAblage(page, platform);
    QCOMPARE(fake.clipboard.clears, 1);
    QVERIFY(fake.clipboard.text.isEmpty());
    QCOMPARE(fake.clipboard.image, pageImage(page));
    QCOMPARE(fake.dialogs.shown.size(), 1);
    const ShownDialog &d = fake.dialogs.shown.first();
    QCOMPARE(d.kind, ShownDialog::Message);
    QCOMPARE(d.title, QStringLiteral("Zwischenablage"));
    QCOMPARE(d.text, QStringLiteral("Die Seite wurde in die Ablage kopiert ...\r\r"));
    QCOMPARE(d.icon, MsgIcon::None);
}

void PageOutputTest::printedPageHasThickFramesAndTheClosingMessage()
{
    FakePlatform fake;
    Platform platform = fake.platform();
    BoardPage page;
    page.textFont = cellFont(12, false);
    page.cells[0].kind = PageCell::Text;
    page.cells[0].text = QStringLiteral("Der Hund bellt laut");
    page.cells[19].kind = PageCell::Picture;
    page.cells[19].picturePath = m_picture;
    QVERIFY(SeiteDrucken(page, platform));
    QCOMPARE(fake.printer.pages.size(), 1);
    const QImage img = fake.printer.pages.first();
    const double s = fake.printer.dpi / 1440.0;

    // every frame line is 20 printer pixels wide
    for (int cell = 1; cell <= 20; ++cell) {
        const QRect f = scaled(pageFrameTwips(cell), s);
        int run = 0;
        for (int x = f.left() - 15; x < f.left() + 15; ++x)
            run += dark(img, x, f.center().y()) ? 1 : 0;
        QCOMPARE(run, kPrinterFrameLineWidth);
    }
    // the text wraps the same way at printer resolution: two lines in cell 1
    const QRect inside1 = scaled(pageFrameTwips(1), s).adjusted(11, 11, -10, -10);
    QCOMPARE(bands(inkRows(img, inside1)).size(), 2);
    // the picture fills its area of cell 20
    const QRect area = scaled(QRect(pageContentOriginTwips(20), QSize(2400, 1800)), s);
    QCOMPARE(QColor(img.pixel(area.topLeft() + QPoint(2, 2))), QColor(Qt::red));
    QCOMPARE(QColor(img.pixel(area.bottomRight() - QPoint(2, 2))), QColor(Qt::blue));

    QCOMPARE(fake.dialogs.shown.size(), 1);
    QCOMPARE(fake.dialogs.shown.first().title, QStringLiteral("Drucken"));
    QCOMPARE(fake.dialogs.shown.first().text, QStringLiteral("Die aktuelle Seite wird gedruckt ...  \r\r"));
    QCOMPARE(fake.dialogs.shown.first().icon, MsgIcon::None);
}

void PageOutputTest::printerFailureIsReportedAndNotTheClosingMessage()
{
    FakePlatform fake;
    Platform platform = fake.platform();
    fake.printer.fail = true;
    fake.printer.failure = QStringLiteral("Es ist kein Drucker eingerichtet.");
    QVERIFY(!SeiteDrucken(BoardPage{}, platform));
    QVERIFY(fake.printer.pages.isEmpty());
    QCOMPARE(fake.dialogs.shown.size(), 1);
    const ShownDialog &d = fake.dialogs.shown.first();
    QCOMPARE(d.title, QStringLiteral("Drucken"));
    QVERIFY(d.text.contains(QStringLiteral("nicht gedruckt")));
    QVERIFY(d.text.contains(QStringLiteral("Es ist kein Drucker eingerichtet.")));
    QVERIFY(!d.text.contains(QStringLiteral("wird gedruckt")));
}

QTEST_MAIN(PageOutputTest)
#include "PageOutputTest.moc"
