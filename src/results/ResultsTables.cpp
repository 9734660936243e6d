// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsTables.h"

#include <QCoreApplication>

namespace duplikon {

namespace {

// A field for a German spreadsheet: quoted when it holds a separator, a quote,
// a line break or an edge space. A field beginning with = + - @ (or a tab or
// carriage return) gets an apostrophe in front, inside quotes: the spreadsheet
// shows it as text instead of running it. An apostrophe rather than a tab,
// because importers trim leading white space, which would arm the formula
// again, and because the teacher sees that the value was guarded.
QByteArray csvField(const QString &value)
{
    QString text = value;
    bool quote = false;
    if (!text.isEmpty()) {
        const QChar c = text.front();
        if (c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r') {
            text.prepend(QLatin1Char('\''));
            quote = true;
        }
        if (text.front().isSpace() || text.back().isSpace())
            quote = true;
    }
    for (const QChar c : std::as_const(text)) {
        if (c == u';' || c == u'"' || c == u'\n' || c == u'\r') {
            quote = true;
            break;
        }
    }
    if (!quote)
        return text.toUtf8();
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return '"' + text.toUtf8() + '"';
}

QByteArray csvRow(const QStringList &fields)
{
    QByteArray row;
    for (int i = 0; i < fields.size(); ++i) {
        if (i)
            row += ';';
        row += csvField(fields.at(i));
    }
    return row + "\r\n";
}

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

// The tables' headers and words are the teacher's, in the application's
// language; their numbers and dates stay as spreadsheets read them.
const char *const kRunsHeader[] = {
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Datum"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Uhrzeit"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Kind"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Aufgabe"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Sekunden"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Fehlversuche"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Spielweise"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Pflicht"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Züge"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Mannschaften"),
};
const char *const kPairsHeader[] = {
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Aufgabe"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Hälfte 1"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Hälfte 2"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Richtig"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Falsch"),
};
// In the order of PlayWay.
const char *const kPlayWays[] = {
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Maus"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Tasten"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Antippen"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "Aufdecken"),
};
const char *const kYesNo[] = {
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "ja"),
    QT_TRANSLATE_NOOP("duplikon::ResultsTables", "nein"),
};

QString text(const char *source)
{
    return QCoreApplication::translate("duplikon::ResultsTables", source);
}

template <std::size_t N>
QStringList texts(const char *const (&sources)[N])
{
    QStringList list;
    for (const char *source : sources)
        list << text(source);
    return list;
}

} // namespace

QString playWayName(PlayWay way)
{
    switch (way) {
    case PlayWay::Mouse: return text(kPlayWays[0]);
    case PlayWay::Keys: return text(kPlayWays[1]);
    case PlayWay::Tap: return text(kPlayWays[2]);
    case PlayWay::Cards: return text(kPlayWays[3]);
    }
    return {};
}

QByteArray runsCsv(const ResultsData &data)
{
    QByteArray csv = kBom;
    csv += csvRow(texts(kRunsHeader));
    for (const ResultRun &run : data.runs) {
        // Turns and teams belong to the card game; matching leaves them empty.
        const bool cards = run.way == PlayWay::Cards;
        csv += csvRow({run.time.toString(QStringLiteral("dd.MM.yyyy")), run.time.toString(QStringLiteral("HH:mm:ss")),
                       run.child, run.task, QString::number(run.seconds), QString::number(run.wrongDrops),
                       playWayName(run.way), text(kYesNo[run.mandatory ? 0 : 1]),
                       cards ? QString::number(run.turns) : QString(), cards ? QString::number(run.teams) : QString()});
    }
    return csv;
}

QByteArray pairsCsv(const ResultsData &data)
{
    QByteArray csv = kBom;
    csv += csvRow(texts(kPairsHeader));
    for (const ResultPair &pair : data.pairs)
        csv += csvRow({pair.task, pair.half1, pair.half2, QString::number(pair.matched), QString::number(pair.wrong)});
    return csv;
}

} // namespace duplikon
