#include "Playlist.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include "catalogue/Module1.h"
#include "platform/LineWriter.h"
#include "platform/Services.h"
#include "platform/TextCodec.h"

namespace twinsweep {

const PlaylistFormatValues& playlistFormatValues(PlaylistFormat format)
{
    static const PlaylistFormatValues m3u{"*.m3u", "M3U playlist saved", "Bad M3U Format", "M3U Playlist"};
    static const PlaylistFormatValues pls{"*.pls", "PLS playlist saved", "Bad PLS Format", "PLS Playlist"};
    return format == PlaylistFormat::M3U ? m3u : pls;
}

QString withPlaylistExtension(const QString& chosen, PlaylistFormat format)
{
    return withFilterExtension(chosen, QLatin1StringView(playlistFormatValues(format).filter));
}

QString titleFromFileName(const QString& filename)
{
    return filename.left(std::max<qsizetype>(0, filename.size() - 4));
}

QString collectionPlaylistTitle(const QString& filename, const QString& artist, const QString& title)
{
    if (!artist.isEmpty() && !title.isEmpty())
        return artist + " - " + title;
    return titleFromFileName(filename);
}

PlaylistWriter::PlaylistWriter(LineWriter& out, PlaylistFormat format) : m_out(out), m_format(format) {}

void PlaylistWriter::writeHeader()
{
    m_out.writeLine(m_format == PlaylistFormat::M3U ? u"#EXTM3U" : u"[playlist]");
}

void PlaylistWriter::write(const PlaylistItem& item)
{
    ++m_number;
    if (m_format == PlaylistFormat::M3U) {
        m_out.writeLine(QString("#EXTINF:" + item.length + ',' + item.title));
        m_out.writeLine(item.fullPath);
        return;
    }
    const QString number = QString::number(m_number);
    m_out.writeLine(QString("File" + number + '=' + item.fullPath));
    m_out.writeLine(QString("Title" + number + '=' + item.title));
    m_out.writeLine(QString("Length" + number + '=' + item.length));
}

void PlaylistWriter::writeFooter(qsizetype finalCount)
{
    if (m_format == PlaylistFormat::M3U)
        return;
    m_out.writeLine("NumberOfEntries=", finalCount);
    m_out.writeLine(u"Version=2");
}

bool isPlaylistHeader(const QString& line, PlaylistFormat format)
{
    if (format == PlaylistFormat::M3U)
        return line.toUpper() == QLatin1StringView("#EXTM3U");
    return line.toLower() == QLatin1StringView("[playlist]");
}

std::optional<QString> playlistEntry(const QString& line, PlaylistFormat format)
{
    // A blank line names no file; in M3U neither does a comment or a player's own
    // "#" line (#EXTINF, #EXTALB, #PLAYLIST, ...).
    if (format == PlaylistFormat::M3U) {
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            return std::nullopt;
        return line;
    }
    if (!line.startsWith(QLatin1StringView("File")))
        return std::nullopt;
    const qsizetype equals = line.indexOf('=');
    const QString entry = equals < 0 ? line : line.mid(equals + 1);
    if (entry.trimmed().isEmpty())
        return std::nullopt;
    return entry;
}

PlaylistReader::PlaylistReader(PlaylistFormat format) : m_format(format) {}

bool PlaylistReader::open(const QString& path)
{
    m_lines.clear();
    m_next = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QStringList lines = splitLines(decodeUtf8OrCp1252(file.readAll()));
    if (lines.isEmpty() || !isPlaylistHeader(lines.first(), m_format))
        return false;
    m_lines = std::move(lines);
    m_next = 1;
    return true;
}

std::optional<QString> PlaylistReader::nextEntry()
{
    while (m_next < m_lines.size()) {
        if (std::optional<QString> entry = playlistEntry(m_lines[m_next++], m_format))
            return entry;
    }
    return std::nullopt;
}

namespace {

bool isForeignDrivePath(const QString& path)
{
    return path.size() >= 2 && path[1] == ':' && path[0].isLetter();
}

} // namespace

QString localEntryPath(const QString& entry, const QString& playlistFolder)
{
    if (entry.trimmed().isEmpty())
        return entry;
    if (entry.startsWith(QLatin1StringView("file://"), Qt::CaseInsensitive))
        return QUrl(entry).toLocalFile();
    QString path = entry;
    path.replace('\\', '/');
    if (path.startsWith('/') || isForeignDrivePath(path))
        return path;
    return QDir::cleanPath(QDir(playlistFolder).absoluteFilePath(path));
}

EntryParts splitEntry(const QString& path)
{
    const QString name = Module1::FileNameFromPath(path);
    return {name, path.chopped(name.size())};
}

QString importedVolumeName(const QString& typedName, int nodeCount)
{
    return typedName.trimmed().isEmpty() ? "Colection" + QString::number(nodeCount + 1) : typedName;
}

} // namespace twinsweep
