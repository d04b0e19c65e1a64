#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include "TestEnvironment.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CollectionCommands.h"

namespace twinsweep::test {

/// Records the paths reported to the recent-files list.
class RecordingRecent : public RecentCollections
{
public:
    void UpdateRecentFiles(const QString& path) override { paths << path; }
    QStringList paths;
};

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

/// A path in the scratch folder, unique to the calling test.
inline QString scratchFile(const QString& name)
{
    static int serial = 0;
    return scratchRoot() + "/" + QString::number(++serial) + "-" + name;
}

/// Two volumes and three files, every value distinct.
inline void addTwoVolumes(Catalogue& catalogue)
{
    catalogue.TreeView1.add({"/media/cd1", "305419896", "Colection1"});
    catalogue.TreeView1.add({"/home/anna/Music2", "Nera", "Music"});
    catalogue.ListFiles.push_back(FileRecord({"01 - Intro.mp3", "/media/cd/Band/", "3145728", "196", "44100", "128",
                                              "Intro", "Band", "First", "", "1999", "3", "1.0", "1"}));
    catalogue.ListFiles.push_back(FileRecord(
        {"take.wav", "/home/anna/Music/", "1764044", "10", "22050", "352", "", "", "", "", "", "PCM", "", "2"}));
    catalogue.ListFiles.push_back(FileRecord({"02 - Outro.mp3", "/media/cd/Band/", "2097152", "131", "48000", "192",
                                              "Outro", "Band", "First", "great", "1999", "3", "2.0", "1"}));
}

} // namespace twinsweep::test
