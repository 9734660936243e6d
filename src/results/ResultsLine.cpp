// SPDX-License-Identifier: GPL-3.0-or-later
// One event, one line: written as a JSON object, read back by a reader of
// flat objects (strings, numbers, true and false, and one list of strings)
// that is fast enough for a school year of lines and refuses everything else.
#include "results/ResultEvent.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace duplikon {

namespace {

constexpr int kMaxSeconds = 100 * 24 * 3600;
constexpr int kMaxWrongDrops = 1000000;
constexpr int kMaxListedHalves = 2 * 64; // a task has at most 20 used lines

QString kindName(ResultEvent::Kind kind)
{
    switch (kind) {
    case ResultEvent::TaskSet: return QStringLiteral("task");
    case ResultEvent::Drop: return QStringLiteral("drop");
    case ResultEvent::Solved: return QStringLiteral("solved");
    }
    return {};
}

QString wayName(PlayWay way)
{
    switch (way) {
    case PlayWay::Mouse: return QStringLiteral("mouse");
    case PlayWay::Keys: return QStringLiteral("keys");
    case PlayWay::Tap: return QStringLiteral("tap");
    case PlayWay::Cards: return QStringLiteral("cards");
    }
    return {};
}

// A value of a flat object: a string, a number, true/false or a list of strings.
struct FlatValue {
    enum Type { String, Number, Bool, Strings } type = String;
    QString text;
    double number = 0;
    bool flag = false;
    QStringList strings;
};

class FlatReader {
public:
    explicit FlatReader(const QByteArray &text) : m_p(text.constData()), m_end(text.constData() + text.size()) {}

    // The fields of the object, or false when the text is not one flat object.
    bool read(QHash<QByteArray, FlatValue> &fields)
    {
        space();
        if (!take('{'))
            return false;
        space();
        if (take('}'))
            return atEnd();
        for (;;) {
            QByteArray key;
            FlatValue value;
            space();
            if (!string(&key, nullptr))
                return false;
            space();
            if (!take(':'))
                return false;
            space();
            if (!this->value(value))
                return false;
            fields.insert(key, value);
            space();
            if (take('}'))
                return atEnd();
            if (!take(','))
                return false;
        }
    }

private:
    bool atEnd()
    {
        space();
        return m_p == m_end;
    }
    void space()
    {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\r' || *m_p == '\n'))
            ++m_p;
    }
    bool take(char c)
    {
        if (m_p < m_end && *m_p == c) {
            ++m_p;
            return true;
        }
        return false;
    }
    bool word(const char *w)
    {
        const qsizetype n = qsizetype(qstrlen(w));
        if (m_end - m_p < n || qstrncmp(m_p, w, size_t(n)) != 0)
            return false;
        m_p += n;
        return true;
    }
    bool value(FlatValue &v)
    {
        if (m_p >= m_end)
            return false;
        if (*m_p == '"') {
            v.type = FlatValue::String;
            return string(nullptr, &v.text);
        }
        if (take('[')) {
            v.type = FlatValue::Strings;
            space();
            if (take(']'))
                return true;
            for (;;) {
                QString text;
                space();
                if (v.strings.size() >= kMaxListedHalves || !string(nullptr, &text))
                    return false;
                v.strings.append(text);
                space();
                if (take(']'))
                    return true;
                if (!take(','))
                    return false;
            }
        }
        if (word("true") || word("false")) {
            v.type = FlatValue::Bool;
            v.flag = m_p[-1] == 'e' && m_p[-2] == 'u'; // "true", not "false"
            return true;
        }
        const char *start = m_p;
        take('-');
        const char *digits = m_p;
        while (m_p < m_end && ((*m_p >= '0' && *m_p <= '9') || *m_p == '.' || *m_p == 'e' || *m_p == 'E'
                               || ((*m_p == '+' || *m_p == '-') && (m_p[-1] == 'e' || m_p[-1] == 'E'))))
            ++m_p;
        if (m_p == digits || *digits < '0' || *digits > '9')
            return false;
        bool ok = false;
        v.type = FlatValue::Number;
        v.number = QByteArray::fromRawData(start, m_p - start).toDouble(&ok);
        return ok;
    }
    static int hex(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }
    bool hex4(char16_t *out)
    {
        if (m_end - m_p < 4)
            return false;
        int v = 0;
        for (int i = 0; i < 4; ++i) {
            const int h = hex(m_p[i]);
            if (h < 0)
                return false;
            v = v * 16 + h;
        }
        m_p += 4;
        *out = char16_t(v);
        return true;
    }
    // A string in quotes, as UTF-8 bytes (keys) or as text.
    bool string(QByteArray *bytes, QString *text)
    {
        if (!take('"'))
            return false;
        QByteArray utf8;
        const char *run = m_p;
        while (m_p < m_end && *m_p != '"') {
            const unsigned char c = static_cast<unsigned char>(*m_p);
            if (c < 0x20)
                return false;
            if (c != '\\') {
                ++m_p;
                continue;
            }
            utf8.append(run, m_p - run);
            ++m_p;
            if (m_p >= m_end)
                return false;
            const char e = *m_p++;
            switch (e) {
            case '"': utf8 += '"'; break;
            case '\\': utf8 += '\\'; break;
            case '/': utf8 += '/'; break;
            case 'b': utf8 += '\b'; break;
            case 'f': utf8 += '\f'; break;
            case 'n': utf8 += '\n'; break;
            case 'r': utf8 += '\r'; break;
            case 't': utf8 += '\t'; break;
            case 'u': {
                char16_t units[2];
                if (!hex4(&units[0]))
                    return false;
                int n = 1;
                if (QChar::isHighSurrogate(units[0]) && m_end - m_p >= 6 && m_p[0] == '\\' && m_p[1] == 'u') {
                    m_p += 2;
                    if (!hex4(&units[1]))
                        return false;
                    n = 2;
                }
                utf8 += QString(reinterpret_cast<const QChar *>(units), n).toUtf8();
                break;
            }
            default: return false;
            }
            run = m_p;
        }
        if (m_p >= m_end)
            return false;
        utf8.append(run, m_p - run);
        ++m_p; // the closing quote
        if (bytes)
            *bytes = utf8;
        if (text)
            *text = QString::fromUtf8(utf8);
        return true;
    }

