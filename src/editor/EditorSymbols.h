// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QWidget>

namespace duplikon {

// The six symbols of the editor's list buttons, drawn at run time, 32 x 32.
enum class EditorSymbol { Insert, MoveUp, Replace, Take, MoveDown, Delete };

QImage editorSymbol(EditorSymbol kind);

// The preview of a sound half: the loudspeaker above the name, on white,
// size large; struck through when the file at path cannot play.
QImage soundPreview(const QSize &size, const QString &path, const QString &name);

// A picture box used as a button: a raised square with its symbol that
// reports a click, or Space or Enter when it has the Tab focus.
class SymbolButton : public QWidget {
    Q_OBJECT
public:
    SymbolButton(EditorSymbol kind, QWidget *parent = nullptr);
    QImage symbol() const { return m_symbol; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QImage m_symbol;
    bool m_down = false;
};

} // namespace duplikon
