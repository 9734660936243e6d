// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CardBoxPlay.h"

#include "lesson/LessonState.h"
#include "platform/ClassroomConfig.h"
#include "platform/RegularFile.h"
#include "results/CardBox.h"
#include "results/ResultsFolders.h"
#include "results/ResultsRecorder.h"

#include <QDate>
#include <QHash>

#include <limits>

namespace duplikon {

namespace {

// A task file as it is now: its fingerprint and its pairs as written.
struct TaskNow {
    QString fingerprint; // empty: it cannot be read
    QVector<HalfPair> pairs;
};

TaskNow taskNow(const QString &folder, const QString &name)
{
    const TaskRead read = readTask(folder, name);
    if (!read.ok)
        return {};
    TaskNow now{taskFingerprint(read.task.bytes), {}};
    const QStringList used = read.task.usedLines();
    for (int i = 0; i + 1 < used.size(); i += 2)
        now.pairs.append({used.at(i), used.at(i + 1)});
    return now;
}

} // namespace

CardBoxPlay::CardBoxPlay(const QString &programFolder, const ClassroomConfig *config, const LessonState *lesson,
                         QObject *parent)
    : QObject(parent), m_programFolder(programFolder), m_config(config), m_lesson(lesson)
{
}

bool CardBoxPlay::offered() const
{
    return m_config->cardBoxOn() && m_lesson->hasUserName();
}

int CardBoxPlay::dueCards()
{
    return int(offer().sources.size());
}

Task CardBoxPlay::board()
{
    return offered() ? offer() : Task();
}

Task CardBoxPlay::offer()
{
    const ResultsFolders folders(m_programFolder);
    const QVector<BoxCard> cards = readCardBox(folders.roots(), m_lesson->userName(), folders.cacheFile());
    QHash<QString, TaskNow> tasks;
    QHash<std::pair<QString, QString>, HalfPair> asWritten; // a card's key -> its pair as its file has it
    const auto playable = [&](const BoxCard &card) {
        auto it = tasks.find(card.task);
        if (it == tasks.end())
            it = tasks.insert(card.task, taskNow(m_programFolder, card.task));
        // A task file changed since keeps its cards' history, but they are not played.
        if (it->fingerprint.isEmpty() || it->fingerprint != card.fingerprint)
            return false;
        for (const HalfPair &pair : std::as_const(it->pairs)) {
            const bool same = (pair.first == card.half1 && pair.second == card.half2)
                || (pair.first == card.half2 && pair.second == card.half1);
            if (!same)
                continue;
            for (const QString &text : {pair.first, pair.second}) {
                const Half half = Half::of(text);
                if (!half.isText()
                    && !isReadableRegularFile(half.file(m_programFolder), std::numeric_limits<qint64>::max()))
                    return false;
            }
            asWritten.insert({card.fingerprint, card.half1 + QChar(0) + card.half2}, pair);
            return true;
        }
        return false;
    };
    Task task;
    const QVector<BoxCard> offered = cardOffer(cards, QDate::currentDate(), playable);
    if (offered.isEmpty())
        return task;
    // A name in the results and in the file names: the same in every language.
    task.name = QStringLiteral("Meine Kartei");
    for (const BoxCard &card : offered) {
        const HalfPair pair = asWritten.value({card.fingerprint, card.half1 + QChar(0) + card.half2});
        task.lines << pair.first << pair.second;
        task.sources.append({card.task, card.fingerprint});
    }
    return task;
}

} // namespace duplikon
