// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "lesson/CardBoxOffer.h"
#include "tasks/Task.h"

#include <QCoreApplication>
#include <QObject>

namespace duplikon {

class ClassroomConfig;
class LessonState;

// The child's card box in play: with Kartei on (it needs the results) and a
// child's name set, the task-choice panel offers the child's due cards, and
// they become a board of their own, "Meine Kartei": up to ten pairs of
// several task files, each pair as its file has it. A card whose task file
// changed since, or whose picture or sound is missing, is not offered.
class CardBoxPlay : public QObject, public CardBoxOffer {
    Q_OBJECT
public:
    CardBoxPlay(const QString &programFolder, const ClassroomConfig *config, const LessonState *lesson,
                QObject *parent);

    bool offered() const override;
    int dueCards() override;
    // The board of the cards due now; a task without a name when none is.
    Task board();

private:
    // The due cards that can be played, as a task of their pairs.
    Task offer();

    QString m_programFolder;
    const ClassroomConfig *m_config;
    const LessonState *m_lesson;
};

} // namespace duplikon
