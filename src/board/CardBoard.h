// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "board/CardGame.h"
#include "platform/Colours.h"
#include "platform/Services.h"

#include <QFont>
#include <QVector>
#include <QWidget>

class QLabel;
class QPainter;
class QTimer;

namespace duplikon {

class BoardVoice;
class CardFace;

// The back of a card, drawn by the program at any size: a circle on dark
// blue, or for second halves kept apart a diamond on dark red.
void drawCardBack(QPainter &painter, const QRectF &r, bool second);

// The card game where the board's cells lie: the cards of a CardGame in a
// block centred on the cells' area, face down with a back the program draws,
// open with their half drawn as a cell of the board draws it, a tick or a
// cross on a decided pair. A click, a tap, or Space or Enter on the focused
// card goes to the game; the arrow keys move over the cards as over cells;
// dragging does nothing. Time comes from here: a match vanishes after
// kMatchShownMilliseconds, a mismatch turns back after the seconds set, or
// at the next press or key. With two teams or more a line under the cards
// says whose turn it is and each team's pairs.
class CardBoard : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxCards = 20;
    static constexpr int kMatchShownMilliseconds = 1000;

    CardBoard(QWidget *client, BoardVoice *voice);

    CardGame *game() const { return m_game; }
    // The rules of the next deal, and the seconds a mismatch stays open (0:
    // until the next press or key).
    void setRules(const CardGame::Rules &rules, int coverSeconds);
    // Deals the task, shuffled with `random` (seeded by the caller), with
    // picture and sound files in `folder`; the pictures are decoded now.
    void deal(const Task &task, const QString &folder, Random &random);
    void clear();
    void setTextStyle(const QFont &font);
    void setColours(ColourValue question, ColourValue answer, bool twoColours);

    // The widget of card i (from 0), named Karte<i + 1>.
    QWidget *cardWidget(int i) const;
    QLabel *turnLine() const { return m_turnLine; }
    // Each team's colour, dark enough to read on the window's background.
    static QColor teamColour(int team);
    // What the end says with teams: the winning team or teams, or that all
    // have the same.
    static QString resultMessage(const QVector<int> &winners, int teams);

signals:
    // The dealt cards show (or the cleared block).
    void cardsDrawn();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class CardFace;
    void press(int card);
    bool key(int card, int key, bool autoRepeat);
    void layOut();
    void redraw(int card);
    void decided(int first, int second, bool match);
    void showTeams();
    void applyColours();
    int cardOf(const QObject *w) const;

    CardGame *m_game;
    BoardVoice *m_voice;
    QVector<CardFace *> m_faces;
    QWidget *m_teamBar;
    QLabel *m_turnLine;
    QVector<QLabel *> m_teamPairs;
    QTimer *m_settle;
    CardGame::Rules m_rules;
    int m_coverSeconds = 0;
    QFont m_font;
    ColourValue m_question = 0xFFFFFF;
    ColourValue m_answer = 0xFFFFC0;
    bool m_twoColours = false;
    bool m_keyboardUsed = false;
    bool m_mouseSinceKeys = false;
};

} // namespace duplikon
