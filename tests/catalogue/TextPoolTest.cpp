#include <gtest/gtest.h>

#include "catalogue/TextPool.h"

namespace twinsweep {
namespace {

TEST(TextPoolTest, EqualValuesShareOneText)
{
    TextPool pool(true, 2);
    const QString first = pool.intern(0, "/music/rock/");
    const QString otherColumn = pool.intern(1, "/music/rock/");
    pool.intern(0, "/music/jazz/");
    const QString again = pool.intern(0, "/music/rock/");
    EXPECT_EQ(first, "/music/rock/");
    EXPECT_EQ(otherColumn.constData(), first.constData());
    EXPECT_EQ(again.constData(), first.constData());
    EXPECT_EQ(pool.size(), 2);
    EXPECT_EQ(pool.intern(0, ""), "");
}

TEST(TextPoolTest, ManyDistinctValuesStayShared)
{
    TextPool pool(true, 1);
    std::vector<QString> texts;
    for (int i = 0; i < 5000; ++i)
        texts.push_back(pool.intern(0, QByteArray::number(i)));
    for (int i = 4999; i >= 0; --i)
        ASSERT_EQ(pool.intern(0, QByteArray::number(i)).constData(), texts[size_t(i)].constData()) << i;
    EXPECT_EQ(pool.size(), 5000);
}

TEST(TextPoolTest, DecodesWindows1252WhenAsked)
{
    TextPool pool(false, 1);
    EXPECT_EQ(pool.intern(0, "Jos\xE9"), QStringLiteral("José"));
    EXPECT_EQ(pool.decode("\x93quoted\x94"), QStringLiteral("“quoted”"));
}

TEST(TextPoolTest, TextsDecodedTogetherBehaveAsTheirOwn)
{
    QString name, size, title;
    {
        TextPool pool(true, 0);
        const QByteArrayView bytes[] = {"Gr\xC3\xBC\xC3\x9F"
                                        "e.mp3",
                                        "4000000", ""};
        QString* const texts[] = {&name, &size, &title};
        pool.decodeTogether(bytes, texts);
    }
    EXPECT_EQ(name, QStringLiteral("Grüße.mp3"));
    EXPECT_EQ(size, "4000000");
    EXPECT_TRUE(title.isNull());
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(name.utf16())), name) << "each text ends in a zero";

    QString copy = name;
    name.append(" (copy)");
    EXPECT_EQ(copy, QStringLiteral("Grüße.mp3")) << "a change leaves the others alone";
    EXPECT_EQ(size, "4000000");
    copy.clear();
    name.clear();
    size.append("123");
    EXPECT_EQ(size, "4000000123") << "the last owner may grow";
}

} // namespace
} // namespace twinsweep
