// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>

class QWidget;

namespace duplikon {

// A font of the windows' controls: "MS Sans Serif" bold 9.75 pt unless told otherwise.
QFont designFont(qreal points = 9.75, bool bold = true, const QString &family = QStringLiteral("MS Sans Serif"));

// The family of the board's text cells, "Courier New".
QString cellFontFamily();

// The windows and task files ask for Windows fonts by name. Where the system lacks them,
// metric twins stand in: "MS Sans Serif" and "Arial" as Liberation Sans,
// "Courier New" as Liberation Mono. Without this, fontconfig picks a wider
// sans serif and captions such as "Kurze Dateiwahl" no longer fit.
void installFontSubstitutes();

// The designed fonts have no Arabic letters. A font that has them (Amiri,
// Scheherazade, Noto Naskh Arabic, whichever is installed) follows each
// designed family, so that Arabic and Persian texts are drawn with it.
void installScriptFonts();

// The controls of a panel stand at fixed places with fixed sizes. In a
// language other than German a caption that does not fit its control is set
// smaller, down to 60 % of its size; German keeps the designed fonts.
void fitCaptions(QWidget *panel);

} // namespace duplikon
