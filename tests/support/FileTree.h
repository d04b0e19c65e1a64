#pragma once

#include <QStringList>

namespace twinsweep::test {

/// Makes empty files and folders below `root`: an entry ending in "/" is a folder, any
/// other a file; missing parent folders are made too.
void makeTree(const QString& root, const QStringList& entries);

} // namespace twinsweep::test
