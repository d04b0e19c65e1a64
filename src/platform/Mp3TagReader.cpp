#include "Mp3TagReader.h"

#include <QFile>
#include <QStringList>

#include "Id3Genres.h"
#include "TextCodec.h"

#include <iterator>

#include <id3v2framefactory.h>
#include <id3v2tag.h>
#include <textidentificationframe.h>
#include <mpegfile.h>
#include <mpegheader.h>
#include <tfilestream.h>

namespace twinsweep {

namespace {

constexpr qsizetype ID3v1TagBytes = 128;

QString toQString(const TagLib::String& text)
{
    return QString::fromStdString(text.to8Bit(true));
}

/// The year frame's text: the library's number would cut "199?" to 199. Version 2.3's
/// "TYER" frame reaches us as "TDRC"; without it the release time "TDRL" gives the year,
/// which is where eyeD3 puts a year it is given.
QString yearOf(const TagLib::ID3v2::Tag& tag)
{
    for (const char* frameId : {"TDRC", "TDRL"}) {
        const TagLib::ID3v2::FrameList& frames = tag.frameListMap()[frameId];
        if (!frames.isEmpty())
            return toQString(frames.front()->toString()).trimmed().left(4);
    }
    return {};
}

/// Whether the first frame carries an "Info" header, the constant-rate form of the Xing
/// header (LAME writes one by default). It stands after the frame's side information.
bool hasInfoHeader(TagLib::MPEG::File& file, const TagLib::MPEG::Header& frame, long offset)
{
    using Header = TagLib::MPEG::Header;
    const bool mono = frame.channelMode() == Header::SingleChannel;
    const int sideInformation = frame.version() == Header::Version1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    file.seek(offset + 4 + sideInformation);
    return file.readBlock(4) == "Info";
}

/// The library averages the bit rate over the stream whenever the first frame holds a
/// Xing header, so a constant-rate file with an "Info" header came out a little above
/// its rate (161 for 160 kbit/s). Such a file has the rate of its frame headers; a
/// variable-rate file ("Xing" or VBRI header) keeps the average.
int bitrateOf(TagLib::MPEG::File& file, const TagLib::MPEG::Properties& properties)
{
    const long offset = file.firstFrameOffset();
    if (offset < 0)
        return properties.bitrate();
    const TagLib::MPEG::Header first(&file, offset, false);
    if (first.isValid() && first.layer() == 3 && hasInfoHeader(file, first, offset))
        return first.bitrate();
    return properties.bitrate();
}

std::optional<MpegHeaderInfo> headerOf(TagLib::MPEG::File& file)
{
    const TagLib::MPEG::Properties* properties = file.audioProperties();
    // Without a frame header the library answers zeros; that is no stream at all.
    if (properties == nullptr || properties->sampleRate() <= 0)
        return std::nullopt;
    static const char* const versions[] = {"1.0", "2.0", "2.5"};
    const auto version = size_t(properties->version());
    const QString versionText = version < std::size(versions) ? versions[version] : "";
    return MpegHeaderInfo{versionText, QString::number(properties->layer()), bitrateOf(file, *properties),
                          properties->sampleRate(), properties->lengthInMilliseconds() / 1000};
}

/// An ID3v1 text field: its bytes up to the first NUL (an ID3v1.1 comment ends in a
/// zero byte and the track number) without the blanks that pad its end, decoded once as
/// Windows-1252. Leading blanks are the field's own, so that it is written back as it was.
QString id3v1Text(QByteArrayView tag, qsizetype offset, qsizetype width)
{
    QByteArrayView field = tag.sliced(offset, width);
    if (const qsizetype end = field.indexOf('\0'); end >= 0)
        field.truncate(end);
    while (field.endsWith(' '))
        field.chop(1);
    return decodeCp1252(field);
}

/// The fields of the file's last 128 bytes.
std::optional<ID3v1Fields> id3v1FieldsOf(TagLib::MPEG::File& file)
{
    file.seek(-ID3v1TagBytes, TagLib::File::End);
    const TagLib::ByteVector bytes = file.readBlock(ID3v1TagBytes);
    return id3v1FieldsOfTag(QByteArrayView(bytes.data(), bytes.size()));
}

/// One genre of the "TCON" frame, named from our list where it gives an ID3v1 code, so
/// that the name maps back to that code.
struct NamedGenre
{
    QString name;
    int code = Id3Genres::NoGenre;
};

/// A genre without a code keeps its text. (The library hands a reference "(84)" over
/// as "84", and "(17)Rock" as "Rock".)
NamedGenre namedGenre(const QString& genre)
{
    const std::optional<int> code = Id3Genres::codeOfText(genre);
    if (!code)
        return {genre};
    return {Id3Genres::name(*code), *code};
}

/// The frame's genres joined by blanks, and the code of the first that gives one.
void readGenres(const TagLib::ID3v2::Tag& tag, ID3v2Fields& fields)
{
    const TagLib::ID3v2::FrameList& frames = tag.frameListMap()["TCON"];
    const auto* frame =
        frames.isEmpty() ? nullptr : dynamic_cast<TagLib::ID3v2::TextIdentificationFrame*>(frames.front());
    if (frame == nullptr)
        return;
    QStringList genres;
    for (const TagLib::String& field : frame->fieldList()) {
        const NamedGenre genre = namedGenre(toQString(field));
        if (fields.GenreCode == Id3Genres::NoGenre)
            fields.GenreCode = genre.code;
        if (!genre.name.isEmpty() && !genres.contains(genre.name))
            genres.append(genre.name);
    }
    fields.Genre = genres.join(u' ');
}

ID3v2Fields fieldsOf(const TagLib::ID3v2::Tag& tag)
{
    ID3v2Fields fields{toQString(tag.artist()), toQString(tag.album()), toQString(tag.title()), {}, yearOf(tag)};
    readGenres(tag, fields);
    return fields;
}

} // namespace

std::optional<ID3v1Fields> id3v1FieldsOfTag(QByteArrayView tag)
{
    // Read as they stand: the year too is text, so "c.99" stays "c.99".
    if (tag.size() != ID3v1TagBytes || !tag.startsWith("TAG"))
        return std::nullopt;
    return ID3v1Fields{id3v1Text(tag, 3, 30), id3v1Text(tag, 33, 30), id3v1Text(tag, 63, 30),
                       id3v1Text(tag, 93, 4), id3v1Text(tag, 97, 30), static_cast<unsigned char>(tag[127])};
}

QString ID3v1Fields::GenreName(int code)
{
    return Id3Genres::name(code);
}

void Mp3TagReader::Open(const QString& path)
{
    m_header.reset();
    m_tags = {};
    // A read-only stream: opening for writing would tell file watchers the file changed.
    TagLib::FileStream stream(QFile::encodeName(path).constData(), true);
    if (!stream.isOpen())
        return;
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), true, TagLib::AudioProperties::Fast);
    if (!file.isValid())
        return;
    m_header = headerOf(file);
    if (file.hasID3v2Tag()) {
        m_tags.HasID3v2 = true;
        m_tags.ID3v2 = fieldsOf(*file.ID3v2Tag());
        m_tags.Year = m_tags.ID3v2.Year;
        m_tags.Comment = toQString(file.ID3v2Tag()->comment());
    }
    const std::optional<ID3v1Fields> v1 = file.hasID3v1Tag() ? id3v1FieldsOf(file) : std::nullopt;
    if (v1) {
        m_tags.HasID3v1 = true;
        m_tags.ID3v1 = *v1;
        if (m_tags.Year.isEmpty())
            m_tags.Year = m_tags.ID3v1.Year;
        if (m_tags.Comment.isEmpty())
            m_tags.Comment = m_tags.ID3v1.Comment;
    }
}

} // namespace twinsweep
