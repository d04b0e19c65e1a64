#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace twinsweep {

/// One row of the query list (the play queue).
struct QueryRow
{
    QString Filename;
    QString Path;         // folder ending in "/"
    QString Duration;     // "mm:ss"
    QString Collection;   // the volume's name, or the mount point of a file from outside the collection
    bool Checked = false; // still to be played
};

/// The query list's rows as plain data; every change is announced for the item model.
class QueryList : public QObject
{
    Q_OBJECT
public:
    qsizetype size() const { return qsizetype(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const QueryRow& row(qsizetype index) const { return m_rows[size_t(index)]; }

    void append(const QueryRow& row);
    void clear();

Q_SIGNALS:
    void aboutToReset();
    void wasReset();
    void aboutToAppend(qsizetype first, qsizetype last);
    void appended();

private:
    std::vector<QueryRow> m_rows;
};

} // namespace twinsweep
