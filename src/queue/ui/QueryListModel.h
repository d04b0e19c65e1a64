#pragma once

#include <QAbstractTableModel>

#include "queue/QueryList.h"

namespace twinsweep {

/// Presents the query list to its view: four columns, the check box (still to be
/// played) and the row's play mark as its fore colour.
class QueryListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit QueryListModel(QueryList& list, QObject* parent = nullptr);

    static QStringList columns();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QString text(const QueryRow& row, int column) const;

    QueryList& m_list;
};

} // namespace twinsweep
