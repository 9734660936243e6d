// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QStringList>

#include <optional>

class QImage;
class QLabel;
class QLineEdit;
class QWidget;

namespace duplikon {

enum class EditorSymbol;

// The green list of left halves (List1) or the blue list of right halves (List2).
enum class PairSide { Left, Right };

// The controls that stand for the two pair lists: each list and its preview box.
struct PairControls {
    QWidget *list1 = nullptr;
    QWidget *lupe1 = nullptr;
    QWidget *list2 = nullptr;
    QWidget *lupe2 = nullptr;
    // The side that w stands for, if it is one of them.
    std::optional<PairSide> sideOf(const QWidget *w) const;
};

class ListBox;
class PictureBox;

// The two pair lists of the editor: the green List1 (left halves) and the
// blue List2 (right halves), each with its count label, its preview box
// (Lupe1, Lupe2) and six symbol buttons, and the text field Text1 that the
// buttons take texts from.
class PairLists : public QObject {
    Q_OBJECT
public:
    // programFolder: the folder picture entries are relative to.
    PairLists(QWidget *client, const QString &programFolder);

    // Counts into Label4 and Label5, and a length warning when a list holds
    // more than 10 entries.
    void ListenPruefen();
    // The labels and tooltips in the application's language.
    void retranslate();

    QStringList leftHalves() const;
    QStringList rightHalves() const;

    // A task file opened from the task file list: the first entry of each
    // list is selected and previewed.
    void openPairs(const QStringList &left, const QStringList &right);
    // "aktuelle Datei": nothing selected, previews and counts wait.
    void takeOverPairs(const QStringList &left, const QStringList &right);
    // "neue Datei ...": empty lists, previews and Text1.
    void startNew();
    // A picture dropped onto List1 or Lupe1 (List2 or Lupe2): appends entry
    // unless it is empty and shows the picture in the list's preview box.
    void dropPicture(QWidget *target, const QString &entry, const QImage &image, const QString &path);
    // A file that came in from outside (an import or a recording), at path:
    // appended to a list as a drop of it from the picture browser.
    void addFile(PairSide side, const QString &entry, const QString &path);

    // The controls, for the window's Tab order, drag targets and help line.
    // A column is its list, then its symbol buttons from left to right.
    QList<QWidget *> greenColumn() const { return m_greenColumn; }
    QList<QWidget *> blueColumn() const { return m_blueColumn; }
    ListBox *List1() const { return m_list1; }
    ListBox *List2() const { return m_list2; }
    PictureBox *Lupe1() const { return m_lupe1; }
    PictureBox *Lupe2() const { return m_lupe2; }
    QLineEdit *Text1() const { return m_text1; }
    PairControls controls() const;

signals:
    // The text for the help line when a list is too long.
    void lengthWarning(const QString &text);

private:
    void List1_Click();
    void List2_Click();
    void listClick(ListBox *list, PictureBox *lupe);
    void showCounts();
    QString text1() const;
    // The operation of a symbol button on its list.
    void symbolClick(ListBox *list, EditorSymbol kind);

    QString m_langname;
    ListBox *m_list1;
    ListBox *m_list2;
    PictureBox *m_lupe1;
    PictureBox *m_lupe2;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label4;
    QLabel *m_label5;
    QVector<QPair<QWidget *, const char *>> m_tips;
    QString m_text1Hint;
    QLineEdit *m_text1;
    QList<QWidget *> m_greenColumn;
    QList<QWidget *> m_blueColumn;
};

} // namespace duplikon
