// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageSwitch.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <QTabBar>

#include <algorithm>

namespace duplikon::test {

QString MarkingTranslator::translate(const char *, const char *source, const char *, int) const
{
    return QStringLiteral("<<") + QString::fromUtf8(source) + QStringLiteral(">>");
}

QStringList shownTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (const QAction *action : window->findChildren<QAction *>())
        texts << action->text();
    if (const auto *status = window->findChild<QStatusBar *>())
        texts << status->currentMessage();
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        texts << w->toolTip() << w->accessibleDescription();
        if (const auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        else if (const auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (const auto *box = qobject_cast<QGroupBox *>(w))
            texts << box->title();
        else if (const auto *tabs = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        else if (const auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
    }
    texts.removeIf([](const QString &t) {
        return std::none_of(t.cbegin(), t.cend(), [](QChar c) { return c.isLetter(); });
    });
    return texts;
}

void switchLanguage(QTranslator *translator, bool install)
{
    if (install)
        QCoreApplication::installTranslator(translator);
    else
        QCoreApplication::removeTranslator(translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

QStringList textsNotFollowingLanguage(QWidget *window)
{
    const QStringList german = shownTexts(window);
    MarkingTranslator marking;
    switchLanguage(&marking, true);
    const QStringList marked = shownTexts(window);
    switchLanguage(&marking, false);
    QStringList faults;
    for (qsizetype i = 0; i < german.size(); ++i)
        if (!marked.value(i).contains(QStringLiteral("<<")) || marked.value(i) == german.at(i))
            faults << german.at(i);
    const QStringList back = shownTexts(window);
    for (qsizetype i = 0; i < qMax(german.size(), back.size()); ++i)
        if (back.value(i) != german.value(i))
            faults << QStringLiteral("not back: ") + back.value(i);
    return faults;
}

} // namespace duplikon::test
