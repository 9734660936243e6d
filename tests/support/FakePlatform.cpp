// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"

#include <QPainter>

namespace duplikon::test {

void ScriptedDialogs::message(const QString &title, const QString &text, MsgIcon icon)
{
    shown.append({ShownDialog::Message, title, text, icon, QString()});
    if (onShow)
        onShow(shown.last());
}

bool ScriptedDialogs::askYesNo(const QString &title, const QString &text)
{
    shown.append({ShownDialog::Question, title, text, MsgIcon::Question, QString()});
    if (onShow)
        onShow(shown.last());
    return yesNoAnswers.isEmpty() ? false : yesNoAnswers.takeFirst();
}

QString ScriptedDialogs::input(const QString &title, const QString &prompt, const QString &defaultText)
{
    shown.append({ShownDialog::Input, title, prompt, MsgIcon::None, defaultText});
    if (onShow)
        onShow(shown.last());
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

QStringList ScriptedDialogs::openFiles(const QString &title, const QString &filter)
{
    shown.append({ShownDialog::Files, title, filter, MsgIcon::None, QString()});
    if (onShow)
        onShow(shown.last());
    return fileAnswers.isEmpty() ? QStringList() : fileAnswers.takeFirst();
}

QStringList ScriptedDialogs::titles() const
{
    QStringList t;
    for (const ShownDialog &d : shown)
        t << d.title;
    return t;
}

bool FakePrinter::printPage(const QString &jobName, const DrawPage &draw, QString *error)
{
    if (fail) {
        if (error)
            *error = failure;
        return false;
    }
    QImage page(pagePixels, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        draw(p, dpi / 1440.0);
    }
    pages.append(page);
    jobs.append(jobName);
    return true;
}

} // namespace duplikon::test
