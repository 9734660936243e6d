// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QStringList>
#include <QVector>

class QPushButton;

namespace duplikon {

// The class list as a modal choice: every name a large button, in the order
// given, row by row in several columns, and last "Anderer Name ...". One tap
// or click chooses; Tab, the arrow keys and a typed first letter move the
// focus, Space or Enter chooses, Escape closes without a choice. A name too
// long for its button is drawn smaller, then shortened with "…"; the button's
// accessible name is always the whole name.
class NamePicker : public QDialog {
    Q_OBJECT
public:
    // chosen() after "Anderer Name ..." (Dialogs::kOtherName).
    static constexpr int kOtherName = -2;

    NamePicker(const QString &title, const QStringList &names, QWidget *parent = nullptr);

    // The index of the chosen name, kOtherName, or -1 (closed).
    int chosen() const { return m_chosen; }
    int columns() const { return m_columns; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Arrows and letters; false for the keys a button or the dialog handles.
    bool handleKey(QKeyEvent *event);
    void choose(int index);
    void moveFocus(int step);
    void focusByLetter(const QString &letter);

    QVector<QPushButton *> m_buttons; // the names, then "Anderer Name ..."
    QStringList m_names;
    int m_columns = 1;
    int m_chosen = -1;
};

} // namespace duplikon
