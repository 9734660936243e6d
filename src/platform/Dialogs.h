// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace duplikon {

enum class MsgIcon { None, Question, Exclamation, Information, Critical };

// Modal message and input boxes. Texts keep their carriage returns exactly as
// the program writes them; the real dialogs show a CR as a line break.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message with only an OK button.
    virtual void message(const QString &title, const QString &text, MsgIcon icon = MsgIcon::None) = 0;
    // A Yes/No question with the question icon and No as the default button.
    virtual bool askYesNo(const QString &title, const QString &text) = 0;
    // An input box; a cancelled box gives an empty answer.
    virtual QString input(const QString &title, const QString &prompt, const QString &defaultText) = 0;
    // The desktop's dialog for opening several files; filter as
    // "Bilder (*.png *.jpg)". A cancelled dialog gives no files.
    virtual QStringList openFiles(const QString &title, const QString &filter) = 0;
    // The desktop's dialog for saving a file, starting at suggested (a path or
    // a name); it asks before replacing a file. A name typed without an ending
    // gets defaultSuffix ("pdf") before that question. Cancelled: an empty path.
    virtual QString saveFile(const QString &title, const QString &filter, const QString &suggested,
                             const QString &defaultSuffix = QString()) = 0;
    // The names as large buttons and a last one "Anderer Name ..."
    // (platform/NamePicker.h): the index of the name chosen, kOtherName for
    // the last button, -1 when the box is closed without a choice.
    static constexpr int kOtherName = -2;
    virtual int chooseName(const QString &title, const QStringList &names) = 0;
};

// The real boxes on top of the active window.
class QtDialogs : public Dialogs {
public:
    void message(const QString &title, const QString &text, MsgIcon icon) override;
    bool askYesNo(const QString &title, const QString &text) override;
    QString input(const QString &title, const QString &prompt, const QString &defaultText) override;
    QStringList openFiles(const QString &title, const QString &filter) override;
    QString saveFile(const QString &title, const QString &filter, const QString &suggested,
                     const QString &defaultSuffix = QString()) override;
    int chooseName(const QString &title, const QStringList &names) override;

    // CR LF and lone CRs become line breaks for display.
    static QString displayText(const QString &text);
};

} // namespace duplikon
