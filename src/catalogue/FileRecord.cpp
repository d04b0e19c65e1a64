#include "FileRecord.h"

namespace twinsweep {

namespace {
int wholeNumberOrZero(const QString& text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? number : 0;
}
} // namespace

QStringList FileColumns()
{
    return {"Filename", "Path",  "File Size (bytes)", "Duration", "Frequency",  "Bitrate",      "Title",
            "Artist",   "Album", "Comment",           "Year",     "MPEG layer", "MPEG version", "NodeNR"};
}

QStringList ResultColumns()
{
    QStringList columns = FileColumns();
    columns.last() = "Collection";
    return columns;
}

FileRecord::FileRecord(std::array<QString, FieldCount> values) : m_values(std::move(values))
{
    m_node = wholeNumberOrZero(m_values[size_t(Field::NodeNR)]);
    m_nameKey = FileNameKey::of(m_values[size_t(Field::Filename)]);
}

void FileRecord::setValue(Field field, const QString& text)
{
    m_values[size_t(field)] = text;
    if (field == Field::NodeNR)
        m_node = wholeNumberOrZero(text);
    else if (field == Field::Filename) {
        m_nameKey = FileNameKey::of(text);
        m_nameRank = {};
    }
}

} // namespace twinsweep
