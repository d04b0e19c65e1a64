#include "Wildcard.h"

namespace twinsweep {

namespace {

bool sameChar(QChar a, QChar b, Qt::CaseSensitivity sensitivity)
{
    return a == b || (sensitivity == Qt::CaseInsensitive && a.toCaseFolded() == b.toCaseFolded());
}

bool inRange(QChar c, QChar low, QChar high, Qt::CaseSensitivity sensitivity)
{
    const auto within = [&](QChar x) { return low <= x && x <= high; };
    if (within(c))
        return true;
    return sensitivity == Qt::CaseInsensitive && (within(c.toLower()) || within(c.toUpper()));
}

/// Tests `c` against the set that opens at `pattern[open]` ("["). Returns the length of the
/// set token when it matches, 0 when it does not, and -1 when the set is never closed.
qsizetype matchSet(QStringView pattern, qsizetype open, QChar c, Qt::CaseSensitivity sensitivity)
{
    qsizetype at = open + 1;
    const bool negated = at < pattern.size() && pattern[at] == u'!';
    if (negated)
        ++at;
    bool found = false;
    for (; at < pattern.size() && pattern[at] != u']'; ++at) {
        const bool range = at + 2 < pattern.size() && pattern[at + 1] == u'-' && pattern[at + 2] != u']';
        if (range) {
            found = found || inRange(c, pattern[at], pattern[at + 2], sensitivity);
            at += 2;
        } else {
            found = found || sameChar(c, pattern[at], sensitivity);
        }
    }
    if (at >= pattern.size())
        return -1;
    return found != negated ? at + 1 - open : 0;
}

/// Length of the pattern token at `at` when it matches the one character `c`, else 0.
qsizetype matchToken(QStringView pattern, qsizetype at, QChar c, Qt::CaseSensitivity sensitivity)
{
    switch (pattern[at].unicode()) {
    case u'?': return 1;
    case u'#': return c >= u'0' && c <= u'9' ? 1 : 0;
    case u'[': {
        const qsizetype length = matchSet(pattern, at, c, sensitivity);
        if (length >= 0)
            return length;
        break; // an unclosed "[" is an ordinary character
    }
    default: break;
    }
    return sameChar(c, pattern[at], sensitivity) ? 1 : 0;
}

} // namespace

bool wildcardMatch(QStringView name, QStringView pattern, Qt::CaseSensitivity sensitivity)
{
    // Greedy walk that returns to the last "*" on a mismatch and lets it take one more
    // character; earlier stars never need revisiting, so this stays linear on real names.
    qsizetype n = 0, p = 0;
    qsizetype afterStar = -1, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            afterStar = ++p;
            starName = n;
            continue;
        }
        const qsizetype token = p < pattern.size() ? matchToken(pattern, p, name[n], sensitivity) : 0;
        if (token > 0) {
            p += token;
            ++n;
        } else if (afterStar >= 0) {
            p = afterStar;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

bool listingMatch(QStringView name, QStringView pattern)
{
    return pattern == u"*.*" || wildcardMatch(name, pattern, Qt::CaseInsensitive);
}

} // namespace twinsweep
