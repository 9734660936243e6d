// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Language.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QWidget>

#include <cmath>

namespace duplikon {

const QList<LanguageName> &languages()
{
    static const QList<LanguageName> all{
        {QStringLiteral("de"), QStringLiteral("Deutsch")},    {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("uk"), QStringLiteral("Українська")}, {QStringLiteral("ar"), QStringLiteral("العربية")},
        {QStringLiteral("tr"), QStringLiteral("Türkçe")},     {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},     {QStringLiteral("fa"), QStringLiteral("فارسی")},
    };
    return all;
}

QStringList languageSettingValues()
{
    QStringList values{language::kSystem};
    for (const LanguageName &l : languages())
        values << l.code;
    return values << language::kTest;
}

QString chosenLanguage(const QString &setting, const QLocale &desktop)
{
    if (setting == language::kTest)
        return setting;
    for (const LanguageName &l : languages()) {
        if (setting == l.code)
            return l.code;
    }
    if (setting == language::kSystem) {
        for (const LanguageName &l : languages()) {
            if (QLocale(l.code).language() == desktop.language())
                return l.code;
        }
    }
    return language::kGerman;
}

QLocale localeOf(const QString &code)
{
    if (code == language::kGerman || code == language::kTest)
        return QLocale(QLocale::German, QLocale::Germany);
    return QLocale(code);
}

namespace {

QChar accented(QChar c)
{
    static const QString plain = QStringLiteral("aceinouyAEIOUCNYsz");
    static const QString marked = QStringLiteral("áçéîñöûýÅÉÎÖÜÇÑÝšž");
    const int at = plain.indexOf(c);
    return at < 0 ? c : marked.at(at);
}

// Lengthens one line by 40 % of its letters, before its ending blanks, dots
// and colon, so that "Weitere ..." and "Stimme:" keep their ends.
QString lengthened(const QString &line, int letters)
{
    const int extra = int(std::ceil(letters * 0.4));
    if (extra == 0)
        return line;
    int end = line.size();
    while (end > 0 && QStringLiteral(" .:!?\t").contains(line.at(end - 1)))
        --end;
    QString pad;
    for (int i = 0; i < extra; ++i)
        pad += (i % 7 == 6) ? QChar(u' ') : QChar(u'ẍ');
    return line.left(end) + pad + line.mid(end);
}

} // namespace

QString pseudoTranslation(const QString &source)
{
    QString out;
    QString line;
    int letters = 0;
    const auto endLine = [&] {
        out += lengthened(line, letters);
        line.clear();
        letters = 0;
    };
    for (int i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (c == u'\r' || c == u'\n') {
            endLine();
            out += c;
            continue;
        }
        // Kept as they are: %1, %L2, %n, %%; <tags>; &entities; and "&&".
        int keep = 0;
        if (c == u'%' && i + 1 < source.size()) {
            keep = 1;
            if (source.at(i + 1) == u'L')
                ++keep;
            while (i + keep < source.size() && (source.at(i + keep).isDigit() || source.at(i + keep) == u'n'
                                                || source.at(i + keep) == u'%'))
                ++keep;
        } else if (c == u'<') {
            const int close = source.indexOf(u'>', i);
            keep = close < 0 ? 1 : close - i + 1;
        } else if (c == u'&') {
            int j = i + 1;
            while (j < source.size() && (source.at(j).isLetterOrNumber() || source.at(j) == u'#'))
                ++j;
            keep = (j < source.size() && source.at(j) == u';' && j > i + 1) ? j - i + 1 : (source.mid(i, 2) == QLatin1String("&&") ? 2 : 1);
        }
        if (keep > 0) {
            line += source.mid(i, keep);
            i += keep - 1;
            continue;
        }
        if (c.isLetter())
            ++letters;
        line += accented(c);
    }
    endLine();
    return out;
}

QString PseudoTranslator::translate(const char *, const char *sourceText, const char *, int) const
{
    return sourceText ? pseudoTranslation(QString::fromUtf8(sourceText)) : QString();
}

namespace {
QPointer<QTranslator> programCatalogue;
QPointer<QTranslator> qtCatalogue;
QString current = language::kGerman;

void drop(QPointer<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}
} // namespace

bool applyLanguage(const QString &code)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    drop(programCatalogue);
    drop(qtCatalogue);
    current = code;
    const QLocale locale = localeOf(code);
    QLocale::setDefault(locale);

