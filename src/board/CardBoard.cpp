// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/CardBoard.h"

#include "board/Board.h"
#include "board/BoardKeyboard.h"
#include "board/BoardVoice.h"
#include "board/CellLabel.h"
#include "board/ColourCycle.h"
#include "pictures/PictureBox.h"
#include "platform/Geometry.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace duplikon {

namespace {
// The cells' size and the gap between them, as the board places them.
constexpr int kCardWidth = 161;
constexpr int kCardHeight = 121;
constexpr int kGap = 7;
constexpr int kTeamBarHeight = 44;

} // namespace

// A dark ground with a light frame and a large shape: a circle for first
// halves (and every card when the halves are not kept apart), a diamond on
// another colour for second halves.
void drawCardBack(QPainter &p, const QRectF &r, bool second)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ground = second ? QColor(125, 20, 20) : QColor(15, 40, 110);
    const QColor shape = second ? QColor(255, 210, 0) : QColor(Qt::white);
    p.fillRect(r, ground);
    const qreal u = qMin(r.width(), r.height()) / 14.0;
    p.setPen(QPen(shape, u * 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(u, u, -u, -u), u, u);
    const qreal side = qMin(r.width(), r.height()) * 0.5;
    const QRectF c(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    p.setPen(Qt::NoPen);
    p.setBrush(shape);
    if (second) {
        const QPointF diamond[4] = {{c.center().x(), c.top()}, {c.right(), c.center().y()},
                                    {c.center().x(), c.bottom()}, {c.left(), c.center().y()}};
        p.drawPolygon(diamond, 4);
    } else {
        p.drawEllipse(c);
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

namespace {

// A tick or a cross in a white disc with a black edge, in the card's top
// right corner: the shape says it, the colour only helps.
void drawMark(QPainter &p, const QRectF &card, Card::Mark mark)
{
    if (mark == Card::Mark::None)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = qMin(card.width(), card.height()) * 0.42;
    const QRectF disc(card.right() - d - 4, card.top() + 4, d, d);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(disc);
    const bool tick = mark == Card::Mark::Tick;
    QPen pen(tick ? QColor(0, 130, 0) : QColor(200, 0, 0), d / 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    const auto at = [&](qreal x, qreal y) { return QPointF(disc.left() + x * d, disc.top() + y * d); };
    if (tick) {
        const QPointF line[3] = {at(0.25, 0.52), at(0.43, 0.7), at(0.76, 0.3)};
        p.drawPolyline(line, 3);
    } else {
        p.drawLine(at(0.3, 0.3), at(0.7, 0.7));
        p.drawLine(at(0.7, 0.3), at(0.3, 0.7));
    }
}
} // namespace

// What lies over an open card: its tick or cross, and the focus frame.
class CardMarks : public QWidget {
public:
    explicit CardMarks(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    Card::Mark mark = Card::Mark::None;
    bool focusFrame = false;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        drawMark(p, rect(), mark);
        if (!focusFrame)
            return;
        p.setRenderHint(QPainter::Antialiasing, false);
        drawFocusFrame(p, rect());
    }
};

// One card: the back, or the half in a picture control and a text control of
// the board's own kind, with the marks over them.
class CardFace : public QWidget {
public:
    CardFace(CardBoard *board, int index) : QWidget(board), m_board(board), m_index(index)
    {
        setObjectName(QStringLiteral("Karte%1").arg(index + 1));
        setFocusPolicy(Qt::TabFocus);
        picture = Board::newPictureCell(this);
        label = Board::newTextCell(this, board->m_font);
        for (QWidget *w : {static_cast<QWidget *>(picture), static_cast<QWidget *>(label)})
            w->setAttribute(Qt::WA_TransparentForMouseEvents);
        marks = new CardMarks(this);
        hide();
    }

    void place(const QRect &r)
    {
        setGeometry(r);
        picture->setGeometry(rect());
        label->setGeometry(rect());
        marks->setGeometry(rect());
    }

    PictureBox *picture;
    CellLabel *label;
    CardMarks *marks;
    bool secondBack = false;
    bool open = false;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (open)
            return;
        QPainter p(this);
        drawCardBack(p, rect(), secondBack);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_board->press(m_index);
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            || !m_board->key(m_index, event->key(), event->isAutoRepeat()))
            QWidget::keyPressEvent(event);
    }

private:
    CardBoard *m_board;
    int m_index;
};

CardBoard::CardBoard(QWidget *client, BoardVoice *voice)
    : QWidget(client), m_game(new CardGame(this)), m_voice(voice), m_settle(new QTimer(this)),
      m_font(Board::textFont(14, true))
{
    setObjectName(QStringLiteral("cards"));
    placeTwips(this, 240, 240, 12495, 7575); // where the cells lie
    for (int i = 0; i < kMaxCards; ++i) {
        m_faces << new CardFace(this, i);
        m_faces.last()->installEventFilter(this);
    }
    m_teamBar = new QWidget(this);
    m_teamBar->setObjectName(QStringLiteral("teamBar"));
    m_teamBar->setGeometry(0, height() - kTeamBarHeight, width(), kTeamBarHeight);
    auto *bar = new QHBoxLayout(m_teamBar);
    bar->setContentsMargins(4, 0, 4, 0);
    m_turnLine = new QLabel(m_teamBar);
    m_turnLine->setObjectName(QStringLiteral("turnLine"));
    QFont large = font();
    large.setPointSize(20);
    large.setBold(true);
    m_turnLine->setFont(large);
    bar->addWidget(m_turnLine, 1);
    for (int t = 0; t < CardGame::kMaxTeams; ++t) {
        auto *pairs = new QLabel(m_teamBar);
        pairs->setObjectName(QStringLiteral("teamPairs%1").arg(t + 1));
        pairs->setAlignment(Qt::AlignCenter);
        bar->addWidget(pairs);
        m_teamPairs << pairs;
    }
    m_teamBar->hide();
    m_settle->setSingleShot(true);
    connect(m_settle, &QTimer::timeout, m_game, &CardGame::settle);
    connect(m_game, &CardGame::cardTurned, this, [this](int card) {
        redraw(card);
        m_voice->halfShown(m_game->card(card).half);
    });
    connect(m_game, &CardGame::pairDecided, this, &CardBoard::decided);
    connect(m_game, &CardGame::settled, this, [this](int first, int second) {
        m_settle->stop();
        redraw(first);
        redraw(second);
        showTeams();
    });
    connect(m_game, &CardGame::teamChanged, this, &CardBoard::showTeams);
    hide();
}

QWidget *CardBoard::cardWidget(int i) const
{
    return m_faces.value(i);
}

int CardBoard::cardOf(const QObject *w) const
{
    for (int i = 0; i < m_faces.size(); ++i)
        if (m_faces.at(i) == w)
            return i;
    return -1;
}

void CardBoard::setRules(const CardGame::Rules &rules, int coverSeconds)
{
    m_rules = rules;
    m_coverSeconds = coverSeconds;
}

void CardBoard::clear()
{
    m_settle->stop();
    m_game->clear();
    layOut();
}

void CardBoard::deal(const Task &task, const QString &folder, Random &random)
{
    m_settle->stop();
    m_game->deal(task, folder, random, m_rules);
    layOut();
}

void CardBoard::layOut()
{
    const bool teams = m_game->rules().teams > 1 && m_game->cardCount() > 0;
    const int rows = m_game->rows();
    const int columns = m_game->columns();
    const int room = height() - (teams ? kTeamBarHeight : 0);
    const int cardHeight = rows ? qMin(kCardHeight, (room - (rows - 1) * kGap) / rows) : 0;
    const int left = (width() - columns * kCardWidth - (columns - 1) * kGap) / 2;
    const int top = (room - rows * cardHeight - (rows - 1) * kGap) / 2;
    // The pictures are decoded together, on all cores, for the size they show in.
    QVector<PictureRequest> requests;
    for (int i = 0; i < m_faces.size(); ++i) {
        CardFace *face = m_faces.at(i);
        if (i >= m_game->cardCount()) {
            face->hide();
            continue;
        }
        const Card &c = m_game->card(i);
        const int row = c.slot / columns;
        const int column = c.slot % columns;
        face->place(QRect(left + column * (kCardWidth + kGap), top + row * (cardHeight + kGap), kCardWidth, cardHeight));
        face->secondBack = m_game->rules().grouped && c.slot >= rows / 2 * columns;
        if (c.half.picture)
            requests.append({c.half.file, face->picture->contentsRect().size(), face->picture->fit()});
    }
    const QVector<LoadedPicture> pictures = loadPictures(requests);
    QStringList sounds;
    for (int i = 0, k = 0; i < m_game->cardCount(); ++i) {
        const BoardCell &c = m_game->card(i).half;
        Board::showHalf(c, c.picture ? pictures.at(k++) : LoadedPicture(), m_faces.at(i)->picture, m_faces.at(i)->label);
        if (!c.soundFile.isEmpty())
            sounds << c.soundFile;
        redraw(i);
    }
    applyColours();
    m_teamBar->setVisible(teams);
    showTeams();
    m_voice->prepareSoundFiles(sounds);
    if (m_game->cardCount() && isVisible() && !window()->focusWidget())
        m_faces.first()->setFocus(Qt::OtherFocusReason);
    emit cardsDrawn();
}

void CardBoard::redraw(int i)
{
    CardFace *face = m_faces.at(i);
    const Card &c = m_game->card(i);
    face->open = c.face == Card::Face::Open;
    face->setVisible(c.face != Card::Face::Gone);
    const bool showPicture = face->open && c.half.picture;
    face->picture->setVisible(showPicture);
    face->label->setVisible(face->open && !c.half.picture);
    face->marks->mark = c.mark;
    face->marks->raise();
    const QWidget *shown = showPicture ? static_cast<QWidget *>(face->picture) : face->label;
    face->setAccessibleName(
        tr("Karte %1, %2").arg(QString::number(i + 1), face->open ? shown->accessibleName() : tr("verdeckt")));
    face->setAccessibleDescription(c.mark == Card::Mark::Tick    ? tr("Richtig")
                                   : c.mark == Card::Mark::Cross ? tr("Passt nicht")
                                                                 : QString());
    face->update();
    face->marks->update();
    if (c.face == Card::Face::Gone && face->hasFocus()) {
        // The focus goes on to the next card still there.
        for (int k = 1; k < m_game->cardCount(); ++k) {
            const int n = (i + k) % m_game->cardCount();
            if (m_game->card(n).face != Card::Face::Gone) {
                m_faces.at(n)->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
        setFocus(Qt::OtherFocusReason);
    }
}

void CardBoard::decided(int first, int second, bool match)
{
    redraw(first);
    redraw(second);
    showTeams();
    if (match)
        m_settle->start(kMatchShownMilliseconds);
    else if (m_coverSeconds > 0)
        m_settle->start(m_coverSeconds * 1000);
}

void CardBoard::press(int card)
{
    m_keyboardUsed = false;
    m_mouseSinceKeys = true;
    if (!m_faces.at(card)->hasFocus())
        m_faces.at(card)->setFocus(Qt::MouseFocusReason);
    m_game->press(card);
}

bool CardBoard::key(int card, int key, bool autoRepeat)
{
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    const bool turn = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (autoRepeat && turn)
        return true;
    // Any key turns a mismatch back.
    if (m_game->deciding() && !m_game->decidedMatch() && (arrow || turn || key == Qt::Key_Escape)) {
        m_game->settle();
        if (!arrow)
            return true;
    }
    if (arrow) {
        m_keyboardUsed = true;
        m_mouseSinceKeys = false;
        const Card &c = m_game->card(card);
        const int place = arrowNeighbour(c.slot, key, m_game->rows(), m_game->columns(), [this](int slot) {
            const int n = m_game->cardAt(slot);
            return n >= 0 && m_game->card(n).face != Card::Face::Gone;
        });
        if (place >= 0)
            m_faces.at(m_game->cardAt(place))->setFocus(Qt::OtherFocusReason);
        m_faces.at(card)->marks->focusFrame = false;
        for (CardFace *face : std::as_const(m_faces)) {
            face->marks->focusFrame = face->hasFocus();
            face->marks->update();
        }
        return true;
    }
    if (turn) {
        if (m_mouseSinceKeys)
            return true; // pressed by accident after mouse play
        m_keyboardUsed = true;
        m_game->press(card);
        return true;
    }
    if (key == Qt::Key_L) {
        if (m_game->card(card).face == Card::Face::Open)
            m_voice->halfShown(m_game->card(card).half);
        return true;
    }
    return false;
}

bool CardBoard::eventFilter(QObject *watched, QEvent *event)
{
    const int i = cardOf(watched);
    if (i < 0 || (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut))
        return false;
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            m_keyboardUsed = true;
            m_mouseSinceKeys = false;
        }
    }
    CardMarks *marks = m_faces.at(i)->marks;
    marks->focusFrame = event->type() == QEvent::FocusIn && m_keyboardUsed;
    marks->update();
    return false;
}

void CardBoard::setTextStyle(const QFont &font)
{
    m_font = font;
    for (CardFace *face : std::as_const(m_faces))
        face->label->setFont(font);
}

void CardBoard::setColours(ColourValue question, ColourValue answer, bool twoColours)
{
    m_question = question;
    m_answer = answer;
    m_twoColours = twoColours;
    applyColours();
}

void CardBoard::applyColours()
{
    // The faces take the board's colour rule, in the order of the cards.
    QStringList keys;
    for (int i = 0; i < m_game->cardCount(); ++i)
        keys << keyString(2 * m_game->card(i).half.pairKey, m_game->card(i).half.half);
    const QVector<ColourValue> colours = m_twoColours ? twoColourList(keys, m_question, m_answer)
                                                      : singleColourList(m_question);
    for (int i = 0; i < m_faces.size(); ++i) {
        setBackground(m_faces.at(i)->picture, colours.value(i, m_question));
        setBackground(m_faces.at(i)->label, colours.value(i, m_question));
    }
}

QColor CardBoard::teamColour(int team)
{
    static const QColor colours[CardGame::kMaxTeams] = {QColor(0, 60, 190), QColor(180, 0, 0), QColor(0, 110, 0),
                                                        QColor(120, 0, 150)};
    return colours[qBound(0, team, CardGame::kMaxTeams - 1)];
}

void CardBoard::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    for (int i = 0; i < m_game->cardCount() && i < m_faces.size(); ++i)
        redraw(i);
    showTeams();
}

void CardBoard::showTeams()
{
    const int teams = m_game->rules().teams;
    const int team = m_game->team();
    m_turnLine->setText(tr("Mannschaft %1 ist dran").arg(team + 1));
    m_turnLine->setStyleSheet(QStringLiteral("color: %1").arg(teamColour(team).name()));
    for (int t = 0; t < m_teamPairs.size(); ++t) {
        QLabel *pairs = m_teamPairs.at(t);
        pairs->setVisible(t < teams);
        const int n = m_game->teamPairs(t);
        // Two texts, so that the German reads "1 Paar" and "2 Paare".
        pairs->setText((n == 1 ? tr("Mannschaft %1\n%n Paar", nullptr, n) : tr("Mannschaft %1\n%n Paare", nullptr, n))
                           .arg(t + 1));
        // The team on turn is framed, in its colour and its number.
        pairs->setStyleSheet(QStringLiteral("color: %1; border: %2px solid %1; padding: 0 4px")
                                 .arg(teamColour(t).name())
                                 .arg(t == team ? 3 : 0));
    }
}

QString CardBoard::resultMessage(const QVector<int> &winners, int teams)
{
    if (winners.size() >= teams)
        return teams == 2 ? tr("Beide Mannschaften haben gleich viele Paare.\r")
                          : tr("Alle Mannschaften haben gleich viele Paare.\r");
    QStringList names;
    for (int t : winners)
        names << QString::number(t + 1);
    if (names.size() == 1)
        return tr("Mannschaft %1 hat gewonnen!\r").arg(names.first());
    const QString last = names.takeLast();
    return tr("Die Mannschaften %1 und %2 haben gewonnen!\r").arg(names.join(QStringLiteral(", ")), last);
}

} // namespace duplikon
