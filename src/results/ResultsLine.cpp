// SPDX-License-Identifier: GPL-3.0-or-later
// One event, one line: written as a JSON object, read back by a reader of
// flat objects (strings, numbers, true and false, and one list of strings)
// that is fast enough for a school year of lines and refuses everything else.
#include "results/ResultEvent.h"

#include <QVarLengthArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cstring>
#include <string_view>

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

// The fields a line may hold; any other is read and left aside.
enum Field { Kind, Time, User, TaskName, Sha256, Mandatory, Pairs, Half1, Half2, Matched, Way, Seconds, WrongDrops,
             Turns, Teams, PairTasks, FieldCount };
constexpr std::string_view kFieldNames[FieldCount] = {"kind",  "time",  "user",    "task", "sha256",  "mandatory", "pairs",
                                                 "half1", "half2", "matched", "way",  "seconds", "wrongDrops",
                                                 "turns", "teams", "pairTasks"};

int hex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool hex4(const char *&p, const char *end, char16_t *out)
{
    if (end - p < 4)
        return false;
    int v = 0;
    for (int i = 0; i < 4; ++i) {
        const int h = hex(p[i]);
        if (h < 0)
            return false;
        v = v * 16 + h;
    }
    p += 4;
    *out = char16_t(v);
    return true;
}

// The escape after a backslash (p just past it): false for one JSON lacks;
// its UTF-8 is appended to out when one is given.
bool readEscape(const char *&p, const char *end, QByteArray *out)
{
    if (p >= end)
        return false;
    char plain = 0;
    switch (*p++) {
    case '"': plain = '"'; break;
    case '\\': plain = '\\'; break;
    case '/': plain = '/'; break;
    case 'b': plain = '\b'; break;
    case 'f': plain = '\f'; break;
    case 'n': plain = '\n'; break;
    case 'r': plain = '\r'; break;
    case 't': plain = '\t'; break;
    case 'u': {
        char16_t units[2];
        if (!hex4(p, end, &units[0]))
            return false;
        int n = 1;
        if (QChar::isHighSurrogate(units[0]) && end - p >= 6 && p[0] == '\\' && p[1] == 'u') {
            p += 2;
            if (!hex4(p, end, &units[1]))
                return false;
            n = 2;
        }
        if (out)
            *out += QString(reinterpret_cast<const QChar *>(units), n).toUtf8();
        return true;
    }
    default: return false;
    }
    if (out)
        *out += plain;
    return true;
}

// A string of a line as it stands between its quotes: checked as it is
// read, made into text only when asked for.
struct RawString {
    const char *begin = nullptr;
    qsizetype size = 0;
    bool escaped = false;

    QByteArray utf8() const
    {
        if (!escaped)
            return QByteArray(begin, size);
        QByteArray out;
        const char *p = begin;
        const char *const end = begin + size;
        while (p < end) {
            const char *run = p;
            while (p < end && *p != '\\')
                ++p;
            out.append(run, p - run);
            if (p < end)
                readEscape(++p, end, &out); // checked when read
        }
        return out;
    }
    QString text() const { return escaped ? QString::fromUtf8(utf8()) : QString::fromUtf8(begin, size); }
    bool is(std::string_view word) const
    {
        if (escaped)
            return utf8() == QByteArray::fromRawData(word.data(), qsizetype(word.size()));
        return size == qsizetype(word.size()) && memcmp(begin, word.data(), word.size()) == 0;
    }
};

// A value of a flat object: a string, a number, true/false or a list of strings.
struct FlatValue {
    enum Type { Missing, String, Number, Bool, Strings } type = Missing;
    RawString text;
    double number = 0;
    bool flag = false;
    int first = 0; // Strings: the reader's listed strings first .. first + count
    int count = 0;
};

// Reads one flat object without building a table of it: a school year holds
// hundreds of thousands of lines.
class FlatReader {
public:
    FlatReader(const char *begin, const char *end) : m_p(begin), m_end(end) {}

