#include "CollectionFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstring>

#include "TextPool.h"
#include "platform/HugePages.h"
#include "platform/LineWriter.h"
#include "platform/Services.h"
#include "platform/TextCodec.h"

namespace twinsweep::saveload {

namespace {

constexpr char TreePrefix[] = "ZTW:";
constexpr char RecordPrefix[] = "Item nr. ";
constexpr qsizetype ChunkSize = qsizetype(4) << 20;

using BlockValues = std::array<QByteArrayView, FieldCount>;

/// Reads a collection file in large chunks and hands out its units: tree lines and
/// whole record blocks. The views stay valid until the next call of `next()`.
class BlockReader
{
public:
    enum class Unit { TreeLine, Record, End, Failed };

    explicit BlockReader(QFile& file) : m_file(file), m_buffer(ChunkSize, Qt::Uninitialized) {}

    Unit next();
    QByteArrayView treeLine() const { return m_treeLine; }
    const BlockValues& values() const { return m_values; }
    /// Whether the bytes read so far are valid UTF-8; at the end, the whole file's.
    bool isUtf8() const { return m_utf8; }

private:
    enum class Line { Taken, NeedMore, End };
    Line takeLine(const char*& p, QByteArrayView& line) const;
    bool refill();
    void checkUtf8();

    QFile& m_file;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    qsizetype m_checked = 0; // bytes before this are known to be valid UTF-8 (or not)
    bool m_atEnd = false;
    bool m_atStart = true;
    bool m_utf8 = true;
    QByteArrayView m_treeLine;
    BlockValues m_values;
};

BlockReader::Line BlockReader::takeLine(const char*& p, QByteArrayView& line) const
{
    const char* end = m_buffer.constData() + m_end;
    const char* lineEnd = nullptr;
    const char* next = nullptr;
    if (findLineEnd(p, end, m_atEnd, lineEnd, next)) {
        line = QByteArrayView(p, lineEnd);
        p = next;
        return Line::Taken;
    }
    if (!m_atEnd)
        return Line::NeedMore;
    if (p == end)
        return Line::End;
    line = QByteArrayView(p, end); // the last line has no line break
    p = end;
    return Line::Taken;
}

bool BlockReader::refill()
{
    // Keep the unit begun, read more behind it; a unit larger than the buffer grows it.
    const qsizetype kept = m_end - m_pos;
    std::memmove(m_buffer.data(), m_buffer.constData() + m_pos, size_t(kept));
    m_checked = qMax<qsizetype>(0, m_checked - m_pos);
    m_pos = 0;
    m_end = kept;
    if (m_end == m_buffer.size())
        m_buffer.resize(m_buffer.size() * 2);
    const qint64 read = m_file.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (read < 0)
        return false;
    m_end += read;
    m_atEnd = read == 0;
    if (m_atStart && QByteArrayView(m_buffer.constData(), m_end).startsWith("\xEF\xBB\xBF"))
        m_pos = 3; // a byte-order mark some editors put in front of UTF-8
    m_atStart = false;
    checkUtf8();
    return true;
}

void BlockReader::checkUtf8()
{
    // A line break is never part of a UTF-8 sequence: check up to the last one read.
    qsizetype upTo = m_end;
    while (!m_atEnd && upTo > m_checked && m_buffer.at(upTo - 1) != '\n' && m_buffer.at(upTo - 1) != '\r')
        --upTo;
    if (m_utf8 && upTo > m_checked)
        m_utf8 = isValidUtf8(QByteArrayView(m_buffer.constData() + m_checked, upTo - m_checked));
    m_checked = qMax(m_checked, upTo);
}

BlockReader::Unit BlockReader::next()
{
    for (;;) {
        const char* p = m_buffer.constData() + m_pos;
        QByteArrayView line;
        Line taken = takeLine(p, line);
        if (taken == Line::Taken && line.startsWith(RecordPrefix)) {
            for (int i = 0; i < FieldCount && taken == Line::Taken; ++i)
                taken = takeLine(p, m_values[size_t(i)]);
            if (taken == Line::Taken) {
                m_pos = p - m_buffer.constData();
                return Unit::Record;
            }
        }
        if (taken == Line::End)
            return Unit::End; // also drops a block cut short by the end of the file
        if (taken == Line::NeedMore) {
            if (!refill())
                return Unit::Failed;
            continue;
        }
        m_pos = p - m_buffer.constData();
        if (line.startsWith(TreePrefix)) {
            m_treeLine = line.sliced(qsizetype(sizeof(TreePrefix)) - 1);
            return Unit::TreeLine;
        }
    }
}

bool openForReading(QFile& file, QString& error)
{
    if (file.open(QIODevice::ReadOnly))
        return true;
    error = file.errorString();
    return false;
}

bool isTag(QStringView field)
{
    if (field == u"Nera")
        return true;
    if (field.startsWith(u'-'))
        field = field.sliced(1);
    if (field.isEmpty())
        return false;
    for (const QChar c : field) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

/// Values that many files share (a folder, an artist, a bit rate, a volume number)
/// are pooled; a file's name, size and title are mostly its own and are decoded
/// together into one allocation.
constexpr int OwnFields[] = {int(Field::Filename), int(Field::FileSize), int(Field::Title)};

bool isOwnField(int field)
{
    return std::find(std::begin(OwnFields), std::end(OwnFields), field) != std::end(OwnFields);
}

FileRecord makeRecord(const BlockValues& bytes, TextPool& pool)
{
    std::array<QString, FieldCount> values;
    std::array<QByteArrayView, std::size(OwnFields)> ownBytes;
    std::array<QString*, std::size(OwnFields)> ownTexts;
    for (size_t i = 0; i < std::size(OwnFields); ++i) {
        ownBytes[i] = bytes[size_t(OwnFields[i])];
        ownTexts[i] = &values[size_t(OwnFields[i])];
    }
    pool.decodeTogether(ownBytes, ownTexts);
    for (int field = 0; field < FieldCount; ++field) {
        if (!isOwnField(field))
            values[size_t(field)] = pool.intern(field, bytes[size_t(field)]);
    }
    return FileRecord(std::move(values));
}

} // namespace

QString LeftOfComma(const QString& text)
{
    return text.section(u',', 0, 0);
}

QString RightOfComma(const QString& text)
{
    const qsizetype comma = text.indexOf(u',');
    return comma < 0 ? QString() : text.mid(comma + 1);
}

VolumeNode splitTreeLine(const QString& rest)
{
    for (qsizetype comma = rest.indexOf(u','); comma >= 0;) {
        const qsizetype nextComma = rest.indexOf(u',', comma + 1);
        if (nextComma < 0)
            break;
        const QStringView field = QStringView(rest).sliced(comma + 1, nextComma - comma - 1);
        if (isTag(field))
            return {rest.left(comma), field.toString(), rest.mid(nextComma + 1)};
        comma = nextComma;
    }
    const QString rest2 = RightOfComma(rest);
    return {LeftOfComma(rest), LeftOfComma(rest2), RightOfComma(rest2)};
}

namespace {

/// Reads `path` unit by unit, yielding by time, and hands each unit to `handle`,
/// the end too; false with `error` set when the file cannot be read.
template <typename Handler> bool readUnits(const QString& path, EventPump& pump, QString& error, Handler&& handle)
{
    QFile file(path);
    if (!openForReading(file, error))
        return false;
    TimedYield yield(pump);
    BlockReader reader(file);
    for (BlockReader::Unit unit = reader.next(); unit != BlockReader::Unit::End; unit = reader.next()) {
        if (unit == BlockReader::Unit::Failed) {
            error = file.errorString();
            return false;
        }
        handle(reader, unit);
        yield.maybeYield();
    }
    handle(reader, BlockReader::Unit::End);
    return true;
}

} // namespace

void SaveTree(const VolumeTree& tree, LineWriter& out)
{
    for (const VolumeNode& node : tree.nodes())
        out.writeLine(QString(TreePrefix + node.Key + u',' + node.Tag + u',' + node.Text));
}

bool LoadTree(const QString& path, EventPump& pump, TreeLines& tree, QString& error)
{
    tree = {};
    std::vector<QByteArray> lines;
    const bool read = readUnits(path, pump, error, [&](const BlockReader& reader, BlockReader::Unit unit) {
        if (unit == BlockReader::Unit::TreeLine)
            lines.push_back(reader.treeLine().toByteArray());
        else if (unit == BlockReader::Unit::End)
            tree.utf8 = reader.isUtf8();
        else
            ++tree.blocks;
    });
    if (!read)
        return false;
    // The text of the tree lines is known only now that every byte was seen.
    QSet<QString> keys;
    for (const QByteArray& line : lines) {
        VolumeNode node = splitTreeLine(tree.utf8 ? QString::fromUtf8(line) : decodeCp1252(line));
        if (!node.Key.isEmpty() && keys.contains(node.Key))
            node.Key.clear();
        keys.insert(node.Key);
        tree.nodes.append(node);
    }
    return true;
}

namespace {

bool loadRecords(const QString& path, const TreeLines& tree, EventPump& pump, std::vector<FileRecord>& records,
                 QString& error)
{
    records.reserve(size_t(tree.blocks));
    preferHugePages(records.data(), records.capacity() * sizeof(FileRecord));
    TextPool pool(tree.utf8, FieldCount);
    return readUnits(path, pump, error, [&](const BlockReader& reader, BlockReader::Unit unit) {
        if (unit == BlockReader::Unit::Record)
            records.push_back(makeRecord(reader.values(), pool));
    });
}

} // namespace

bool readCollection(const QString& path, EventPump& pump, CollectionContent& content, QString& error)
{
    TreeLines tree;
    if (!LoadTree(path, pump, tree, error))
        return false;
    // The program writes an empty collection as an empty file; other bytes that hold
    // neither a volume nor a record are not a collection (a file chosen by mistake).
    if (tree.nodes.isEmpty() && tree.blocks == 0 && QFileInfo(path).size() > 0) {
        error = "no volume and no file record";
        return false;
    }
    content.nodes = tree.nodes;
    content.records.clear();
    return loadRecords(path, tree, pump, content.records, error);
}

bool writeCollection(const VolumeTree& tree, const std::vector<FileRecord>& records, const QString& path,
                     EventPump& pump, QString& error)
{
    LineWriter out(path);
    if (!out.open()) {
        error = out.errorString();
        return false;
    }
    SaveTree(tree, out);
    TimedYield yield(pump);
    // The list is read afresh at each row: other windows may act while the loop yields.
    for (size_t row = 0; row < records.size(); ++row) {
        out.writeLine(RecordPrefix, tagFromRow(qsizetype(row)));
        for (int field = 0; field < FieldCount; ++field)
            out.writeLine(records[row].value(field));
        yield.maybeYield();
    }
    if (!out.commit()) {
        error = out.errorString();
        return false;
    }
    return true;
}

} // namespace twinsweep::saveload
