// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/ExtraSettings.h"
#include "platform/Services.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace duplikon {

// The dialog "Weitere Einstellungen", opened by "Weitere ..." in the
// settings panel: the settings added to the design, stored per user. A value
// an administrator fixed is shown greyed. "OK" stores what was changed,
// "Abbrechen" nothing.
class ExtraSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ExtraSettingsDialog(QWidget *parent, Platform platform, ExtraSettings *settings);

    // The size chosen in the dialog.
    WindowSize chosenSize() const;

    // Stores the changed values; a file that cannot be written is reported.
    void accept() override;

private:
    void showSizeNote();

    Platform m_platform;
    ExtraSettings *m_settings;
    QCheckBox *m_tapPlay;
    QList<std::pair<QRadioButton *, WindowSize>> m_sizes;
    QLabel *m_sizeNote;
};

} // namespace duplikon
