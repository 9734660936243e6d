// SPDX-License-Identifier: GPL-3.0-or-later
// The card game of a task of twenty 12-megapixel photos (4000 × 3000, JPEG
// quality 90):
//  (a) set-up of the twenty cards against the matching board of the same
//      task, each from reading the task file to the window painted, with the
//      picture cache emptied before each (target: the cards within 5 % of the
//      board);
//  (b) a press on a face-down card until its face is painted (target: one
//      frame, 16 ms).
// Prints the median and the best time of each.
//   build/bench/CardBench [repetitions]
#include "board/Board.h"
#include "board/BoardVoice.h"
#include "board/CardBoard.h"
#include "pictures/PictureLoader.h"
#include "tasks/Task.h"

#include "BenchSupport.h"
#include "FakePlatform.h"
#include "ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace duplikon;

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int reps = argc > 1 ? qMax(1, atoi(argv[1])) : 7;
    QTemporaryDir dir;
    QByteArray lines;
    for (int i = 0; i < 20; ++i) {
        const QString name = QStringLiteral("Foto%1.jpg").arg(i);
        QFile f(dir.filePath(name));
        const QByteArray jpeg = test::encodePicture(bench::cameraPhoto(4000, 3000, quint32(i + 1)), "JPG", 90);
        if (!f.open(QIODevice::WriteOnly) || f.write(jpeg) != jpeg.size())
            return 1;
        lines += name.toLatin1() + "\r\n";
    }
    QFile task(dir.filePath(QStringLiteral("FOTOS.TXT")));
    if (!task.open(QIODevice::WriteOnly) || task.write(lines) != lines.size())
        return 1;
    task.close();
    const QString folder = dir.path() + QLatin1Char('/');
    std::printf("cores: %d\n", QThread::idealThreadCount());

    test::FakePlatform fake;
    QWidget client;
    client.resize(864, 576);
    Board board(&client, fake.platform());
    board.setProgramFolder(folder);
    CardBoard cards(&client, board.voice());
    cards.setRules({10, false, 2}, 0);
    client.show();
    if (!QTest::qWaitForWindowExposed(&client))
        return 1;

    std::vector<double> boardTimes, cardTimes, pressTimes;
    for (int r = 0; r <= reps; ++r) { // the first round warms up and is not counted
        clearPictureCache();
        cards.hide();
        QElapsedTimer t;
        t.start();
        board.AufgabeLaden(readTask(folder, QStringLiteral("FOTOS.TXT")).task);
        client.repaint();
        const double boardMs = t.nsecsElapsed() / 1e6;
        board.AufgabeLaden(Task());

        clearPictureCache();
        cards.show();
        t.restart();
        const TaskRead read = readTask(folder, QStringLiteral("FOTOS.TXT"));
        fake.random.seed(quint32(r));
        cards.deal(read.task, folder, fake.random);
        client.repaint();
        const double cardMs = t.nsecsElapsed() / 1e6;
        if (!read.ok || cards.game()->cardCount() != 20)
            return 1;

        QWidget *card = cards.cardWidget(r % 20);
        t.restart();
        QTest::mousePress(card, Qt::LeftButton);
        card->repaint();
        const double pressMs = t.nsecsElapsed() / 1e6;
        QTest::mouseRelease(card, Qt::LeftButton);
        if (cards.game()->card(r % 20).face != Card::Face::Open)
            return 1;
        if (r > 0) {
            boardTimes.push_back(boardMs);
            cardTimes.push_back(cardMs);
            pressTimes.push_back(pressMs);
        }
    }
    const auto best = [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); };
    const double b = bench::median(boardTimes), c = bench::median(cardTimes);
    std::printf("(a) set-up of twenty photos: board median %.1f ms  best %.1f ms;  cards median %.1f ms  best %.1f ms"
                "  (cards %+.1f %%, target at most +5 %%)\n",
                b, best(boardTimes), c, best(cardTimes), (c / b - 1) * 100);
    std::printf("(b) press on a card to its face painted: median %.2f ms  best %.2f ms  (target 16 ms)\n",
                bench::median(pressTimes), best(pressTimes));
    return 0;
}
