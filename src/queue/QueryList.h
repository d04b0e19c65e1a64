#pragma once

#include <QObject>
#include <QString>

#include <vector>

#include "catalogue/FileRecord.h"
#include "catalogue/QueryRows.h"

namespace twinsweep {

/// The query list's rows as plain data; every change is announced for the item model.
class QueryList : public QObject, public QueryRowSink
{
    Q_OBJECT
public:
    qsizetype size() const { return qsizetype(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const QueryRow& row(qsizetype index) const { return m_rows[size_t(index)]; }

    void append(const QueryRow& row) override;
    void clear();
    /// Rows of moved or renamed files take their new Path and Filename; rows are
    /// matched by their full path, in one pass.
    void followRelocatedFiles(const std::vector<FileRelocation>& moves);

Q_SIGNALS:
    void aboutToReset();
    void wasReset();
    void aboutToAppend(qsizetype first, qsizetype last);
    void appended();
    void rowsChanged(qsizetype first, qsizetype last);

private:
    std::vector<QueryRow> m_rows;
};

} // namespace twinsweep
