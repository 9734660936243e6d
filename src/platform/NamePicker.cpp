// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NamePicker.h"

#include "platform/KeyboardAccess.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace duplikon {

namespace {

constexpr int kButtonWidth = 200;
constexpr int kButtonHeight = 48; // a child's finger
constexpr int kNamePoints = 14;
constexpr int kSmallestPoints = 9;
constexpr int kRowsShown = 9;     // more rows scroll

// Columns for n buttons: two for a few, four for a large class.
int columnsFor(int buttons)
{
    return std::clamp((buttons + 7) / 8, 2, 4);
}

// The caption of a name on a button of width: the name in a font of
// kNamePoints, smaller where it does not fit, shortened as a last resort.
void fitCaption(QPushButton *button, const QString &name, int width)
{
    QFont font = button->font();
    font.setBold(true);
    int points = kNamePoints;
    for (; points > kSmallestPoints; --points) {
        font.setPointSize(points);
        if (QFontMetrics(font).horizontalAdvance(name) <= width)
            break;
    }
    font.setPointSize(points);
    button->setFont(font);
    button->setText(QFontMetrics(font).elidedText(name, Qt::ElideRight, width));
    if (button->text() != name)
        button->setToolTip(name);
    button->setAccessibleName(name);
}

} // namespace

NamePicker::NamePicker(const QString &title, const QStringList &names, QWidget *parent)
    : QDialog(parent), m_names(names)
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("NamePicker"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("Tippe auf deinen Namen:"), this);
    QFont headingFont = heading->font();
    headingFont.setPointSize(kNamePoints);
    heading->setFont(headingFont);
    layout->addWidget(heading);

    auto *grid = new QWidget;
    auto *gridLayout = new QGridLayout(grid);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    m_columns = columnsFor(int(names.size()) + 1);
    const int textWidth = kButtonWidth - 16;
    for (int i = 0; i <= names.size(); ++i) {
        auto *button = new QPushButton(grid);
        button->setFixedSize(kButtonWidth, kButtonHeight);
        button->setAutoDefault(false);
        pressOnEnter(button);
        if (i < names.size()) {
            fitCaption(button, names.at(i), textWidth);
            button->setObjectName(QStringLiteral("name%1").arg(i));
        } else {
            fitCaption(button, tr("Anderer Name ..."), textWidth);
            button->setObjectName(QStringLiteral("andererName"));
        }
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, i] { choose(i); });
        gridLayout->addWidget(button, i / m_columns, i % m_columns);
        m_buttons.append(button);
    }

    auto *scroll = new QScrollArea(this);
    scroll->setWidget(grid);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rows = int((m_buttons.size() + m_columns - 1) / m_columns);
    const QSize gridSize = grid->sizeHint();
    const int shownRows = std::min(rows, kRowsShown);
    const int scrollBar = rows > kRowsShown ? scroll->verticalScrollBar()->sizeHint().width() : 0;
    scroll->setFixedSize(gridSize.width() + scrollBar,
                         rows > kRowsShown ? gridSize.height() * shownRows / rows : gridSize.height());
    layout->addWidget(scroll);
    m_buttons.first()->setFocus();
}

void NamePicker::choose(int index)
{
    m_chosen = index < m_names.size() ? index : kOtherName;
    accept();
}

void NamePicker::moveFocus(int step)
{
    const int at = int(m_buttons.indexOf(qobject_cast<QPushButton *>(focusWidget())));
    if (at < 0) {
        m_buttons.first()->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int to = at + step;
    // At an edge the focus stays, as on the board.
    if (to < 0 || to >= m_buttons.size() || (std::abs(step) == 1 && to / m_columns != at / m_columns))
        return;
    m_buttons.at(to)->setFocus(Qt::OtherFocusReason);
    if (auto *scroll = findChild<QScrollArea *>())
        scroll->ensureWidgetVisible(m_buttons.at(to));
}

void NamePicker::focusByLetter(const QString &letter)
{
    // The next name after the focused one that begins with the letter.
    const int at = int(m_buttons.indexOf(qobject_cast<QPushButton *>(focusWidget())));
    for (int k = 1; k <= m_names.size(); ++k) {
        const int i = int((std::max(at, -1) + k) % m_names.size());
        if (m_names.at(i).startsWith(letter, Qt::CaseInsensitive)) {
            m_buttons.at(i)->setFocus(Qt::OtherFocusReason);
            if (auto *scroll = findChild<QScrollArea *>())
                scroll->ensureWidgetVisible(m_buttons.at(i));
            return;
        }
    }
}

bool NamePicker::eventFilter(QObject *watched, QEvent *event)
{
    // The buttons' keys, before a button or the scroll area takes them.
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void NamePicker::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QDialog::keyPressEvent(event);
}

bool NamePicker::handleKey(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Left: moveFocus(-1); return true;
    case Qt::Key_Right: moveFocus(1); return true;
    case Qt::Key_Up: moveFocus(-m_columns); return true;
    case Qt::Key_Down: moveFocus(m_columns); return true;
    default: break;
    }
    const QString text = event->text();
    if (!m_names.isEmpty() && text.size() == 1 && text.at(0).isLetter()) {
        focusByLetter(text);
        return true;
    }
    return false;
}

} // namespace duplikon
