#pragma once

#include <QAbstractTableModel>

#include "catalogue/FileList.h"

namespace twinsweep {

/// Presents a core `FileList` to a view: texts from the master rows, check marks for
/// the result list, the row's fore colour.
class FileListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    /// `checkable` shows a check box in the first column.
    FileListModel(FileList& list, bool checkable, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    FileList& list() { return m_list; }

private:
    FileList& m_list;
    bool m_checkable;
    QStringList m_columns;
};

} // namespace twinsweep
