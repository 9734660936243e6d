// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFrame>

class QCheckBox;
class QPushButton;

namespace duplikon {

class LessonState;

// The button strip Frame1 below the board: "Benutzer" (Command7), the points
// (punkte), "zweifarbige Fenster" (Check4), the two "Abc" buttons (Schrift1,
// Schrift2) and "Fett" (Command6). The buttons of the text style change the
// lesson's look; the others tell the main window what was clicked.
class ButtonStrip : public QFrame {
    Q_OBJECT
public:
    ButtonStrip(QWidget *client, LessonState *lesson);

    // The button the board shows its points on.
    QPushButton *punkte() const { return m_punkte; }

    void Schrift1_Click(); // the cells' text one step smaller
    void Schrift2_Click(); // one step larger
    void Command6_Click(); // bold or normal; the caption names the other
    // Check4 shows the cells' mode, without a click.
    void showTwoColours(bool on);

signals:
    void userClicked();
    void pointsClicked();
    // Check4 was switched: the cells are to take that mode.
    void twoColoursClicked(bool on);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    LessonState *m_lesson;
    QString m_userName; // null until a child is named
    bool m_captionBold = true; // Command6 reads "Fett"
    QPushButton *m_schrift1;
    QPushButton *m_schrift2;
    QPushButton *m_command7;
    QPushButton *m_punkte;
    QCheckBox *m_check4;
    QPushButton *m_command6;
};

} // namespace duplikon
