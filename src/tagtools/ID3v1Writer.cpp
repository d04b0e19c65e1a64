#include "ID3v1Writer.h"

#include <QFile>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileDescriptor.h"
#include "platform/Services.h"
#include "platform/TextCodec.h"

namespace twinsweep {

namespace {

constexpr qint64 TagBytes = 128;
constexpr qsizetype RecordBytes = 125;

/// `text` in the code page, cut to `width` bytes and padded with blanks.
QByteArray textField(const QString& text, qsizetype width)
{
    QByteArray field = encodeCp1252(text).left(width);
    field.append(width - field.size(), ' ');
    return field;
}

/// Why a write failed, for the user.
struct WriteError
{
    QString description;
};

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool writeAll(int fd, const QByteArray& bytes, off_t offset)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), offset + done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

/// The last 128 bytes of the file, where a tag stands.
std::optional<QByteArray> readLastTagBytes(int fd, off_t length)
{
    QByteArray bytes(TagBytes, '\0');
    if (::pread(fd, bytes.data(), size_t(TagBytes), length - TagBytes) != ssize_t(TagBytes))
        return std::nullopt;
    return bytes;
}

/// An ID3v1.1 tag ends its comment with a zero byte and the track number. The track
/// stays unless the user typed a comment that needs those two bytes; a comment taken
/// from the file's tags is cut to 28 bytes for it.
void keepTrackNumber(const QByteArray& oldTag, QByteArray& record, bool commentTyped)
{
    constexpr qsizetype TrackInTag = 126;
    constexpr qsizetype TrackInRecord = TrackInTag - (TagBytes - RecordBytes);
    const bool hasTrack = oldTag[TrackInTag - 1] == '\0' && oldTag[TrackInTag] != '\0';
    if (hasTrack && (!commentTyped || record.sliced(TrackInRecord - 1, 2) == "  ")) {
        record[TrackInRecord - 1] = '\0';
        record[TrackInRecord] = oldTag[TrackInTag];
    }
}

/// A field whose text stays as it was keeps the file's bytes, padding and all (some
/// taggers pad with zero bytes), so that a tag written back unchanged stays as it was.
void keepUnchangedFields(const QByteArray& oldTag, QByteArray& record)
{
    struct TextField
    {
        QString ID3v1Fields::*text;
        qsizetype offset; // in the tag
        qsizetype width;
    };
    static constexpr TextField fields[] = {{&ID3v1Fields::Title, 3, 30},
                                           {&ID3v1Fields::Artist, 33, 30},
                                           {&ID3v1Fields::Album, 63, 30},
                                           {&ID3v1Fields::Year, 93, 4},
                                           {&ID3v1Fields::Comment, 97, 30}};
    const std::optional<ID3v1Fields> old = id3v1FieldsOfTag(oldTag);
    const std::optional<ID3v1Fields> now = id3v1FieldsOfTag(QByteArray("TAG" + record));
    if (!old || !now)
        return;
    for (const TextField& field : fields) {
        if ((*old).*field.text == (*now).*field.text)
            record.replace(field.offset - 3, field.width, oldTag.sliced(field.offset, field.width));
    }
}

/// Writes the tag into the open file; an error leaves the file as it was where it can.
/// `record` becomes the bytes written.
std::optional<WriteError> writeTag(int fd, QByteArray& record, bool commentTyped)
{
    struct stat status;
    if (::fstat(fd, &status) != 0)
        return WriteError{systemError()};
    const off_t length = status.st_size;
    if (!S_ISREG(status.st_mode) || length < TagBytes)
        return WriteError{"The file is too short to hold a tag."};
    const std::optional<QByteArray> lastBytes = readLastTagBytes(fd, length);
    if (!lastBytes)
        return WriteError{systemError()};
    if (lastBytes->startsWith("TAG")) {
        keepTrackNumber(*lastBytes, record, commentTyped);
        keepUnchangedFields(*lastBytes, record);
        if (!writeAll(fd, record, length - RecordBytes))
            return WriteError{systemError()};
        return std::nullopt;
    }
    // One block, so that a failure cannot leave a lone marker; cut back if it does.
    if (!writeAll(fd, "TAG" + record, length)) {
        const QString error = systemError();
        while (::ftruncate(fd, length) != 0 && errno == EINTR) {
        }
        return WriteError{error};
    }
    return std::nullopt;
}

} // namespace

std::optional<quint8> genreByteOf(const QString& genre)
{
    bool isNumber = false;
    const double value = genre.trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(std::fabs(value)); // half to even by default
    if (rounded > 255)
        return std::nullopt;
    return quint8(rounded);
}

QByteArray id3v1Record(const ID3v1Texts& texts, quint8 genre)
{
    QByteArray record = textField(texts.title, 30) + textField(texts.artist, 30) + textField(texts.album, 30) +
                        textField(texts.year, 4) + textField(texts.comment, 30);
    record.append(char(genre));
    return record;
}

std::optional<ID3v1Fields> Module1::WriteID3v1Tag(Prompt& prompt, const QString& path, const ID3v1Texts& texts)
{
    std::optional<WriteError> error;
    QByteArray record;
    const std::optional<quint8> genre = genreByteOf(texts.genre);
    if (!genre) {
        error = WriteError{"The genre \"" + texts.genre + "\" is not a genre number from 0 to 255."};
    } else {
        // Without O_CREAT: a missing file is an error, never a new file.
        const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC));
        record = id3v1Record(texts, *genre);
        error = file.isOpen() ? writeTag(file.get(), record, texts.commentTyped) : WriteError{systemError()};
    }
    if (!error)
        return id3v1FieldsOfTag(QByteArray("TAG" + record));
    prompt.tell("Error writing ID3 tag on file: " + path + "\n(Error Description: " + error->description + ")");
    return std::nullopt;
}

} // namespace twinsweep
