// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/SvgCheck.h"

#include <QCoreApplication>
#include <QHash>
#include <QXmlStreamReader>

#include <vector>

namespace duplikon {

namespace {

// Deeper nesting is no drawing of a teacher's; the SVG reader draws it by
// recursion.
constexpr int kMaxSvgDepth = 500;

bool isNamed(QStringView qualifiedName, QStringView local)
{
    const qsizetype colon = qualifiedName.lastIndexOf(u':');
    return qualifiedName.mid(colon + 1).compare(local, Qt::CaseInsensitive) == 0;
}

// Every url(…) in text, quoted or not, must stay inside the file. In CSS the
// reader also knows escapes, which could spell url( another way, and @import.
bool refersOutside(QStringView text, bool css)
{
    if (css && (text.contains(u'\\') || text.contains(u"@import", Qt::CaseInsensitive)))
        return true;
    qsizetype at = 0;
    while ((at = text.indexOf(u"url(", at, Qt::CaseInsensitive)) >= 0) {
        at += 4;
        while (at < text.size() && text.at(at).isSpace())
            ++at;
        QChar quote;
        if (at < text.size() && (text.at(at) == u'"' || text.at(at) == u'\''))
            quote = text.at(at++);
        qsizetype end = at;
        while (end < text.size()
               && (quote.isNull() ? text.at(end) != u')' && !text.at(end).isSpace() : text.at(end) != quote))
            ++end;
        if (!isInsideReference(text.mid(at, end - at)))
            return true;
        at = end;
    }
    return false;
}

// The pseudo-attributes of a style-sheet instruction (name="value" …); any
// href outside the file, or text that is no such list, refers outside.
bool stylesheetRefersOutside(QStringView data)
{
    qsizetype at = 0;
    const auto skipSpace = [&] {
        while (at < data.size() && data.at(at).isSpace())
            ++at;
    };
    for (skipSpace(); at < data.size(); skipSpace()) {
        const qsizetype nameStart = at;
        while (at < data.size() && data.at(at) != u'=' && !data.at(at).isSpace())
            ++at;
        const QStringView name = data.mid(nameStart, at - nameStart);
        skipSpace();
        if (at >= data.size() || data.at(at) != u'=')
            return true;
        ++at;
        skipSpace();
        if (at >= data.size() || (data.at(at) != u'"' && data.at(at) != u'\''))
            return true;
        const QChar quote = data.at(at++);
        const qsizetype end = data.indexOf(quote, at);
        if (end < 0)
            return true;
        if (name.compare(u"href", Qt::CaseInsensitive) == 0 && !isInsideReference(data.mid(at, end - at)))
            return true;
        at = end + 1;
    }
    return false;
}

// One element, for counting what its <use> elements repeat.
struct Element {
    int parent = -1;
    QString useTarget; // the id a <use> draws, empty for other elements
    std::vector<int> children;
};

// The shapes each element draws: itself, its children, and for a <use> its
// target once more. Walked without recursion, since uses may chain deeply; a
// use that reaches an element still being counted refers to itself or to an
// element around it.
SvgVerdict countShapes(const std::vector<Element> &elements, const QHash<QString, int> &ids)
{
    enum Mark : char { Unseen, Counting, Counted };
    std::vector<Mark> mark(elements.size(), Unseen);
    std::vector<quint64> shapes(elements.size(), 0);
    const auto parts = [&](int e) {
        std::vector<int> p = elements[size_t(e)].children;
        const int target = elements[size_t(e)].useTarget.isEmpty() ? -1 : ids.value(elements[size_t(e)].useTarget, -1);
        if (target >= 0)
            p.push_back(target);
        return p;
    };
    for (int root = 0; root < int(elements.size()); ++root) {
        if (mark[size_t(root)] != Unseen)
            continue;
        std::vector<int> stack{root};
        while (!stack.empty()) {
            const int e = stack.back();
            if (mark[size_t(e)] == Counted) {
                stack.pop_back();
            } else if (mark[size_t(e)] == Unseen) {
                mark[size_t(e)] = Counting;
                for (int p : parts(e)) {
                    if (mark[size_t(p)] == Counting)
                        return SvgVerdict::TooManyShapes;
                    if (mark[size_t(p)] == Unseen)
                        stack.push_back(p);
                }
            } else {
                quint64 sum = 1;
                for (int p : parts(e))
                    sum = qMin(sum + shapes[size_t(p)], kMaxSvgShapes + 1);
                if (sum > kMaxSvgShapes)
                    return SvgVerdict::TooManyShapes;
                shapes[size_t(e)] = sum;
                mark[size_t(e)] = Counted;
                stack.pop_back();
            }
        }
    }
    return SvgVerdict::Safe;
}

} // namespace

bool isInsideReference(QStringView target)
{
    if (target.startsWith(u'#'))
        return true;
    for (const char16_t *data : {u"data:image/png;base64,", u"data:image/jpeg;base64,", u"data:image/gif;base64,"}) {
        if (target.startsWith(QStringView(data), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

SvgVerdict checkSvg(const QByteArray &data)
{
    QXmlStreamReader xml(data);
    std::vector<Element> elements;
    QHash<QString, int> ids;
    std::vector<int> open; // the elements around the reader's position
    QString styleText;
    int inStyle = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (!xml.entityDeclarations().isEmpty() || xml.text().contains(u"ENTITY"))
                return SvgVerdict::Entities;
            break;
        case QXmlStreamReader::EntityReference:
            return SvgVerdict::Entities;
        case QXmlStreamReader::ProcessingInstruction:
            if (xml.processingInstructionTarget().compare(u"xml-stylesheet", Qt::CaseInsensitive) == 0
                && stylesheetRefersOutside(xml.processingInstructionData()))
                return SvgVerdict::RefersOutside;
            break;
        case QXmlStreamReader::StartElement: {
            if (elements.size() >= kMaxSvgShapes || open.size() >= size_t(kMaxSvgDepth))
                return SvgVerdict::TooManyShapes;
            Element element;
            element.parent = open.empty() ? -1 : open.back();
            const bool use = xml.name().compare(u"use", Qt::CaseInsensitive) == 0;
            const int index = int(elements.size());
            for (const QXmlStreamAttribute &a : xml.attributes()) {
                const QStringView name = a.qualifiedName();
                const QStringView value = a.value();
                if (isNamed(name, u"href")) {
                    if (!isInsideReference(value))
                        return SvgVerdict::RefersOutside;
                    if (use && value.startsWith(u'#'))
                        element.useTarget = value.mid(1).toString();
                }
                if (refersOutside(value, isNamed(name, u"style")))
                    return SvgVerdict::RefersOutside;
                if (isNamed(name, u"id") && !ids.contains(value.toString()))
                    ids.insert(value.toString(), index);
            }
            if (element.parent >= 0)
                elements[size_t(element.parent)].children.push_back(index);
            elements.push_back(std::move(element));
            open.push_back(index);
            if (xml.name().compare(u"style", Qt::CaseInsensitive) == 0)
                ++inStyle;
            break;
        }
        case QXmlStreamReader::EndElement:
            if (!open.empty())
                open.pop_back();
            if (xml.name().compare(u"style", Qt::CaseInsensitive) == 0 && inStyle > 0 && --inStyle == 0) {
                if (refersOutside(styleText, true))
                    return SvgVerdict::RefersOutside;
                styleText.clear();
            }
            break;
        case QXmlStreamReader::Characters:
            if (inStyle > 0)
                styleText += xml.text();
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return SvgVerdict::Damaged;
    return countShapes(elements, ids);
}

QString svgRefusal(SvgVerdict verdict)
{
    switch (verdict) {
    case SvgVerdict::Safe: return {};
    case SvgVerdict::RefersOutside:
        return QCoreApplication::translate("duplikon::SvgCheck",
                "Das SVG-Bild verweist auf andere Dateien; es wird nicht übernommen.");
    case SvgVerdict::Entities:
        return QCoreApplication::translate("duplikon::SvgCheck",
                "Das SVG-Bild erklärt eigene Entitäten; es wird nicht übernommen.");
    case SvgVerdict::TooManyShapes:
        return QCoreApplication::translate("duplikon::SvgCheck",
                "Das SVG-Bild wiederholt seine Teile zu oft; es wird nicht übernommen.");
    case SvgVerdict::Damaged: break;
    }
    return QCoreApplication::translate("duplikon::SvgCheck", "Das Bild ist beschädigt oder unvollständig.");
}

} // namespace duplikon
