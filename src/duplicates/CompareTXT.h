#pragma once

#include <QString>

namespace twinsweep {

/// How alike two names are, in per cent: both texts are upper-cased and trimmed of
/// blanks, an inner-blank pass removes every second blank of a run (as far as both
/// texts reach), then equal characters at equal positions are counted against the
/// longer text. Both texts are written back in the form the pass left them in, so a
/// caller that passes the same variable again compares from that form.
float CompareTXT(QString& String1, QString& String2);

/// The first step of `CompareTXT`: upper case, leading and trailing blanks removed
/// (code 32 only).
QString upperTrimmed(const QString& text);

/// The score for `equal` equal positions out of `length` (at least 1), in single
/// precision as `CompareTXT` returns it.
inline float similarityScore(qsizetype equal, qsizetype length)
{
    return float(double(equal) / double(length) * 100.0);
}

} // namespace twinsweep
