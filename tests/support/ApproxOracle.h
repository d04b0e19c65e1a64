#pragma once

#include <QString>

#include "duplicates/ApproxNameSearch.h"

namespace twinsweep {
class Catalogue;
class GroupColorSource;
struct Services;
} // namespace twinsweep

namespace twinsweep::test {

/// The similarity measure step by step as the program's rules state it, with 1-based
/// positions and character-by-character text surgery: the reference for `CompareTXT`.
float literalCompareTXT(QString& String1, QString& String2);

/// The approximate name search the slow way: every pair in order on one thread, one
/// event-loop turn per source row, the placed-row list searched entry by entry. The
/// reference for `FNDDPLBYNAME` (same results, texts and colour calls).
void literalFNDDPLBYNAME(Catalogue& catalogue, Services& services, GroupColorSource& colors,
                         const ApproxSearchOptions& options);

} // namespace twinsweep::test
