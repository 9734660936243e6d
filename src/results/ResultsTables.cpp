// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsTables.h"

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

} // namespace

QString playWayName(PlayWay way)
{
    switch (way) {
    case PlayWay::Mouse: return QStringLiteral("Maus");
    case PlayWay::Keys: return QStringLiteral("Tasten");
    case PlayWay::Tap: return QStringLiteral("Antippen");
    case PlayWay::Cards: return QStringLiteral("Aufdecken");
    }
    return {};
}

QByteArray runsCsv(const ResultsData &data)
{
    QByteArray csv = kBom;
    csv += csvRow({QStringLiteral("Datum"), QStringLiteral("Uhrzeit"), QStringLiteral("Kind"),
                   QStringLiteral("Aufgabe"), QStringLiteral("Sekunden"), QStringLiteral("Fehlversuche"),
                   QStringLiteral("Spielweise"), QStringLiteral("Pflicht"), QStringLiteral("Züge"),
                   QStringLiteral("Mannschaften")});
    for (const ResultRun &run : data.runs) {
        // Turns and teams belong to the card game; matching leaves them empty.
        const bool cards = run.way == PlayWay::Cards;
        csv += csvRow({run.time.toString(QStringLiteral("dd.MM.yyyy")), run.time.toString(QStringLiteral("HH:mm:ss")),
                       run.child, run.task, QString::number(run.seconds), QString::number(run.wrongDrops),
                       playWayName(run.way), run.mandatory ? QStringLiteral("ja") : QStringLiteral("nein"),
                       cards ? QString::number(run.turns) : QString(), cards ? QString::number(run.teams) : QString()});
    }
    return csv;
}

QByteArray pairsCsv(const ResultsData &data)
{
    QByteArray csv = kBom;
    csv += csvRow({QStringLiteral("Aufgabe"), QStringLiteral("Hälfte 1"), QStringLiteral("Hälfte 2"),
                   QStringLiteral("Richtig"), QStringLiteral("Falsch")});
    for (const ResultPair &pair : data.pairs)
        csv += csvRow({pair.task, pair.half1, pair.half2, QString::number(pair.matched), QString::number(pair.wrong)});
    return csv;
}

} // namespace duplikon
