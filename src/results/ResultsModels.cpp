// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsModels.h"

#include "platform/LocalNumber.h"

#include <QApplication>

#include <algorithm>

namespace duplikon {

namespace {

QVariant header(const QStringList &names, int section, Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return names.value(section);
}

double luminance(const QColor &c)
{
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t), float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t));
}

QVariant shaded(double share, int role)
{
    if (share <= 0 || (role != Qt::BackgroundRole && role != Qt::ForegroundRole))
        return {};
    const Shade shade = wrongShade(share, QApplication::palette());
    return role == Qt::BackgroundRole ? shade.background : shade.text;
}

double shareOf(int wrong, int right)
{
    return wrong + right > 0 ? double(wrong) / double(wrong + right) : 0.0;
}

} // namespace

Shade wrongShade(double share, const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor strong = palette.color(QPalette::Highlight);
    // From a tenth of the way (any wrong drop shows) to all of it.
    const QColor background = mix(base, strong, 0.1 + 0.9 * std::clamp(share, 0.0, 1.0));
    const QColor text = palette.color(QPalette::Text);
    const QColor highlighted = palette.color(QPalette::HighlightedText);
    // The text colour of the two that stands further from the background.
    const double l = luminance(background);
    return {background, std::abs(luminance(text) - l) >= std::abs(luminance(highlighted) - l) ? text : highlighted};
}

// ---- Kinder ------------------------------------------------------------------

void ChildrenModel::show(const ResultsData &shown)
{
    beginResetModel();
    m_children = childrenOf(shown);
    QStringList tasks;
    m_cells.clear();
    for (const ResultRun &run : shown.runs) {
        tasks << run.task;
        Cell &cell = m_cells[{run.child, run.task}];
        ++cell.solved;
        cell.wrong += run.wrongDrops;
        cell.matches += run.matches;
    }
    tasks.removeDuplicates();
    std::sort(tasks.begin(), tasks.end(),
              [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    m_tasks = tasks;
    m_compartments.clear();
    for (auto it = shown.cardBoxes.cbegin(); it != shown.cardBoxes.cend(); ++it)
        m_compartments.insert(it.key(), compartmentText(compartmentCounts(*it)));
    endResetModel();
}

void ChildrenModel::setCardBox(bool on)
{
    beginResetModel();
    m_cardBox = on;
    endResetModel();
}

int ChildrenModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_children.size());
}

int ChildrenModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_tasks.size()) + firstTaskColumn();
}

QVariant ChildrenModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const QString &child = m_children.at(index.row());
    if (index.column() == 0)
        return role == Qt::DisplayRole ? QVariant(child) : QVariant();
    if (m_cardBox && index.column() == 1) {
        const QString none = compartmentText({});
        return role == Qt::DisplayRole ? QVariant(m_compartments.value(child, none)) : QVariant();
    }
    const auto cell = m_cells.constFind({child, m_tasks.at(index.column() - firstTaskColumn())});
    if (cell == m_cells.cend())
        return {};
    if (role == Qt::DisplayRole)
        return tr("%1 gelöst, %2 falsch").arg(localNumber(cell->solved), localNumber(cell->wrong));
    return shaded(shareOf(cell->wrong, cell->matches), role);
}

QVariant ChildrenModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    QStringList names{tr("Kind")};
    if (m_cardBox)
        names << tr("Kartei");
    return header(names + m_tasks, section, orientation, role);
}

// ---- the runs of a child -------------------------------------------------------

void RunsModel::show(const ResultsData &shown, const QString &child)
{
    beginResetModel();
    m_runs.clear();
    for (const ResultRun &run : shown.runs)
        if (!child.isEmpty() && run.child == child)
            m_runs.append(run);
    endResetModel();
}

int RunsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_runs.size());
}

int RunsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant RunsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const ResultRun &run = m_runs.at(index.row());
    switch (index.column()) {
    case 0: return QLocale().toString(run.time, tr("dd.MM.yyyy hh:mm", "date and time of a run"));
    case 1: return run.task;
    case 2: // minutes:seconds, the seconds with two digits
        return QStringLiteral("%1:%2").arg(localNumber(run.seconds / 60),
                                           localNumber(run.seconds % 60 / 10) + localNumber(run.seconds % 10));
    default: return localNumber(run.wrongDrops);
    }
}

QVariant RunsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return header({tr("Datum"), tr("Aufgabe"), tr("Dauer"), tr("Falsch")},
                  section, orientation, role);
}

// ---- Paare ----------------------------------------------------------------------

void PairsModel::show(const ResultsData &shown)
{
    beginResetModel();
    m_pairs = shown.pairs;
    endResetModel();
}

int PairsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_pairs.size());
}

int PairsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 5;
}

QVariant PairsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const ResultPair &pair = m_pairs.at(index.row());
    if (role != Qt::DisplayRole)
        return shaded(shareOf(pair.wrong, pair.matched), role);
    switch (index.column()) {
    case 0: return pair.task;
    case 1: return pair.half1;
    case 2: return pair.half2;
    case 3: return localNumber(pair.matched);
    default: return localNumber(pair.wrong);
    }
}

QVariant PairsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return header({tr("Aufgabe"), tr("Hälfte 1"), tr("Hälfte 2"), tr("Richtig"), tr("Falsch")},
                  section, orientation, role);
}

} // namespace duplikon
