#pragma once

#include <QString>

namespace twinsweep {

/// Derives Title, Artist and Album from the full path of a media file by one of five
/// layouts. It only cuts text. A caller sets the layout and the path, calls
/// `GetInfoFromFileName` and reads the three fields.
class ID3TafFromFileName
{
public:
    /// The layouts `DirStructure` names.
    enum Layout : int {
        FileNameIsTitle = 0,   // "Title.ext"
        ArtistAlbumTitle = 1,  // ".../Artist/Album/Title.ext"
        ArtistTitleFolder = 2, // ".../Artist/Title.ext"
        ArtistDashTitle = 3,   // "Artist - Title.ext"
        TitleDashArtist = 4,   // "Title - Artist.ext"
    };

    const QString& Album() const { return m_album; }
    void setAlbum(const QString& album) { m_album = album; }
    const QString& Artist() const { return m_artist; }
    void setArtist(const QString& artist) { m_artist = artist; }
    const QString& Title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    /// Stores the path to parse and empties the three fields.
    void setFilename(const QString& FileToRead);
    const QString& filename() const { return m_filename; }
    /// Empties Title, Artist and Album.
    void Reset();

    int DirStructure() const { return m_dirStructure; }
    /// Any value is kept; one outside 0 to 4 makes `GetInfoFromFileName` do nothing.
    void setDirStructure(int NewDirStructure) { m_dirStructure = NewDirStructure; }

    /// Parses the path by the layout. It clears nothing itself: a field the layout (or a
    /// too short name or path) does not reach keeps its value.
    void GetInfoFromFileName();

private:
    void splitAtSeparator(const QString& stem, QString& left, QString& right);

    QString m_filename;
    QString m_title;
    QString m_artist;
    QString m_album;
    int m_dirStructure = FileNameIsTitle;
};

} // namespace twinsweep
