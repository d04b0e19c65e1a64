#include "FileListModel.h"

#include <QColor>

#include "ListImages.h"
#include "platform/ui/QtColor.h"

namespace twinsweep {

namespace {
const QString NodeNRColumn = FileColumns().constLast();
} // namespace

FileListModel::FileListModel(FileList& list, bool checkable, QObject* parent)
    : QAbstractTableModel(parent), m_list(list), m_checkable(checkable), m_columns(list.columns())
{
    connect(&list, &FileList::aboutToReset, this, [this] { beginResetModel(); });
    connect(&list, &FileList::wasReset, this, [this] { endResetModel(); });
    connect(&list, &FileList::aboutToAppend, this,
            [this](qsizetype first, qsizetype last) { beginInsertRows({}, int(first), int(last)); });
    connect(&list, &FileList::appended, this, [this] { endInsertRows(); });
    connect(&list, &FileList::aboutToMove, this, [this](qsizetype from, qsizetype to) {
        // Qt names the row that the moved one will stand before, counted before the move.
        beginMoveRows({}, int(from), int(from), {}, int(to > from ? to + 1 : to));
    });
    connect(&list, &FileList::moved, this, [this] { endMoveRows(); });
    connect(&list, &FileList::rowsChanged, this, [this](qsizetype first, qsizetype last) {
        Q_EMIT dataChanged(index(int(first), 0), index(int(last), columnCount() - 1));
    });
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_list.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_list.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return m_list.text(index.row(), index.column());
    case Qt::DecorationRole: return index.column() == 0 ? QVariant(rowImage()) : QVariant();
    case Qt::CheckStateRole:
        if (m_checkable && index.column() == 0)
            return m_list.row(index.row()).Checked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole: {
        const QColor color = toQColor(m_list.row(index.row()).ForeColor);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    default: return {};
    }
}

bool FileListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!m_checkable || role != Qt::CheckStateRole || index.column() != 0)
        return false;
    m_list.setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[section];
    // Each column shows the picture of its place; the hidden "NodeNR" column has none.
    if (role == Qt::DecorationRole && m_columns[section] != NodeNRColumn)
        return headerImage(section + 1);
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (m_checkable && index.column() == 0)
        result |= Qt::ItemIsUserCheckable;
    // The file name is renamed in place; the views open its editor only on request.
    if (index.column() == 0)
        result |= Qt::ItemIsEditable;
    return result;
}

} // namespace twinsweep
