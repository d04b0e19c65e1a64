#include "QueryListModel.h"

#include "platform/ui/QtColor.h"
#include "queue/ui/QueryIcons.h"

namespace twinsweep {

QueryListModel::QueryListModel(QueryList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list), m_rowIcon(queryRowIcon()), m_headerIcons(queryHeaderIcons())
{
    connect(&list, &QueryList::aboutToReset, this, [this] { beginResetModel(); });
    connect(&list, &QueryList::wasReset, this, [this] { endResetModel(); });
    connect(&list, &QueryList::aboutToAppend, this,
            [this](qsizetype first, qsizetype last) { beginInsertRows({}, int(first), int(last)); });
    connect(&list, &QueryList::appended, this, [this] { endInsertRows(); });
    connect(&list, &QueryList::aboutToRemove, this,
            [this](qsizetype first, qsizetype last) { beginRemoveRows({}, int(first), int(last)); });
    connect(&list, &QueryList::removed, this, [this] { endRemoveRows(); });
    connect(&list, &QueryList::rowsChanged, this, [this](qsizetype first, qsizetype last) {
        Q_EMIT dataChanged(index(int(first), 0), index(int(last), columnCount() - 1));
    });
}

QStringList QueryListModel::columns()
{
    return {"Filename", "Path", "Duration", "Collection"};
}

int QueryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_list.size());
}

int QueryListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QString QueryListModel::text(const QueryRow& row, int column) const
{
    switch (column) {
    case 0: return row.Filename;
    case 1: return row.Path;
    case 2: return row.Duration;
    default: return row.Collection;
    }
}

QVariant QueryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_list.contains(index.row()))
        return {};
    const QueryRow& row = m_list.row(index.row());
    switch (role) {
    case Qt::DisplayRole: return text(row, index.column());
    case Qt::CheckStateRole:
        return index.column() == 0 ? QVariant(row.Checked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::DecorationRole: return index.column() == 0 ? QVariant(m_rowIcon) : QVariant();
    case Qt::ForegroundRole: {
        const QColor color = toQColor(row.ForeColor);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    default: return {};
    }
}

bool QueryListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != 0)
        return false;
    m_list.setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant QueryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= 4)
        return {};
    if (role == Qt::DisplayRole)
        return columns().at(section);
    if (role == Qt::DecorationRole)
        return m_headerIcons.value(section);
    return {};
}

Qt::ItemFlags QueryListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.column() == 0)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

} // namespace twinsweep
