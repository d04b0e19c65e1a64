#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

#include "catalogue/FileRecord.h"
#include "catalogue/QueryRows.h"

namespace twinsweep {

/// The query list `query`, the play queue: its rows as plain data and its Tag, the
/// 1-based index of the row now playing (or last started) as text, "1" at start. Every
/// change is announced for the item model.
class QueryList : public QObject, public QueryRowSink, public QueryListState
{
    Q_OBJECT
public:
    qsizetype size() const { return qsizetype(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const QueryRow& row(qsizetype index) const { return m_rows[size_t(index)]; }
    bool contains(qsizetype index) const { return index >= 0 && index < size(); }

    void append(const QueryRow& row) override;
    void append(std::vector<QueryRow> rows);
    /// Inserts `row` before the row at `index` (at the end for the row count).
    void insert(qsizetype index, const QueryRow& row);
    /// Removes the row at `index`; an index outside the list changes nothing.
    void removeRow(qsizetype index);
    void clear();
    qsizetype rowCount() const override { return size(); }
    void clearFromFirstRow() override;
    /// Rows of moved or renamed files take their new Path and Filename; rows are
    /// matched by their full path, in one pass.
    void followRelocatedFiles(const std::vector<FileRelocation>& moves);
    void setChecked(qsizetype index, bool checked);
    void setForeColor(qsizetype index, ColorValue color);

    const QString& Tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }
    /// The Tag read as a number and truncated (0-based), when it holds a number.
    std::optional<qsizetype> tagRow() const;

Q_SIGNALS:
    void aboutToReset();
    void wasReset();
    /// Rows `first` to `last` are about to be inserted (at the end, unless by `insert`).
    void aboutToAppend(qsizetype first, qsizetype last);
    void appended();
    void aboutToRemove(qsizetype first, qsizetype last);
    void removed();
    void rowsChanged(qsizetype first, qsizetype last);

private:
    std::vector<QueryRow> m_rows;
    QString m_tag = QStringLiteral("1");
};

} // namespace twinsweep
