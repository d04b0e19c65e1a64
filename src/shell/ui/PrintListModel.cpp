#include "PrintListModel.h"

#include "shell/PrintSurface.h"
#include "catalogue/ui/ListImages.h"

namespace twinsweep {

PrintListModel::PrintListModel(const PrintableList& list, QObject* parent) : QAbstractTableModel(parent), m_list(list)
{}

int PrintListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(qMin<qsizetype>(m_list.rowCount(), INT_MAX));
}

int PrintListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_list.columns().size());
}

QVariant PrintListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return m_list.text(index.row(), index.column());
    if (role == Qt::DecorationRole && index.column() == 0 && m_list.hasIcon(index.row())) {
        return rowImage();
    }
    return {};
}

QVariant PrintListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return m_list.columns().value(section).caption;
}

} // namespace twinsweep
