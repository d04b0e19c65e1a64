#pragma once

#include <QAbstractTableModel>

namespace twinsweep {

class PrintableList;

/// Presents a list to print in a view: its columns, texts and the first column's icon.
class PrintListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    PrintListModel(const PrintableList& list, QObject* parent = nullptr);

    /// Call around a change of the list's rows.
    void beginRefill() { beginResetModel(); }
    void endRefill() { endResetModel(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const PrintableList& m_list;
};

} // namespace twinsweep
