#pragma once

#include <QString>

#include "catalogue/CollectionCommands.h"

namespace twinsweep {
class Catalogue;
}

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

} // namespace twinsweep::bench
