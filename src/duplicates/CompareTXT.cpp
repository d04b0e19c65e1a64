#include "CompareTXT.h"

#include <algorithm>

namespace twinsweep {

namespace {
constexpr QChar Blank = u' ';
}

QString upperTrimmed(const QString& text)
{
    const QString upper = text.toUpper();
    qsizetype first = 0;
    qsizetype last = upper.size();
    while (first < last && upper[first] == Blank)
        ++first;
    while (last > first && upper[last - 1] == Blank)
        --last;
    return upper.mid(first, last - first);
}

float CompareTXT(QString& String1, QString& String2)
{
    String1 = upperTrimmed(String1);
    String2 = upperTrimmed(String2);
    if (String1 == String2)
        return 100.0f;

    // The pass runs over the positions of the longer text as it was before the pass.
    // A removal moves the next character into the examined position, which is not
    // examined again; the pass stops at the first position beyond either text, and the
    // length is not taken again after a removal in the first text at that position.
    qsizetype length = std::max(String1.size(), String2.size());
    const qsizetype passEnd = length;
    for (qsizetype k = 0; k < passEnd; ++k) {
        if (k >= String1.size())
            break;
        if (String1[k] == Blank)
            String1.remove(k, 1);
        if (k >= String2.size())
            break;
        if (String2[k] == Blank)
            String2.remove(k, 1);
        length = std::max(String1.size(), String2.size());
    }

    // A position beyond both ends counts as equal.
    qsizetype equal = 0;
    for (qsizetype k = 0; k < length; ++k) {
        const bool in1 = k < String1.size();
        const bool in2 = k < String2.size();
        if (in1 == in2 && (!in1 || String1[k] == String2[k]))
            ++equal;
    }
    return similarityScore(equal, length);
}

} // namespace twinsweep
