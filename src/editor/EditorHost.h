// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Fonts.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace duplikon {

class ClassroomConfig;
class TaskFolder;

// What the editor needs of the main window: its program folder and the model
// of that folder's files, the task chosen there, the added settings, and a
// way back to it.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    // The program folder with a trailing separator.
    virtual QString programFolder() const = 0;
    // The task files, pictures and sounds of the program folder.
    virtual TaskFolder *taskFolder() const = 0;
    // The task file chosen in the main window's list, empty when none is.
    virtual QString chosenTaskFile() const = 0;
    // The added settings with the administrator's locks (AufnahmeAus, TonAus);
    // null: every value is its default.
    virtual ClassroomConfig *classroomConfig() const = 0;
    // The editor has been hidden: show the main window again (its activation follows).
    virtual void editorLeft() = 0;
    // The font of the board's text cells (family, point size, bold), for worksheets.
    virtual QFont cellFont() const
    {
        QFont font(cellFontFamily());
        font.setPointSizeF(12);
        return font;
    }
};

} // namespace duplikon
