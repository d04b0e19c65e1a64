#pragma once

#include <QIcon>
#include <QString>

namespace twinsweep::Icons {

/// The program's own picture named `name` ("save", "search", ... and "twinsweep",
/// the program's picture); a null icon for a name the set lacks.
QIcon icon(const QString& name);

} // namespace twinsweep::Icons
