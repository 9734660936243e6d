// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Fonts.h"

#include "platform/Language.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>

namespace duplikon {

QString cellFontFamily() { return QStringLiteral("Courier New"); }

QFont designFont(qreal points, bool bold, const QString &family)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void installFontSubstitutes()
{
    const QStringList families = QFontDatabase::families();
    const auto substitute = [&](const QString &asked, const QStringList &twins) {
        if (families.contains(asked, Qt::CaseInsensitive))
            return;
        for (const QString &t : twins) {
            if (families.contains(t, Qt::CaseInsensitive)) {
                QFont::insertSubstitution(asked, t);
                return;
            }
        }
    };
    substitute(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    substitute(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    substitute(cellFontFamily(), {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")});
    substitute(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
}

void installScriptFonts()
{
    const QStringList families = QFontDatabase::families(QFontDatabase::Arabic);
    QString arabic;
    for (const QString &wanted : {QStringLiteral("Amiri"), QStringLiteral("Scheherazade"), QStringLiteral("Noto Naskh Arabic")}) {
        const auto found = std::find_if(families.cbegin(), families.cend(),
                                        [&wanted](const QString &f) { return f.startsWith(wanted, Qt::CaseInsensitive); });
        if (found != families.cend()) {
            arabic = *found;
            break;
        }
    }
    if (arabic.isEmpty())
        return;
    for (const QString &family : {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), cellFontFamily(),
                                  QStringLiteral("Times New Roman")}) {
        QFont::insertSubstitutions(family, {arabic});
    }
}

namespace {
const char *const kDesignedFont = "duplikonDesignedFont";

// The room a control gives its caption, and the caption as drawn.
std::pair<int, QString> captionRoom(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->wordWrap() || Qt::mightBeRichText(label->text()))
            return {0, QString()};
        return {label->contentsRect().width() - 2 * label->margin(), label->text()};
    }
    const auto *button = qobject_cast<const QAbstractButton *>(w);
    if (!button)
        return {0, QString()};
    const QStyle *style = button->style();
    int room = button->contentsRect().width();
    if (qobject_cast<const QCheckBox *>(button))
        room -= style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    else if (qobject_cast<const QRadioButton *>(button))
        room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    else
        room -= style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) + 2;
    return {room, QString(button->text()).remove(QLatin1Char('&'))};
}
} // namespace

void fitCaptions(QWidget *panel)
{
    const bool german = currentLanguage() == language::kGerman;
    for (QWidget *w : panel->findChildren<QWidget *>()) {
        // Named, not bound: a lambda below takes the text (clang before 16 cannot capture a binding).
        const std::pair<int, QString> caption = captionRoom(w);
        const int room = caption.first;
        const QString &text = caption.second;
        if (text.isEmpty() && !w->property(kDesignedFont).isValid())
            continue;
        const QVariant designed = w->property(kDesignedFont);
        if (designed.isValid())
            w->setFont(designed.value<QFont>());
        if (german || text.isEmpty())
            continue;
        const QFont original = w->font();
        QFont f = original;
        const auto wide = [&text](const QFont &font) {
            int widest = 0;
            for (const QString &line : text.split(QLatin1Char('\n')))
                widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
            return widest;
        };
        for (int step = 19; step >= 12 && wide(f) > room; --step)
            f.setPointSizeF(original.pointSizeF() * step / 20);
        if (f != original) {
            if (!designed.isValid())
                w->setProperty(kDesignedFont, original);
            w->setFont(f);
        }
    }
}

} // namespace duplikon