    // The known fields of the object (the last of a name counts), or false
    // when the text is not one flat object.
    bool read(FlatValue (&fields)[FieldCount])
    {
        space();
        if (!take('{'))
            return false;
        space();
        if (take('}'))
            return atEnd();
        for (;;) {
            RawString key;
            FlatValue value;
            space();
            if (!string(&key))
                return false;
            space();
            if (!take(':'))
                return false;
            space();
            if (!this->value(value))
                return false;
            for (int f = 0; f < FieldCount; ++f) {
                if (key.is(kFieldNames[f])) {
                    fields[f] = value;
                    break;
                }
            }
            space();
            if (take('}'))
                return atEnd();
            if (!take(','))
                return false;
        }
    }
    const RawString &listed(int i) const { return m_strings[i]; }

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
            return string(&v.text);
        }
        if (take('[')) {
            v.type = FlatValue::Strings;
            v.first = int(m_strings.size());
            space();
            if (take(']'))
                return true;
            for (;;) {
                RawString text;
                space();
                if (v.count >= kMaxListedHalves || !string(&text))
                    return false;
                m_strings.append(text);
                ++v.count;
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
    // A string in quotes, checked; its escapes are undone when its text is asked for.
    bool string(RawString *out)
    {
        if (!take('"'))
            return false;
        out->begin = m_p;
        out->escaped = false;
        while (m_p < m_end && *m_p != '"') {
            const unsigned char c = static_cast<unsigned char>(*m_p);
            if (c < 0x20)
                return false;
            if (c != '\\') {
                ++m_p;
                continue;
            }
            out->escaped = true;
            if (!readEscape(++m_p, m_end, nullptr))
                return false;
        }
        if (m_p >= m_end)
            return false;
        out->size = m_p - out->begin;
        ++m_p; // the closing quote
        return true;
    }

    const char *m_p;
    const char *m_end;
    QVarLengthArray<RawString, 2 * 20> m_strings;
};

// The time as the writer writes it (yyyy-MM-ddTHH:mm:ss.zzzZ), read without
// the general date parser; any other form goes through it. Only times the
// writer can write again: four-digit years, also in UTC.
QDateTime parseWritableTime(const RawString &raw)
{
    const char *t = raw.begin;
    if (!raw.escaped && raw.size == 24 && t[4] == '-' && t[7] == '-' && t[10] == 'T' && t[13] == ':' && t[16] == ':'
        && t[19] == '.' && t[23] == 'Z') {
        auto number = [&](int from, int length) {
            int v = 0;
            for (int i = from; i < from + length; ++i) {
                if (t[i] < '0' || t[i] > '9')
                    return -1;
                v = v * 10 + (t[i] - '0');
            }
            return v;
        };
        const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
        const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2), ms = number(20, 3);
        if (year < 1000 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0 || ms < 0)
            return {};
        return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), Qt::UTC);
    }
    const QDateTime time = QDateTime::fromString(raw.text(), Qt::ISODateWithMs);
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
        // Each pair's task and fingerprint: "TIERE.TXT", "3f…", "ZAHLEN.TXT", "9a…".
        if (event.pairTasks.size() == event.pairs.size()) {
            QJsonArray tasks;
            for (const auto &[task, fingerprint] : event.pairTasks)
                tasks << task << fingerprint;
            o.insert(QStringLiteral("pairTasks"), tasks);
        }
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
    qsizetype size = line.size();
    if (size > 0 && line.at(size - 1) == '\n')
        --size;
    FlatReader reader(line.constData(), line.constData() + size);
    FlatValue o[FieldCount];
    if (size == 0 || !reader.read(o))
        return std::nullopt;
    auto string = [&](Field key, QString *out) {
        if (o[key].type != FlatValue::String)
            return false;
        *out = o[key].text.text();
        return true;
    };
    auto value = [&](Field key, FlatValue::Type type) -> const FlatValue * {
        return o[key].type == type ? &o[key] : nullptr;
    };

    ResultEvent event;
    const FlatValue *kind = value(Kind, FlatValue::String);
    const FlatValue *time = value(Time, FlatValue::String);
    if (!kind || !time || !string(User, &event.user) || !string(TaskName, &event.task))
        return std::nullopt;
    if (kind->text.is("task"))
        event.kind = ResultEvent::TaskSet;
    else if (kind->text.is("drop"))
        event.kind = ResultEvent::Drop;
    else if (kind->text.is("solved"))
        event.kind = ResultEvent::Solved;
    else
        return std::nullopt;
    event.time = parseWritableTime(time->text);
    if (!event.time.isValid())
        return std::nullopt;
    string(Sha256, &event.fingerprint);
    if (const FlatValue *mandatory = value(Mandatory, FlatValue::Bool))
        event.mandatory = mandatory->flag;

    if (const FlatValue *pairs = value(Pairs, FlatValue::Strings); pairs && event.kind == ResultEvent::TaskSet) {
        if (pairs->count % 2)
            return std::nullopt;
        event.pairs.reserve(pairs->count / 2);
        for (int i = pairs->first; i + 1 < pairs->first + pairs->count; i += 2)
            event.pairs.append({reader.listed(i).text(), reader.listed(i + 1).text()});
        // A list of the pairs' tasks that does not fit the pairs is left out.
        const FlatValue *tasks = value(PairTasks, FlatValue::Strings);
        if (tasks && tasks->count == pairs->count) {
            event.pairTasks.reserve(tasks->count / 2);
            for (int i = tasks->first; i + 1 < tasks->first + tasks->count; i += 2)
                event.pairTasks.append({reader.listed(i).text(), reader.listed(i + 1).text()});
        }
    }
    if (event.kind != ResultEvent::TaskSet) {
        const FlatValue *way = value(Way, FlatValue::String);
        if (way && way->text.is("mouse"))
            event.way = PlayWay::Mouse;
        else if (way && way->text.is("keys"))
            event.way = PlayWay::Keys;
        else if (way && way->text.is("tap"))
            event.way = PlayWay::Tap;
        else if (way && way->text.is("cards"))
            event.way = PlayWay::Cards;
        else
            return std::nullopt;
    }
    if (event.kind == ResultEvent::Drop) {
        const FlatValue *matched = value(Matched, FlatValue::Bool);
        if (!string(Half1, &event.half1) || !string(Half2, &event.half2) || !matched)
            return std::nullopt;
        event.matched = matched->flag;
    }
    if (event.kind == ResultEvent::Solved) {
        const FlatValue *seconds = value(Seconds, FlatValue::Number);
        const FlatValue *wrong = value(WrongDrops, FlatValue::Number);
        if (!seconds || !wrong)
            return std::nullopt;
        if (!(seconds->number >= 0 && seconds->number <= kMaxSeconds)
            || !(wrong->number >= 0 && wrong->number <= kMaxWrongDrops))
            return std::nullopt;
        event.seconds = int(seconds->number);
        event.wrongDrops = int(wrong->number);
        // The card game's turns and teams; a line without them says nothing of them.
        const FlatValue *turns = value(Turns, FlatValue::Number);
        const FlatValue *teams = value(Teams, FlatValue::Number);
        if (turns && turns->number >= 0 && turns->number <= kMaxWrongDrops)
            event.turns = int(turns->number);
        if (teams && teams->number >= 1 && teams->number <= 4)
            event.teams = int(teams->number);
    }
    return event;
}

} // namespace duplikon
