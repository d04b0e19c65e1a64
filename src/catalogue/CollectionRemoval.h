#pragma once

#include <QtGlobal>

#include <vector>

namespace twinsweep {

class Catalogue;
struct Services;

// Dropping catalogued files from the collection. No file on disk is touched; each
// command asks first, marks the collection changed and keeps every list's Tags right.

/// Removes the selected volume with its files. The later volumes move up one place:
/// their files' `NodeNR` and the number that ends their Key follow the new Index.
/// The last volume is selected and shown afterwards.
void delnode_Click(Catalogue& catalogue, Services& services);

/// Removes the files of the given `ListFiles2` rows (0-based positions) from the collection.
void removefl1_Click(Catalogue& catalogue, Services& services, const std::vector<qsizetype>& selectedRows);

/// Removes the files of the given `Duplicates` rows from the collection; the volume
/// file list is refilled whatever the answer.
void removefrmc_Click(Catalogue& catalogue, Services& services, const std::vector<qsizetype>& selectedRows);

} // namespace twinsweep
