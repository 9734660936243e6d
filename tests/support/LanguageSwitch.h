// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>
#include <QTranslator>

class QWidget;

namespace duplikon::test {

// A language in which every text reads "<<" + the German + ">>".
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override;
};

// What a person reads in window: its title, its menus, and the texts,
// tooltips, titles and tabs of its shown controls that hold a letter
// (neither counts nor "<<"), in a fixed order.
QStringList shownTexts(QWidget *window);

// Installs or removes the translator; every window has retranslated itself on return.
void switchLanguage(QTranslator *translator, bool install);

// Switches window to the marking language and back: the German texts that
// stayed as they were, then those that did not come back byte for byte.
QStringList textsNotFollowingLanguage(QWidget *window);

} // namespace duplikon::test
