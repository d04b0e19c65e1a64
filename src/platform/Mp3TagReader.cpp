#include "Mp3TagReader.h"

#include <QFile>
#include <QStringList>

#include "Id3Genres.h"

#include <iconv.h>

#include <algorithm>
#include <iterator>
#include <string>

#include <id3v1tag.h>
#include <id3v2framefactory.h>
#include <id3v2tag.h>
#include <textidentificationframe.h>
#include <mpegfile.h>
#include <mpegheader.h>
#include <tfilestream.h>

namespace twinsweep {

namespace {

/// An iconv descriptor per thread, closed when the thread ends (scans read tags on
/// worker threads that come and go).
struct Windows1252Converter
{
    Windows1252Converter() = default;
    ~Windows1252Converter()
    {
        if (handle != iconv_t(-1))
            iconv_close(handle);
    }
    Windows1252Converter(const Windows1252Converter&) = delete;
    Windows1252Converter& operator=(const Windows1252Converter&) = delete;
    const iconv_t handle = iconv_open("UTF-8", "CP1252");
};

/// Windows-1252 to UTF-8. The five bytes the code page leaves undefined keep their
/// own code (0x81 becomes U+0081), as Windows decodes them.
std::string windows1252ToUtf8(const char* data, size_t size)
{
    thread_local const Windows1252Converter converter;
    std::string out(size * 3, '\0'); // no character of the code page needs more
    char* in = const_cast<char*>(data);
    char* target = out.data();
    size_t inLeft = size;
    size_t outLeft = out.size();
    while (inLeft > 0) {
        if (converter.handle != iconv_t(-1) && iconv(converter.handle, &in, &inLeft, &target, &outLeft) != size_t(-1))
            break;
        const auto byte = static_cast<unsigned char>(*in);
        if (byte < 0x80) {
            *target++ = char(byte);
            outLeft -= 1;
        } else {
            *target++ = char(0xC0 | (byte >> 6));
            *target++ = char(0x80 | (byte & 0x3F));
            outLeft -= 2;
        }
        ++in;
        --inLeft;
    }
    out.resize(out.size() - outLeft);
    return out;
}

/// ID3v1 fields are 8-bit text in the Windows code page, ending at the first NUL.
class Windows1252Fields : public TagLib::ID3v1::StringHandler
{
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override
    {
        const auto end = std::find(data.begin(), data.end(), '\0');
        const std::string text = windows1252ToUtf8(data.data(), size_t(end - data.begin()));
        return TagLib::String(text, TagLib::String::UTF8).stripWhiteSpace();
    }
};

QString toQString(const TagLib::String& text)
{
    return QString::fromStdString(text.to8Bit(true));
}

QString yearText(unsigned int year)
{
    return year == 0 ? QString() : QString::number(year);
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

/// The library decodes the ID3v1 comment itself, as Latin-1 and with its padding, so
/// each of its characters is one byte of the field: decode those bytes as the others.
QString id3v1Comment(const TagLib::ID3v1::Tag& tag)
{
    const std::string bytes = tag.comment().to8Bit(false);
    return toQString(Windows1252Fields().parse(TagLib::ByteVector(bytes.data(), unsigned(bytes.size()))));
}

ID3v1Fields fieldsOf(const TagLib::ID3v1::Tag& tag)
{
    return {toQString(tag.title()), toQString(tag.artist()), toQString(tag.album()),
            yearText(tag.year()),   id3v1Comment(tag),       int(tag.genreNumber())};
}

/// The genres of the "TCON" frame, a genre given by its ID3v1 code named from our list,
/// so that the name maps back to the same code when it is written as an ID3v1 tag.
QString genreOf(const TagLib::ID3v2::Tag& tag)
{
    const TagLib::ID3v2::FrameList& frames = tag.frameListMap()["TCON"];
    const auto* frame =
        frames.isEmpty() ? nullptr : dynamic_cast<TagLib::ID3v2::TextIdentificationFrame*>(frames.front());
    if (frame == nullptr)
        return {};
    QStringList genres;
    for (const TagLib::String& field : frame->fieldList()) {
        bool numeric = false;
        const int code = toQString(field).toInt(&numeric);
        const QString genre = numeric ? Id3Genres::name(code) : toQString(field);
        if (!genre.isEmpty() && !genres.contains(genre))
            genres.append(genre);
    }
    return genres.join(u' ');
}

ID3v2Fields fieldsOf(const TagLib::ID3v2::Tag& tag)
{
    return {toQString(tag.artist()), toQString(tag.album()), toQString(tag.title()), genreOf(tag),
            yearText(tag.year())};
}

} // namespace

QString ID3v1Fields::GenreName(int code)
{
    return Id3Genres::name(code);
}

Mp3TagReader::Mp3TagReader()
{
    static const Windows1252Fields windows1252;
    TagLib::ID3v1::Tag::setStringHandler(&windows1252);
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
    if (file.hasID3v1Tag()) {
        m_tags.HasID3v1 = true;
        m_tags.ID3v1 = fieldsOf(*file.ID3v1Tag());
        if (m_tags.Year.isEmpty())
            m_tags.Year = m_tags.ID3v1.Year;
        if (m_tags.Comment.isEmpty())
            m_tags.Comment = m_tags.ID3v1.Comment;
    }
}

} // namespace twinsweep
