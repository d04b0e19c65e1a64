#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include "platform/Mp3TagReader.h"

namespace twinsweep {

class Prompt;

/// The texts of an ID3v1 tag as the writer takes them; the genre is a code as decimal text.
struct ID3v1Texts
{
    QString title;
    QString artist;
    QString album;
    QString year;
    QString comment;
    QString genre;
    /// Whether the user typed the comment: only a typed comment may take the place of
    /// an ID3v1.1 track number.
    bool commentTyped = false;
};

/// The genre byte of a genre text: the number's absolute value rounded half to even
/// ("2.5" gives 2, "-1" gives 1); nothing for a text that is no number or above 255.
std::optional<quint8> genreByteOf(const QString& genre);

/// The 125 bytes that follow the "TAG" marker: Title, Artist, Album, Year and Comment
/// in Windows-1252, padded with blanks and cut to their widths, then the genre byte.
QByteArray id3v1Record(const ID3v1Texts& texts, quint8 genre);

namespace Module1 {
/// Writes an ID3v1 tag into the last 128 bytes of the file at `path`: over an existing
/// tag (the bytes "TAG" 128 bytes before the end), whose fields keep their bytes where
/// their text stays and whose ID3v1.1 track number stays unless a typed comment takes
/// its place, else appended. Returns the fields as the tag now holds them, as the tag
/// reader reads them back (cut to their widths, "?" for what the code page lacks);
/// nothing after telling the user why the tag was not written. It never creates the
/// file, and a failed append cuts the file back to its old length. Rows are not filled
/// from the fields returned: a written file is read again as a scan reads it.
std::optional<ID3v1Fields> WriteID3v1Tag(Prompt& prompt, const QString& path, const ID3v1Texts& texts);
} // namespace Module1

using Module1::WriteID3v1Tag;

} // namespace twinsweep
