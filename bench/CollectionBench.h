#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

#include "catalogue/CollectionCommands.h"

namespace twinsweep {
class Catalogue;
class FileRecord;
class VolumeTree;
} // namespace twinsweep

namespace twinsweep::bench {

struct HeadlessServices;

/// The recent-files list is of no interest to a benchmark.
class NoRecentFiles : public RecentCollections
{
public:
    void UpdateRecentFiles(const QString&) override {}
};

/// Resident memory now, in bytes.
double residentBytes();

/// Loads `path` with the program's own command; prints why when it fails.
bool loadCollection(Catalogue& catalogue, HeadlessServices& headless, const QString& path);
/// Saves the collection to `path` with the program's own command; prints why when it fails.
bool saveCollection(Catalogue& catalogue, HeadlessServices& headless, const QString& path);

/// Adds `folder` as a new volume the way Edit > Add volume does, with the options'
/// defaults (MP3 and WAV files, subfolders included); the volume is then selected and
/// its files listed. `readThreads`, when given, replaces the reader's thread count.
void addFolderAsVolume(Catalogue& catalogue, HeadlessServices& headless, const QString& folder,
                       std::optional<int> readThreads = {});

/// The value after `--name`, or `fallback` when the option is missing.
QString option(const QStringList& arguments, const QString& name, const QString& fallback = {});

/// A synthetic collection of `total` files on `volumes` volumes: albums by a few thousand
/// artists, one folder of 8 to 16 files per album, about one file in ten a copy of an
/// earlier one; names, tags and stream values as rippers and shops write them.
void generateAlbums(VolumeTree& tree, std::vector<FileRecord>& records, qsizetype total, int volumes);

/// Fills a catalogue with `files` synthetic files on `volumes` volumes.
using CollectionGenerator = std::function<void(Catalogue& catalogue, qsizetype files, int volumes)>;

/// The collection a search command runs on: the FILE.ztw given as first argument,
/// loaded as Open does (the time it took is printed on its own line), or else
/// `--generate N [--volumes V]` filled by `generate`. False, with the reason printed,
/// when neither is given or the file does not load.
bool searchCollection(const QStringList& arguments, Catalogue& catalogue, HeadlessServices& headless,
                      const CollectionGenerator& generate);

} // namespace twinsweep::bench
