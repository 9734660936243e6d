// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTextDocument>

namespace duplikon::test {

namespace {

// The text as drawn: without the "&" of a mnemonic.
QString shown(const QString &text)
{
    return QString(text).remove(QRegularExpression(QStringLiteral("&(?=[^&])"))).replace(QLatin1String("&&"), QLatin1String("&"));
}

int widest(const QFontMetrics &fm, const QString &text)
{
    int wide = 0;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("[\r\n]"))))
        wide = std::max(wide, fm.horizontalAdvance(line));
    return wide;
}

// How many pixels the text lacks; 0 when it fits.
int lacking(const QWidget *w)
{
    const QFontMetrics fm = w->fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->text().isEmpty() || Qt::mightBeRichText(label->text()))
            return 0;
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
        const QString text = label->buddy() ? shown(label->text()) : label->text();
        if (label->wordWrap())
            return std::max(0, fm.boundingRect(room, Qt::TextWordWrap, text).height() - room.height());
        return std::max(0, widest(fm, text) - room.width());
    }
    if (const auto *group = qobject_cast<const QGroupBox *>(w))
        return std::max(0, fm.horizontalAdvance(shown(group->title())) + 2 * fm.height() - group->width());
    const auto *button = qobject_cast<const QAbstractButton *>(w);
    if (!button || button->text().isEmpty())
        return 0;
    const QStyle *style = button->style();
    int room = button->contentsRect().width();
    if (qobject_cast<const QCheckBox *>(button))
        room -= style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    else if (qobject_cast<const QRadioButton *>(button))
        room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    else
        room -= style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    return std::max(0, widest(fm, shown(button->text())) - room);
}

} // namespace

QStringList cutTexts(const QWidget *window)
{
    QStringList cut;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->width() <= 0)
            continue;
        if (const int missing = lacking(w))
            cut << QStringLiteral("%1 (%2): %3 lacks %4 px")
                       .arg(w->objectName(), QLatin1String(w->metaObject()->className()),
                            w->property(qobject_cast<const QGroupBox *>(w) ? "title" : "text").toString())
                       .arg(missing);
    }
    return cut;
}

} // namespace duplikon::test
