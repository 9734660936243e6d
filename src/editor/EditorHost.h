// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>
#include <QString>
#include <QStringList>

namespace duplikon {

class ExtraSettings;

// What the editor needs of the main window: its program folder and its task
// file list File1 (read, refreshed), the added settings, and a way back to it.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    // The program folder with a trailing separator.
    virtual QString programFolder() const = 0;
    // The entries of the main window's File1, in list order.
    virtual QStringList taskFiles() const = 0;
    // The selected entry of File1, -1 when none.
    virtual int selectedTaskFile() const = 0;
    // File1 reads its folder again; its selection is lost.
    virtual void refreshTaskFiles() = 0;
    // The added settings with the administrator's locks (AufnahmeAus, TonAus);
    // null: every value is its default.
    virtual ExtraSettings *extraSettings() const = 0;
    // The editor has been hidden: show the main window again (its activation follows).
    virtual void editorLeft() = 0;
    // The font of the board's text cells (family, point size, bold), for worksheets.
    virtual QFont cellFont() const
    {
        QFont font(QStringLiteral("Courier New"));
        font.setPointSizeF(12);
        return font;
    }
};

} // namespace duplikon
