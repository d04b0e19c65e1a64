#pragma once

#include <QDir>
#include <QStringList>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "MediaFiles.h"
#include "ScratchFiles.h"
#include "Taggers.h"
#include "catalogue/Catalogue.h"
#include "platform/FileLayer.h"
#include "platform/MediaChannels.h"
#include "platform/Mp3TagReader.h"
#include "search/StopFlag.h"
#include "tagtools/TagToolRun.h"

namespace twinsweep::test {

/// Playback channels that only record which were closed.
class ClosingChannels : public MediaChannels
{
public:
    QString CloseMedia(const QString& alias) override
    {
        closed << alias;
        return "Success";
    }
    QStringList closed;
};

/// A collection of real files in a scratch folder: volume 1 selected and shown.
struct TagToolFixture
{
    explicit TagToolFixture(const QString& name) : folder(freshFolder(name) + "/") {}

    /// Adds a row for `filename` on volume `node`, with an MP3 file behind it when the
    /// name ends in mp3, else a few bytes.
    FileRecord& addFile(const QString& filename, const Mp3Content& content = {}, int node = 1)
    {
        while (catalogue.TreeView1.count() < node)
            catalogue.TreeView1.add({"vol" + QString::number(node), "1", "Volume"});
        if (filename.endsWith("mp3", Qt::CaseInsensitive))
            writeMp3(folder + filename, content);
        else
            writeFile(folder + filename);
        FileRecord record = makeRecord(filename, folder, node);
        for (const Field field : {Field::Title, Field::Artist, Field::Album, Field::Comment, Field::Year})
            record.setValue(field, {});
        catalogue.ListFiles.push_back(record);
        return catalogue.ListFiles.back();
    }
    void showVolume(int node)
    {
        catalogue.TreeView1.select(node);
        catalogue.ListFiles2.clear();
        catalogue.ClickNOD(ui.services);
    }
    QStringList filesOnDisk() const { return QDir(folder).entryList(QDir::Files, QDir::Name); }

    QString folder;
    Catalogue catalogue;
    FakeServices ui;
    SystemFileLayer files;
    ClosingChannels channels;
    Mp3TagReader reader;
    StopFlag stop;
    TagToolContext tools{catalogue, ui.services, files, channels, reader};
};

} // namespace twinsweep::test
