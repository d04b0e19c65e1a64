#include <gtest/gtest.h>

#include "platform/TextCodec.h"

namespace twinsweep {
namespace {

TEST(TextCodecTest, Utf8ValidityFollowsTheStandard)
{
    const std::vector<std::pair<QByteArray, bool>> cases{
        {"", true},
        {"plain ASCII text, longer than eight bytes", true},
        {"Gr\xC3\xBC\xC3\x9F"
         "e",
         true},                     // two-byte sequences
        {"\xE2\x82\xAC 5", true},   // euro sign, three bytes
        {"\xF0\x9F\x8E\xB5", true}, // a musical note, four bytes
        {"\xF4\x8F\xBF\xBF", true}, // U+10FFFF, the last code point
        {"Gr\xFC\xDF"
         "e",
         false},                     // Windows-1252
        {"\xC0\x80", false},         // overlong NUL
        {"\xE0\x80\x80", false},     // overlong three-byte form
        {"\xED\xA0\x80", false},     // a surrogate
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"abc\xE2\x82", false},      // cut short at the end
        {"\x80 stray continuation byte", false},
        {"twelve bytes\xFF", false}, // after the eight-byte fast path
    };
    for (const auto& [bytes, valid] : cases)
        EXPECT_EQ(isValidUtf8(bytes), valid) << bytes.toHex().constData();
}

TEST(TextCodecTest, Cp1252MapsTheWindowsCharacters)
{
    EXPECT_EQ(decodeCp1252("\x80 \x93quoted\x94 caf\xE9 \x85"), QStringLiteral("€ “quoted” café …"));
    // Bytes the code page leaves undefined keep their value, as Windows reads them.
    EXPECT_EQ(decodeCp1252("\x81\x8D\x8F\x90\x9D"), QStringLiteral("\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(decodeCp1252(QByteArray("a\0b", 3)), QStringView(u"a\u0000b", 3).toString()) << "NUL is a character";
}

TEST(TextCodecTest, DecodesUtf8WhenValidElseCp1252)
{
    EXPECT_EQ(decodeUtf8OrCp1252("Gr\xC3\xBC\xC3\x9F"
                                 "e"),
              QStringLiteral("Grüße"));
    EXPECT_EQ(decodeUtf8OrCp1252("Gr\xFC\xDF"
                                 "e"),
              QStringLiteral("Grüße"));
    // One invalid byte anywhere decides for the whole text.
    EXPECT_EQ(decodeUtf8OrCp1252("\xC3\xBC and \xFC"), QStringLiteral("Ã¼ and ü"));
    EXPECT_EQ(decodeUtf8OrCp1252("\xEF\xBB\xBFZTW:"), "ZTW:") << "byte-order mark dropped";
}

TEST(TextCodecTest, LinesEndAtCrLfLfOrCr)
{
    const std::vector<std::pair<QString, QStringList>> cases{
        {"", {}},
        {"one", {"one"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"\r\n", {""}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(splitLines(text), lines) << text.toStdString();
}

TEST(TextCodecTest, ByteLineBreaksAreFoundWhereverTheyStand)
{
    // Bytes that are a CR or LF but for one bit (0x8A "Š" in Windows-1252, 0x0B,
    // 0x0C) are not breaks; every position within and after an eight-byte word.
    const QByteArray filler("\x8A\x8D\x0B\x0C\x00\xFF\x09\x0E", 8);
    for (const char lineBreak : {'\n', '\r'}) {
        for (int at = 0; at < 3 * filler.size(); ++at) {
            QByteArray bytes = filler.repeated(3);
            bytes[at] = lineBreak;
            EXPECT_EQ(findLineBreak(bytes.cbegin(), bytes.cend()) - bytes.cbegin(), at)
                << int(lineBreak) << " at " << at;
        }
    }
    const QByteArray none = filler.repeated(3);
    EXPECT_EQ(findLineBreak(none.cbegin(), none.cend()), none.cend());
}

TEST(TextCodecTest, LineEndFoundAcrossChunks)
{
    // A CR as the last byte of a chunk may be half of a CR LF: the line ends only
    // when the next chunk shows what follows, or when no input follows.
    const QByteArray chunk = "abc\r";
    const char* lineEnd = nullptr;
    const char* next = nullptr;
    EXPECT_FALSE(findLineEnd(chunk.begin(), chunk.end(), false, lineEnd, next));
    ASSERT_TRUE(findLineEnd(chunk.begin(), chunk.end(), true, lineEnd, next));
    EXPECT_EQ(lineEnd - chunk.begin(), 3);
    EXPECT_EQ(next, chunk.end());
    const QByteArray joined = "abc\r\nd";
    ASSERT_TRUE(findLineEnd(joined.begin(), joined.end(), false, lineEnd, next));
    EXPECT_EQ(next - joined.begin(), 5);
}

} // namespace
} // namespace twinsweep
