// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QVector>

class QLabel;

namespace duplikon {

// The editor's help line: the text under the pointer, and on top of it the
// messages of work in progress ("Bild 2 von 6 ...", a running recording).
// A pushed message is painted at once; popping it goes back to the text
// before, unless the line shows another text by now (the pointer moved on).
class HelpLine : public QObject {
    Q_OBJECT
public:
    explicit HelpLine(QLabel *label);

    void push(const QString &message);
    void pop();

private:
    struct Pushed {
        QString before;
        QString message;
    };
    QLabel *m_label;
    QVector<Pushed> m_pushed;
};

} // namespace duplikon
