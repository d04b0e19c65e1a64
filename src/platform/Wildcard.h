#pragma once

#include <QStringView>

namespace twinsweep {

/// Matches `name` against a wildcard `pattern`: "*" any run of characters, "?" any one
/// character, "#" one digit 0-9, "[abc]" or "[a-z]" one character of the set, "[!abc]" one
/// character outside it. A "[" without its "]" stands for itself. With
/// Qt::CaseInsensitive letters match in either case, also inside sets and ranges.
bool wildcardMatch(QStringView name, QStringView pattern, Qt::CaseSensitivity sensitivity);

/// The filter of a folder listing: case-insensitive, and "*.*" takes every name, dotted or
/// not, as users of the pattern expect.
bool listingMatch(QStringView name, QStringView pattern);

} // namespace twinsweep
