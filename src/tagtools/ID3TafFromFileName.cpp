#include "ID3TafFromFileName.h"

#include <array>

namespace twinsweep {

namespace {

constexpr QChar Slash = u'/';
/// The extension's length: the last four characters of a name are cut whatever they are.
constexpr qsizetype ExtensionLength = 4;

/// Where `text` is cut into artist and title: the first separator kind that occurs
/// anywhere wins, at its first occurrence, even when another kind lies further left.
struct Cut
{
    qsizetype at = -1;
    qsizetype length = 0;
};

Cut findSeparator(const QString& stem)
{
    static const std::array<QString, 4> separators = {" - ", " -", "- ", "-"};
    for (const QString& separator : separators) {
        const qsizetype at = stem.indexOf(separator);
        if (at >= 0)
            return {at, separator.size()};
    }
    return {};
}

/// The text between the slash at `from` (-1 for none) and the one at `to`.
QString between(const QString& path, qsizetype from, qsizetype to)
{
    return path.mid(from + 1, to - from - 1);
}

} // namespace

void ID3TafFromFileName::setFilename(const QString& FileToRead)
{
    m_filename = FileToRead;
    Reset();
}

void ID3TafFromFileName::Reset()
{
    m_title.clear();
    m_artist.clear();
    m_album.clear();
}

void ID3TafFromFileName::GetInfoFromFileName()
{
    const qsizetype lastSlash = m_filename.lastIndexOf(Slash); // -1 when none
    const QString name = m_filename.mid(lastSlash + 1);
    if (name.size() < ExtensionLength || m_dirStructure < FileNameIsTitle || m_dirStructure > TitleDashArtist)
        return;
    const QString stem = name.left(name.size() - ExtensionLength);
    switch (m_dirStructure) {
    case ArtistDashTitle:
        m_album.clear();
        splitAtSeparator(stem, m_artist, m_title);
        return;
    case TitleDashArtist:
        m_album.clear();
        splitAtSeparator(stem, m_title, m_artist);
        return;
    default: break;
    }
    m_title = stem;
    if (m_dirStructure == FileNameIsTitle) {
        m_artist.clear();
        m_album.clear();
        return;
    }
    // The folder fields need a folder name before the file's own slash.
    if (lastSlash < 1)
        return;
    const qsizetype folderSlash = m_filename.lastIndexOf(Slash, lastSlash - 1);
    const QString folder = between(m_filename, folderSlash, lastSlash);
    if (m_dirStructure == ArtistTitleFolder) {
        m_artist = folder;
        m_album.clear();
        return;
    }
    m_album = folder;
    if (folderSlash >= 1)
        m_artist = between(m_filename, m_filename.lastIndexOf(Slash, folderSlash - 1), folderSlash);
}

void ID3TafFromFileName::splitAtSeparator(const QString& stem, QString& left, QString& right)
{
    const Cut cut = findSeparator(stem);
    if (cut.at < 0) {
        m_title = stem;
        m_artist.clear();
        return;
    }
    left = stem.left(cut.at);
    right = stem.mid(cut.at + cut.length);
}

} // namespace twinsweep
