#include <gtest/gtest.h>

#include <QString>

#include "platform/Wildcard.h"

namespace twinsweep {
namespace {

struct MatchCase
{
    const char16_t* pattern;
    const char16_t* name;
    bool withCase;
    bool withoutCase;
};

TEST(WildcardTest, MatchesWithAndWithoutRegardToCase)
{
    const MatchCase cases[] = {
        {u"*.mp3", u"Song.mp3", true, true},
        {u"*.mp3", u"Song.MP3", false, true},
        {u"*.mp3", u"Song.mp3.bak", false, false},
        {u"*.mp3", u".mp3", true, true},
        {u"*", u"", true, true},
        {u"?", u"", false, false},
        {u"a?c", u"abc", true, true},
        {u"a?c", u"ac", false, false},
        {u"Track##.mp3", u"Track07.mp3", true, true},
        {u"Track##.mp3", u"Track7a.mp3", false, false},
        {u"[abc]*", u"b1", true, true},
        {u"[abc]*", u"B1", false, true},
        {u"[!abc]*", u"d1", true, true},
        {u"[!abc]*", u"A1", true, false},
        {u"[a-c]x", u"Bx", false, true},
        {u"[!0-9]*", u"9 lives", false, false},
        {u"[-a]", u"-", true, true},
        {u"[ab", u"[ab", true, true}, // no closing bracket: plain characters
        {u"*ab", u"aab", true, true}, // a star gives back what the rest needs
        {u"a*b*c", u"abXbc", true, true},
        {u"*a*b", u"xaybz", false, false},
        {u"*.*", u"README", false, false},
        {u"ä*", u"Äpfel", false, true},
    };
    for (const MatchCase& c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern), name = QString::fromUtf16(c.name);
        EXPECT_EQ(wildcardMatch(name, pattern, Qt::CaseSensitive), c.withCase) << qPrintable(pattern + " " + name);
        EXPECT_EQ(wildcardMatch(name, pattern, Qt::CaseInsensitive), c.withoutCase) << qPrintable(pattern + " " + name);
    }
}

TEST(WildcardTest, ListingFilterIgnoresCaseAndTakesEveryNameForStarDotStar)
{
    EXPECT_TRUE(listingMatch(u"README", u"*.*"));
    EXPECT_TRUE(listingMatch(u"a.MP3", u"*.mp3"));
    EXPECT_FALSE(listingMatch(u"a.wav", u"*.mp3"));
}

} // namespace
} // namespace twinsweep
