// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QFrame>

class QCheckBox;
class QLabel;
class QPushButton;

namespace duplikon {

class ClickLabel;
class FileListBox;
class ListBox;

// The teacher's settings panel Picture2: four switches, the two colour
// fields, the source tasks and the mandatory list. Parked out of view until
// the menu "Einstellungen" is answered with the right password.
class SettingsPanel : public QObject {
    Q_OBJECT
public:
    SettingsPanel(QWidget *client, Platform platform);

    static constexpr int kParked = 13200;
    static constexpr int kShown = 2400;

    void show();
    void park();
    bool shown() const;

    // The click rules of the switches and the list buttons.
    void Check1_Click();
    void Check5_Click();
    void Command4_Click();
    void Command5_Click();

    // Sets a switch without running its click rule (values read from the
    // settings file come back as they were stored).
    static void setQuietly(QCheckBox *box, int value);
    static int value(const QCheckBox *box);

    QFrame *Picture2() const { return m_panel; }
    QCheckBox *Check1() const { return m_check1; }
    QCheckBox *Check2() const { return m_check2; }
    QCheckBox *Check3() const { return m_check3; }
    QCheckBox *Check5() const { return m_check5; }
    ClickLabel *farbe1() const { return m_farbe1; }
    ClickLabel *farbe2() const { return m_farbe2; }
    FileListBox *File2() const { return m_file2; }
    ListBox *pflicht() const { return m_pflicht; }
    QPushButton *Command3() const { return m_command3; }
    QPushButton *Command9() const { return m_command9; }
    QPushButton *Command10() const { return m_command10; }
    QPushButton *Command8() const { return m_command8; }

private:
    void refuse();

    Platform m_platform;
    QFrame *m_panel;
    QCheckBox *m_check1;
    QCheckBox *m_check2;
    QCheckBox *m_check3;
    QCheckBox *m_check5;
    ClickLabel *m_farbe1;
    ClickLabel *m_farbe2;
    FileListBox *m_file2;
    ListBox *m_pflicht;
    QPushButton *m_command3;
    QPushButton *m_command9;
    QPushButton *m_command10;
    QPushButton *m_command8;
};

} // namespace duplikon
