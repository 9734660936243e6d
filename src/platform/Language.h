// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <functional>

class QWidget;

namespace duplikon {

// The languages of the program. German is the language of the sources; the
// others come from the catalogues built into the program
// (:/i18n/duplikon_<code>.qm) and Qt's own (qtbase_<code>.qm).
struct LanguageName {
    QString code;    // "de", "uk" ...
    QString ownName; // as the language names itself: "Українська"
};
// German first, then the others in the order a dialog offers them.
const QList<LanguageName> &languages();

namespace language {
// The setting's value that follows the desktop.
inline const QString kSystem = QStringLiteral("System");
inline const QString kGerman = QStringLiteral("de");
// A language for tests only, listed nowhere: every text 40 % longer, with
// accented letters (PseudoTranslator).
inline const QString kTest = QStringLiteral("x-test");
} // namespace language

// Every value the setting Sprache takes: System, the codes of languages(), x-test.
QStringList languageSettingValues();

// The language a setting asks for: System is the desktop's language when the
// program has it, German otherwise; an unknown value is German.
QString chosenLanguage(const QString &setting, const QLocale &desktop = QLocale::system());

// The locale of a language: numbers and dates as the language writes them
// (German ones for x-test).
QLocale localeOf(const QString &code);

// A text as x-test shows it: letters accented, 40 % longer, with every place
// holder (%1, %n, %L1), accelerator "&", carriage return, HTML tag and entity
// kept as it is.
QString pseudoTranslation(const QString &source);

class PseudoTranslator : public QTranslator {
    Q_OBJECT
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

// Makes code (from chosenLanguage) the language of the running application:
// the program's and Qt's catalogues, the default locale and the layout
// direction (right to left where the language writes so). Every window gets
// QEvent::LanguageChange and retranslates itself. False when the program has
// no catalogue for the language (its texts then stay German).
bool applyLanguage(const QString &code);
// The language applied last; German before any.
QString currentLanguage();

// Calls retranslate whenever widget gets QEvent::LanguageChange: for the parts
// of a window that are no widget themselves but fill one with texts.
void onLanguageChange(QWidget *widget, std::function<void()> retranslate);
// A panel whose controls stand at fixed places: in a right-to-left language
// they stand mirrored within the panel (the board, a task's halves and
// pictures never are).
void mirrorWithDirection(QWidget *panel);

// Sets the "text" property of the child named name (a label, a button, a
// check box).
void setChildText(const QWidget *parent, const char *name, const QString &text);

} // namespace duplikon
