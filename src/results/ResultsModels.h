// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultsStatistics.h"

#include <QAbstractTableModel>
#include <QPalette>

namespace duplikon {

// The tables of the window "Ergebnisse", each a view of the period shown.
// A cell with wrong drops is shaded from light to strong by their share of
// all drops, beside the number, in colours mixed from the palette (so the
// system's high-contrast colours stay readable).

// The shading of a share of wrong drops (0 … 1): a background and a text
// colour that reads on it.
struct Shade {
    QColor background;
    QColor text;
};
Shade wrongShade(double share, const QPalette &palette);

// "Kinder": a row a child (everyone with a line in the period), a column a
// task: "2 gelöst, 3 falsch".
class ChildrenModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void show(const ResultsData &shown);
    // With the card box on, the second column "Kartei" shows each child's
    // cards per compartment ("12 · 5 · 3 · 0 · 1").
    void setCardBox(bool on);
    QString child(int row) const { return m_children.value(row); }
    int rowOf(const QString &child) const { return int(m_children.indexOf(child)); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Cell {
        int solved = 0;
        int wrong = 0;
        int matches = 0;
    };
    int firstTaskColumn() const { return m_cardBox ? 2 : 1; }

    bool m_cardBox = false;
    QHash<QString, QString> m_compartments; // child -> "12 · 5 · 3 · 0 · 1"
    QStringList m_children;
    QStringList m_tasks;
    QHash<std::pair<QString, QString>, Cell> m_cells; // child and task
};

// The runs of one child: date, task, time taken, wrong drops.
class RunsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void show(const ResultsData &shown, const QString &child);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVector<ResultRun> m_runs;
};

// "Paare": every pair, hardest first; a row shaded by its share of wrong drops.
class PairsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void show(const ResultsData &shown);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVector<ResultPair> m_pairs;
};

} // namespace duplikon
