#include "MediaFileReader.h"

#include <QFileInfo>

#include <optional>

#include "Catalogue.h"
#include "MediaReadAhead.h"
#include "Module1.h"
#include "WaveInfo.h"
#include "platform/Mp3TagReader.h"
#include "platform/VolumeLayer.h"
#include "platform/Services.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "catalogue/QueryRows.h"

namespace twinsweep {

namespace {

struct TagTexts
{
    QString Title;
    QString Artist;
    QString Album;
    QString Comment;
    QString Year;
};

bool endsWith(const QString& name, QLatin1StringView suffix)
{
    return name.endsWith(suffix, Qt::CaseInsensitive);
}

/// The file's length in bytes; empty when it cannot be measured (the file is gone).
std::optional<qint64> fileBytes(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() ? std::optional(info.size()) : std::nullopt;
}

QString numberText(std::optional<qint64> number)
{
    return number ? QString::number(*number) : QString();
}

/// The "ID3" setting, read anew for each file; empty when it is not a number.
std::optional<double> tagChoiceOf(const SettingsStore& settings)
{
    bool isNumber = false;
    const double choice = settings.value(Settings::ID3).toDouble(&isNumber);
    return isNumber ? std::optional(choice) : std::nullopt;
}

void writeMp3Values(FileRecord& record, const std::optional<MpegHeaderInfo>& header, const TagTexts& texts)
{
    if (header) {
        record.setValue(Field::Duration, QString::number(header->Duration));
        record.setValue(Field::Frequency, QString::number(header->Frequency));
        record.setValue(Field::Bitrate, QString::number(header->Bitrate));
        record.setValue(Field::MpegLayer, header->Layer);
        record.setValue(Field::MpegVersion, header->Version);
    }
    record.setValue(Field::Title, texts.Title);
    record.setValue(Field::Artist, texts.Artist);
    record.setValue(Field::Album, texts.Album);
    record.setValue(Field::Comment, texts.Comment);
    record.setValue(Field::Year, texts.Year);
}

void fillMp3Values(FileRecord& record, const MediaContents& contents, std::optional<double> choice)
{
    // Each block has its own test and every block whose test holds runs, the last one
    // winning. A choice that is not a number cannot be compared: such a test counts as
    // passed, so the four choice blocks all run and the ID3v1 fields, written last, remain.
    const TagInfo& tags = contents.tags;
    const auto chosen = [&choice](double value, bool holds) { return !choice || (*choice == value && holds); };
    const TagTexts v1{tags.ID3v1.Title, tags.ID3v1.Artist, tags.ID3v1.Album, tags.ID3v1.Comment, tags.ID3v1.Year};
    const TagTexts v2{tags.ID3v2.Title, tags.ID3v2.Artist, tags.ID3v2.Album, tags.Comment, tags.ID3v2.Year};
    if (chosen(0, tags.HasID3v1))
        writeMp3Values(record, contents.header, v1);
    if (chosen(0, !tags.HasID3v1 && tags.HasID3v2))
        writeMp3Values(record, contents.header, v2);
    if (chosen(1, tags.HasID3v2))
        writeMp3Values(record, contents.header, v2);
    if (chosen(1, !tags.HasID3v2 && tags.HasID3v1))
        writeMp3Values(record, contents.header, v1);
    if (!tags.HasID3v1 && !tags.HasID3v2)
        writeMp3Values(record, contents.header, {});
}

void fillWavValues(FileRecord& record, std::optional<qint64> bytes, const WaveInfo& wave)
{
    if (bytes)
        record.setValue(Field::Duration, numberText(Module1::WaveSeconds(*bytes, wave, WaveRounding::Down)));
    record.setValue(Field::Frequency, numberText(wave.SampleRate));
    record.setValue(Field::Bitrate, numberText(wave.Bitrate));
    record.setValue(Field::MpegLayer, wave.CodecName);
}

/// The row a scan makes of a file, without its volume number; `readContents(exists)`
/// reads what is inside the file.
template <typename ReadContents>
FileRecord scannedRecord(const QString& folder, const QString& filename, std::optional<double> tagChoice,
                         const ReadContents& readContents)
{
    FileRecord record;
    record.setValue(Field::Filename, filename);
    record.setValue(Field::Path, folder);
    const bool mp3 = endsWith(filename, QLatin1StringView("mp3"));
    if (!mp3 && !endsWith(filename, QLatin1StringView("wav")))
        return record;
    // The size first: a file gone by then reads as nothing, wherever it was read.
    const std::optional<qint64> bytes = fileBytes(folder + filename);
    const MediaContents contents = readContents(bytes.has_value());
    record.setValue(Field::FileSize, numberText(bytes));
    if (mp3)
        fillMp3Values(record, contents, tagChoice);
    else
        fillWavValues(record, bytes, contents.wave);
    return record;
}

} // namespace

void rescanRow(FileRecord& row, Mp3TagReader& tagReader, const SettingsStore& settings)
{
    const QString fullPath = row.fullPath();
    FileRecord scanned = scannedRecord(row.value(Field::Path), row.value(Field::Filename), tagChoiceOf(settings),
                                       [&](bool) { return readMediaContents(fullPath, tagReader); });
    scanned.setValue(Field::NodeNR, row.value(Field::NodeNR));
    row = std::move(scanned);
}

MediaFileReader::MediaFileReader(Catalogue& catalogue, QueryRowSink& query, Mp3TagReader& tagReader, Services& services)
    : m_catalogue(catalogue), m_query(query), m_tagReader(tagReader), m_services(services), m_yield(services.pump)
{}

MediaFileReader::~MediaFileReader() = default;

void MediaFileReader::DirEx_UpcomingFile(const QString& FolderPath, const QString& filename)
{
    if (!m_readAhead)
        m_readAhead = std::make_unique<MediaReadAhead>(ReadThreads);
    m_readAhead->expect(FolderPath + filename);
}

void MediaFileReader::DirEx_Finished()
{
    m_readAhead.reset();
}

/// The contents of a file as read ahead, else read now. A file that was gone when its
/// size was asked for reads as it would now, as nothing, wherever it was read.
MediaContents MediaFileReader::contentsOf(const QString& fullPath, bool exists)
{
    if (m_readAhead) {
        std::optional<MediaContents> ahead = m_readAhead->take(fullPath, [this] { m_yield.maybeYield(); });
        if (ahead && exists)
            return std::move(*ahead);
    }
    return readMediaContents(fullPath, m_tagReader);
}

void MediaFileReader::DirEx_CurrentFile(const QString& FolderPath, const QString& filename)
{
    m_services.status.setStatusText("Searching and adding media files to list. Please wait...   ");
    Q_EMIT currentFileChanged(filename);
    if (TargetList == ListTarget::query)
        addToQuery(FolderPath, filename);
    else
        addToCollection(FolderPath, filename);
}

void MediaFileReader::addToCollection(const QString& folder, const QString& filename)
{
    FileRecord record = scannedRecord(folder, filename, tagChoiceOf(m_services.settings),
                                      [&](bool exists) { return contentsOf(folder + filename, exists); });
    if (const int volume = newRowsVolume(); volume > 0)
        record.setNodeNumber(volume);
    m_catalogue.ListFiles.push_back(std::move(record));
}

int MediaFileReader::newRowsVolume() const
{
    // A rescan keeps the selected volume's number; a new volume gets the next one.
    if (m_catalogue.UpdatevolumeTag == "1")
        return m_catalogue.TreeView1.selectedIndex();
    return m_catalogue.TreeView1.count() + 1;
}

QueryRow MediaFileReader::queryRow(const QString& folder, const QString& filename)
{
    const QString fullPath = folder + filename;
    QueryRow row{filename, folder, {}, {}, false};
    if (endsWith(fullPath, QLatin1StringView("mp3"))) {
        if (const std::optional<MpegHeaderInfo> header = contentsOf(fullPath, fileBytes(fullPath).has_value()).header)
            row.Duration = Module1::FormatDuration(header->Duration);
    } else if (endsWith(fullPath, QLatin1StringView("wav"))) {
        const std::optional<qint64> bytes = fileBytes(fullPath);
        const WaveInfo wave = contentsOf(fullPath, bytes.has_value()).wave;
        if (const auto seconds = bytes ? Module1::WaveSeconds(*bytes, wave, WaveRounding::NearestEven) : std::nullopt)
            row.Duration = Module1::FormatDuration(*seconds);
    } else {
        return row;
    }
    row.Collection = SystemVolumeInfo().mountPointOf(fullPath);
    row.Checked = true;
    return row;
}

void MediaFileReader::addToQuery(const QString& folder, const QString& filename)
{
    const QueryRow row = queryRow(folder, filename);
    m_query.append(row);
    if (!row.Checked)
        return;
    const bool mp3 = endsWith(filename, QLatin1StringView("mp3"));
    m_services.status.setStatusText(mp3 ? "Folder contents added to query."
                                        : "Folder contents item(s) added to query.");
}

} // namespace twinsweep
