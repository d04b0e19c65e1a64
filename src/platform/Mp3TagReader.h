#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace twinsweep {

/// Stream values of an MPEG audio file.
struct MpegHeaderInfo
{
    QString Version;   // "1.0", "2.0" or "2.5"
    QString Layer;     // "1", "2" or "3"
    int Bitrate = 0;   // kbit/s; the Xing or VBRI average of a variable-rate file
    int Frequency = 0; // sample rate in Hz
    int Duration = 0;  // playing time in whole seconds, cut down
    int SampleRate() const { return Frequency; }
};

/// The fields of an ID3v1 tag, decoded as Windows-1252; the year too is the text as
/// written, "199?" as well as "1999".
struct ID3v1Fields
{
    QString Title;
    QString Artist;
    QString Album;
    QString Year;
    QString Comment;
    int GenreCode = 255; // 255: no genre, and the value without an ID3v1 tag
    /// The name of an ID3v1 genre code, "" for a code without one.
    static QString GenreName(int code);
};

/// The fields of a 128-byte ID3v1 tag as the reader reads them (each text up to its
/// first NUL, without the blanks that pad its end); nothing without the "TAG" marker.
std::optional<ID3v1Fields> id3v1FieldsOfTag(QByteArrayView tag);

/// The fields of an ID3v2 tag; the year is the text of its year frame, at most its first
/// four characters ("1999-05-12" gives "1999"; "199?" stays).
struct ID3v2Fields
{
    QString Artist;
    QString Album;
    QString Title;
    QString Genre; // the genres' names, from our list where the tag gives a code
    QString Year;
    /// The ID3v1 code of the first genre that gives one as `Id3Genres::codeOfText` reads
    /// it ("84", "(84)" and "Fast Fusion" give 84, "Alternative Rock" 40); 255 for none.
    int GenreCode = 255;
};

/// The tags of a file. `Year` and `Comment` are the ID3v2 tag's, or the ID3v1 tag's
/// where the ID3v2 tag has none.
struct TagInfo
{
    bool HasID3v1 = false;
    bool HasID3v2 = false;
    ID3v1Fields ID3v1;
    ID3v2Fields ID3v2;
    QString Year;
    QString Comment;
};

/// Reads the stream values and the ID3 tags of an MP3 file. `Open` reads everything
/// into plain values and closes the file, so the values describe that file until
/// the next `Open` and no file stays open. The file is opened for reading only.
class Mp3TagReader
{
public:
    /// Forgets the previous file, then reads `path`. A file that cannot be read
    /// leaves no header and no tags.
    void Open(const QString& path);

    bool HasTag() const { return m_tags.HasID3v1 || m_tags.HasID3v2; }
    /// Empty when no MPEG audio stream could be read.
    const std::optional<MpegHeaderInfo>& Header() const { return m_header; }
    const TagInfo& Tags() const { return m_tags; }
    const TagInfo& Tag() const { return m_tags; }

private:
    std::optional<MpegHeaderInfo> m_header;
    TagInfo m_tags;
};

} // namespace twinsweep
