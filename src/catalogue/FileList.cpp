#include "FileList.h"

#include <algorithm>
#include <span>

namespace twinsweep {

namespace {

/// A name where its key leaves the order open: `Width` folded characters from an
/// offset on, packed four to a number (zeros past the end).
struct NameKey
{
    static constexpr qsizetype Width = 16;
    quint64 chunk[Width / 4];
    const QString* name;
    qsizetype position; // in the list before sorting: equal names keep their order

    void load(qsizetype offset)
    {
        std::fill(std::begin(chunk), std::end(chunk), 0);
        const char16_t* text = reinterpret_cast<const char16_t*>(name->constData());
        const qsizetype end = qMin(name->size(), offset + Width);
        for (qsizetype i = offset; i < end; ++i)
            chunk[(i - offset) / 4] |= quint64(foldedUnit(text[i])) << (16 * (3 - (i - offset) % 4));
    }
    bool sameChunk(const NameKey& other) const { return std::equal(std::begin(chunk), std::end(chunk), other.chunk); }
    bool operator<(const NameKey& other) const
    {
        for (size_t i = 0; i < std::size(chunk); ++i) {
            if (chunk[i] != other.chunk[i])
                return chunk[i] < other.chunk[i];
        }
        return position < other.position;
    }
};

/// Sorts by `NameKey::Width` characters at a time: each run that agrees so far and goes
/// on is loaded with its next characters and sorted again, so each name is read once per level.
void sortNameKeys(std::vector<NameKey>& keys)
{
    struct Run
    {
        size_t first, last;
        qsizetype offset;
    };
    std::vector<Run> pending{{0, keys.size(), 0}};
    while (!pending.empty()) {
        const Run run = pending.back();
        pending.pop_back();
        for (size_t i = run.first; i < run.last; ++i)
            keys[i].load(run.offset);
        std::sort(keys.begin() + qsizetype(run.first), keys.begin() + qsizetype(run.last));
        for (size_t begin = run.first; begin < run.last;) {
            size_t end = begin + 1;
            bool goesOn = keys[begin].name->size() > run.offset + NameKey::Width;
            for (; end < run.last && keys[end].sameChunk(keys[begin]); ++end)
                goesOn = goesOn || keys[end].name->size() > run.offset + NameKey::Width;
            if (end - begin > 1 && goesOn)
                pending.push_back({begin, end, run.offset + NameKey::Width});
            begin = end;
        }
    }
}

/// A row in the sort: its name's key and its place in the list before sorting, so that
/// equal names keep their order.
struct KeyedRow
{
    FileNameKey key;
    qsizetype position;
    auto operator<=>(const KeyedRow&) const = default;
};

/// The master record behind a row; none for a Tag that names no master row.
const FileRecord* masterRecord(const ListRow& row, const std::vector<FileRecord>& master)
{
    const qsizetype masterRow = rowFromTag(row.Tag);
    return masterRow >= 0 && masterRow < qsizetype(master.size()) ? &master[size_t(masterRow)] : nullptr;
}

/// Orders rows whose keys are equal and whose names go on past them by their names.
void sortByText(std::span<KeyedRow> tied, const std::vector<ListRow>& rows, const std::vector<FileRecord>& master)
{
    static const QString noName;
    std::vector<NameKey> names;
    names.reserve(tied.size());
    for (const KeyedRow& row : tied) {
        const FileRecord* record = masterRecord(rows[size_t(row.position)], master);
        names.push_back({{}, record ? &record->value(Field::Filename) : &noName, row.position});
    }
    sortNameKeys(names);
    for (size_t i = 0; i < tied.size(); ++i)
        tied[i].position = names[i].position;
}

/// The rows' keys in the order of the names: the keys decide most of it without a name read.
std::vector<KeyedRow> keysInOrder(const std::vector<ListRow>& rows, const std::vector<FileRecord>& master)
{
    std::vector<KeyedRow> keyed;
    keyed.reserve(rows.size());
    for (size_t at = 0; at < rows.size(); ++at) {
        const FileRecord* record = masterRecord(rows[at], master);
        keyed.push_back({record ? record->nameKey() : FileNameKey(), qsizetype(at)});
    }
    std::sort(keyed.begin(), keyed.end());
    for (auto tie = keyed.begin(); tie != keyed.end();) {
        const auto end = std::find_if(tie, keyed.end(), [&tie](const KeyedRow& row) { return row.key != tie->key; });
        if (end - tie > 1 && tie->key.goesOn())
            sortByText({tie, end}, rows, master);
        tie = end;
    }
    return keyed;
}

} // namespace

void sortByFileName(std::vector<ListRow>& rows, const std::vector<FileRecord>& master)
{
    // Gathered into a new list: moving the rows in place along the cycles of the order
    // waits for one memory read after another.
    std::vector<ListRow> sorted;
    sorted.reserve(rows.size());
    for (const KeyedRow& row : keysInOrder(rows, master))
        sorted.push_back(std::move(rows[size_t(row.position)]));
    rows = std::move(sorted);
}

FileList::FileList(const std::vector<FileRecord>& master, bool withCollectionColumn)
    : m_master(master), m_withCollection(withCollectionColumn)
{}

QStringList FileList::columns() const
{
    return m_withCollection ? ResultColumns() : FileColumns();
}

const FileRecord& FileList::record(qsizetype index) const
{
    return m_master[size_t(rowFromTag(m_rows[size_t(index)].Tag))];
}

QString FileList::text(qsizetype index, int column) const
{
    const ListRow& listRow = m_rows[size_t(index)];
    if (m_withCollection && column == int(Field::NodeNR))
        return listRow.Collection;
    const qsizetype masterRow = rowFromTag(listRow.Tag);
    if (masterRow < 0 || masterRow >= qsizetype(m_master.size()))
        return {};
    return m_master[size_t(masterRow)].value(column);
}

QString FileList::fullPath(qsizetype index) const
{
    return text(index, int(Field::Path)) + text(index, int(Field::Filename));
}

void FileList::clear()
{
    assign({});
}

void FileList::assign(std::vector<ListRow> rows)
{
    if (m_sorted)
        sortByFileName(rows, m_master);
    Q_EMIT aboutToReset();
    m_rows = std::move(rows);
    Q_EMIT wasReset();
}

void FileList::append(const ListRow& row)
{
    append(std::vector<ListRow>{row});
}

void FileList::append(std::vector<ListRow> rows)
{
    if (rows.empty())
        return;
    if (m_sorted) {
        rows.insert(rows.begin(), m_rows.begin(), m_rows.end());
        assign(std::move(rows));
        return;
    }
    Q_EMIT aboutToAppend(size(), size() + qsizetype(rows.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    Q_EMIT appended();
}

void FileList::setSorted(bool sorted)
{
    const bool sortNow = sorted && !m_sorted;
    m_sorted = sorted;
    if (sortNow)
        assign(std::move(m_rows));
}

void FileList::removeRows(std::vector<qsizetype> indexes)
{
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    if (indexes.empty())
        return;
    Q_EMIT aboutToReset();
    std::vector<ListRow> kept;
    kept.reserve(m_rows.size() - std::min(m_rows.size(), indexes.size()));
    auto next = indexes.begin();
    for (qsizetype i = 0; i < size(); ++i) {
        if (next != indexes.end() && *next == i)
            ++next;
        else
            kept.push_back(std::move(m_rows[size_t(i)]));
    }
    m_rows = std::move(kept);
    Q_EMIT wasReset();
}

void FileList::setChecked(qsizetype index, bool checked)
{
    m_rows[size_t(index)].Checked = checked;
    Q_EMIT rowsChanged(index, index);
}

void FileList::toggleChecked(const std::vector<qsizetype>& indexes)
{
    qsizetype first = size();
    qsizetype last = -1;
    for (const qsizetype index : indexes) {
        if (index < 0 || index >= size())
            continue;
        ListRow& row = m_rows[size_t(index)];
        row.Checked = !row.Checked;
        first = std::min(first, index);
        last = std::max(last, index);
    }
    if (last >= 0)
        Q_EMIT rowsChanged(first, last);
}

void FileList::setForeColor(qsizetype index, ColorValue color)
{
    m_rows[size_t(index)].ForeColor = color;
    Q_EMIT rowsChanged(index, index);
}

void FileList::setSelected(qsizetype first, qsizetype last, bool selected)
{
    for (qsizetype index = qMax<qsizetype>(first, 0); index <= last && index < size(); ++index)
        m_rows[size_t(index)].Selected = selected;
}

void FileList::setCurrent(qsizetype index, bool current)
{
    if (index >= 0 && index < size())
        m_rows[size_t(index)].Current = current;
}

MarkedFiles FileList::markedFiles() const
{
    MarkedFiles files;
    for (qsizetype index = 0; index < size(); ++index) {
        const ListRow& row = m_rows[size_t(index)];
        if (row.Selected)
            files.selected.insert(fullPath(index));
        if (row.Current)
            files.current = fullPath(index);
    }
    return files;
}

void FileList::markFiles(const MarkedFiles& files)
{
    for (qsizetype index = 0; index < size(); ++index) {
        ListRow& row = m_rows[size_t(index)];
        const QString path = fullPath(index);
        row.Selected = row.Selected || files.selected.contains(path);
        if (!files.current.isEmpty())
            row.Current = path == files.current;
    }
    Q_EMIT marksChanged();
}

void FileList::announceTextChanges()
{
    if (!m_rows.empty())
        Q_EMIT rowsChanged(0, size() - 1);
}

} // namespace twinsweep
