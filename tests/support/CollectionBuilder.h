#pragma once

#include <QString>

#include "catalogue/Catalogue.h"

namespace twinsweep::test {

/// A record with the given name, folder and volume; other values are plausible defaults.
FileRecord makeRecord(const QString& filename, const QString& path, int node, const QString& duration = "180",
                      const QString& title = {});

/// Adds a volume named `name` with one record per file name and returns its Index.
int addVolume(Catalogue& catalogue, const QString& name, const QStringList& filenames, const QString& tag = "12345");

} // namespace twinsweep::test