    // Qt's standard buttons and dialogs; German ones for German and x-test.
    auto *qt = new QTranslator(app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        qtCatalogue = qt;
    } else {
        delete qt;
    }
    bool found = true;
    if (code == language::kTest) {
        programCatalogue = new PseudoTranslator(app);
        QCoreApplication::installTranslator(programCatalogue);
    } else if (code != language::kGerman) {
        auto *program = new QTranslator(app);
        found = program->load(QStringLiteral(":/i18n/duplikon_%1.qm").arg(code));
        if (found) {
            QCoreApplication::installTranslator(program);
            programCatalogue = program;
        } else {
            delete program;
        }
    }
    if (qobject_cast<QGuiApplication *>(app))
        QGuiApplication::setLayoutDirection(locale.textDirection());
    // Installing posts the change to every window; without any catalogue
    // (German after German) the windows are told here.
    if (!programCatalogue && !qtCatalogue) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(app, &change);
    }
    return found;
}

QString currentLanguage()
{
    return current;
}

namespace {
class LanguageWatch : public QObject {
public:
    LanguageWatch(QWidget *widget, std::function<void()> retranslate)
        : QObject(widget), m_retranslate(std::move(retranslate))
    {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_retranslate();
        return false;
    }

private:
    std::function<void()> m_retranslate;
};
} // namespace

namespace {
const char *const kLeftToRightX = "duplikonLeftToRightX";

void placeMirrored(QWidget *panel)
{
    const bool mirrored = panel->layoutDirection() == Qt::RightToLeft;
    // Mirrored within the part of the panel its window shows (the strip
    // reaches past the window's edge).
    const QWidget *parent = panel->parentWidget();
    const bool clipped = parent && !panel->isWindow() && panel->x() < parent->width(); // not parked
    const int width = clipped ? std::min(panel->width(), parent->width() - panel->x()) : panel->width();
    for (QWidget *child : panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        QVariant x = child->property(kLeftToRightX);
        if (!x.isValid()) {
            if (!mirrored)
                continue; // stands where it was placed
            x = child->x();
            child->setProperty(kLeftToRightX, x);
        }
        child->move(mirrored ? width - x.toInt() - child->width() : x.toInt(), child->y());
    }
}

// Places the panel's controls again when the direction changes, and when the
// panel or its window gets its size (a window's central panel is often made
// before the window has its final width).
class DirectionWatch : public QObject {
public:
    explicit DirectionWatch(QWidget *panel) : QObject(panel), m_panel(panel)
    {
        panel->installEventFilter(this);
        if (QWidget *parent = panel->parentWidget(); parent && !panel->isWindow())
            parent->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool sized = event->type() == QEvent::Resize && m_panel->layoutDirection() == Qt::RightToLeft;
        if (event->type() == QEvent::LayoutDirectionChange ? watched == m_panel : sized)
            placeMirrored(m_panel);
        return false;
    }

private:
    QWidget *m_panel;
};
} // namespace

void mirrorWithDirection(QWidget *panel)
{
    new DirectionWatch(panel);
    placeMirrored(panel);
}

void onLanguageChange(QWidget *widget, std::function<void()> retranslate)
{
    new LanguageWatch(widget, std::move(retranslate));
}

void setChildText(const QWidget *parent, const char *name, const QString &text)
{
    if (QWidget *child = parent->findChild<QWidget *>(QLatin1String(name)))
        child->setProperty("text", text);
}

} // namespace duplikon