    const char *m_p;
    const char *m_end;
};

// The time as the writer writes it (yyyy-MM-ddTHH:mm:ss.zzzZ), read without
// the general date parser; any other form goes through it.
QDateTime parseTime(const QString &text)
{
    if (text.size() == 24 && text.at(4) == u'-' && text.at(7) == u'-' && text.at(10) == u'T' && text.at(13) == u':'
        && text.at(16) == u':' && text.at(19) == u'.' && text.at(23) == u'Z') {
        auto number = [&](int from, int length) {
            int v = 0;
            for (int i = from; i < from + length; ++i) {
                const QChar c = text.at(i);
                if (c < u'0' || c > u'9')
                    return -1;
                v = v * 10 + (c.unicode() - u'0');
            }
            return v;
        };
        const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
        const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2), ms = number(20, 3);
        if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0 || ms < 0)
            return {};
        return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

// Only times the writer can write again: four-digit years, also in UTC.
QDateTime parseWritableTime(const QString &text)
{
    const QDateTime time = parseTime(text);
    if (!time.isValid() || time.toUTC().date().year() < 1000 || time.toUTC().date().year() > 9999)
        return {};
    return time;
}

} // namespace

QByteArray resultLine(const ResultEvent &event)
{
    QJsonObject o;
    o.insert(QStringLiteral("kind"), kindName(event.kind));
    // An event without a time happened now.
    const QDateTime time = event.time.isValid() ? event.time : QDateTime::currentDateTime();
    o.insert(QStringLiteral("time"), time.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'")));
    o.insert(QStringLiteral("user"), event.user);
    o.insert(QStringLiteral("task"), event.task);
    o.insert(QStringLiteral("sha256"), event.fingerprint);
    o.insert(QStringLiteral("mandatory"), event.mandatory);
    if (event.kind == ResultEvent::TaskSet && !event.pairs.isEmpty()) {
        // The halves pair by pair: "Hund", "Wau", "Katze", "Miau".
        QJsonArray halves;
        for (const HalfPair &pair : event.pairs)
            halves << pair.first << pair.second;
        o.insert(QStringLiteral("pairs"), halves);
    }
    if (event.kind == ResultEvent::Drop) {
        o.insert(QStringLiteral("half1"), event.half1);
        o.insert(QStringLiteral("half2"), event.half2);
        o.insert(QStringLiteral("matched"), event.matched);
        o.insert(QStringLiteral("way"), wayName(event.way));
    }
    if (event.kind == ResultEvent::Solved) {
        o.insert(QStringLiteral("way"), wayName(event.way));
        o.insert(QStringLiteral("seconds"), event.seconds);
        o.insert(QStringLiteral("wrongDrops"), event.wrongDrops);
        if (event.way == PlayWay::Cards) {
            o.insert(QStringLiteral("turns"), event.turns);
            o.insert(QStringLiteral("teams"), event.teams);
        }
    }
    // Compact JSON escapes line breaks inside strings, so one event is one line.
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<ResultEvent> parseResultLine(const QByteArray &line)
{
    QByteArray text = line;
    if (text.endsWith('\n'))
        text.chop(1);
    QHash<QByteArray, FlatValue> o;
    if (text.isEmpty() || !FlatReader(text).read(o))
        return std::nullopt;
    auto string = [&](const char *key, QString *out) {
        const auto it = o.constFind(QByteArray::fromRawData(key, qsizetype(qstrlen(key))));
        if (it == o.cend() || it->type != FlatValue::String)
            return false;
        *out = it->text;
        return true;
    };
    auto value = [&](const char *key, FlatValue::Type type) -> const FlatValue * {
        const auto it = o.constFind(QByteArray::fromRawData(key, qsizetype(qstrlen(key))));
        return it != o.cend() && it->type == type ? &*it : nullptr;
    };

    ResultEvent event;
    QString kind, time;
    if (!string("kind", &kind) || !string("time", &time) || !string("user", &event.user)
        || !string("task", &event.task))
        return std::nullopt;
    if (kind == QLatin1String("task"))
        event.kind = ResultEvent::TaskSet;
    else if (kind == QLatin1String("drop"))
        event.kind = ResultEvent::Drop;
    else if (kind == QLatin1String("solved"))
        event.kind = ResultEvent::Solved;
    else
        return std::nullopt;
    event.time = parseWritableTime(time);
    if (!event.time.isValid())
        return std::nullopt;
    string("sha256", &event.fingerprint);
    if (const FlatValue *mandatory = value("mandatory", FlatValue::Bool))
        event.mandatory = mandatory->flag;

    if (const FlatValue *pairs = value("pairs", FlatValue::Strings); pairs && event.kind == ResultEvent::TaskSet) {
        if (pairs->strings.size() % 2)
            return std::nullopt;
        for (qsizetype i = 0; i + 1 < pairs->strings.size(); i += 2)
            event.pairs.append({pairs->strings.at(i), pairs->strings.at(i + 1)});
    }
    if (event.kind != ResultEvent::TaskSet) {
        QString way;
        string("way", &way);
        if (way == QLatin1String("mouse"))
            event.way = PlayWay::Mouse;
        else if (way == QLatin1String("keys"))
            event.way = PlayWay::Keys;
        else if (way == QLatin1String("tap"))
            event.way = PlayWay::Tap;
        else if (way == QLatin1String("cards"))
            event.way = PlayWay::Cards;
        else
            return std::nullopt;
    }
    if (event.kind == ResultEvent::Drop) {
        const FlatValue *matched = value("matched", FlatValue::Bool);
        if (!string("half1", &event.half1) || !string("half2", &event.half2) || !matched)
            return std::nullopt;
        event.matched = matched->flag;
    }
    if (event.kind == ResultEvent::Solved) {
        const FlatValue *seconds = value("seconds", FlatValue::Number);
        const FlatValue *wrong = value("wrongDrops", FlatValue::Number);
        if (!seconds || !wrong)
            return std::nullopt;
        if (!(seconds->number >= 0 && seconds->number <= kMaxSeconds)
            || !(wrong->number >= 0 && wrong->number <= kMaxWrongDrops))
            return std::nullopt;
        event.seconds = int(seconds->number);
        event.wrongDrops = int(wrong->number);
        // The card game's turns and teams; a line without them says nothing of them.
        const FlatValue *turns = value("turns", FlatValue::Number);
        const FlatValue *teams = value("teams", FlatValue::Number);
        if (turns && turns->number >= 0 && turns->number <= kMaxWrongDrops)
            event.turns = int(turns->number);
        if (teams && teams->number >= 1 && teams->number <= 4)
            event.teams = int(teams->number);
    }
    return event;
}

} // namespace duplikon
