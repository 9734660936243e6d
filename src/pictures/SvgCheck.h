// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

namespace duplikon {

// The SVG reader draws pictures and style sheets named by any path, and
// repeats a <use> element's target as often as it is used. So an SVG is read
// as XML before it is drawn and refused when anything in it points outside the
// file or when it would draw too much.
constexpr quint64 kMaxSvgShapes = 100000;

enum class SvgVerdict {
    Safe,
    RefersOutside,  // an href, url(…) or style sheet that is no part of the file
    Entities,       // a DOCTYPE that declares entities
    TooManyShapes,  // <use> elements that multiply past kMaxSvgShapes, or use themselves
    Damaged,        // not well-formed XML
};

SvgVerdict checkSvg(const QByteArray &data);

// The German reason for a refusal; empty for Safe.
QString svgRefusal(SvgVerdict verdict);

// True for a reference the SVG reader resolves inside the file: "#…" or a
// PNG, JPEG or GIF picture in base64 data.
bool isInsideReference(QStringView target);

} // namespace duplikon
