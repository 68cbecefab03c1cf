#include "platform/core/Resources.h"

#include "resources/Editions.h"
#include "resources/ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

class ResourcesTest : public ::testing::Test {
protected:
    void TearDown() override { platform::SetResources(nullptr); }
};

TEST_F(ResourcesTest, EachEditionHasItsOwnTexts) {
    struct Expected {
        int id;
        const char* german;
        const char* english;
    };
    const Expected cases[] = {
        {IDS_PRODUCT_NAME, "Kartovan+", "Kartovan+"},
        {IDS_OTHER_LANGUAGE, "en", "ge"},
        {IDS_VERSION, "5.8", "5.8"},
        {IDS_HELP_TITLE, "Hilfe für Kartovan+", "Help for Kartovan+"},
        {IDS_TIMER_FAILED, "System-Fehler: Timer kann nicht eingerichtet werden", "System error: Timer can not be set"},
        {IDS_TRACE_GAME, "  Game %1", "  Game %1"},
        {IDS_APP_TITLE, "skat", "skat"},
    };
    platform::SetResources(&GermanResources());
    EXPECT_STREQ(platform::CurrentResources()->language, "ge");
    for (const auto& c : cases) EXPECT_EQ(platform::LoadString(c.id), c.german) << c.id;
    EXPECT_NE(platform::LoadString(IDS_QUERY_EXIT).find("\n\nWollen sie wirklich beenden?"), std::string::npos);

    platform::SetResources(&EnglishResources());
    EXPECT_STREQ(platform::CurrentResources()->language, "en");
    for (const auto& c : cases) EXPECT_EQ(platform::LoadString(c.id), c.english) << c.id;
    EXPECT_NE(platform::LoadString(IDS_QUERY_EXIT).find("\n\nDo you really want to exit?"), std::string::npos);
}

TEST_F(ResourcesTest, BothEditionsHaveTheSameIds) {
    auto ids = [](const platform::ResourceSet& set) {
        std::vector<int> list;
        for (platform::StringTable chapter : set.strings)
            for (const auto& entry : chapter) list.push_back(entry.id);
        std::sort(list.begin(), list.end());
        return list;
    };
    const std::vector<int> german = ids(GermanResources());
    EXPECT_EQ(german, ids(EnglishResources()));
    // An id in two chapters would hide the later chapter's text.
    std::vector<int> twice;
    for (std::size_t i = 1; i < german.size(); ++i)
        if (german[i] == german[i - 1]) twice.push_back(german[i]);
    EXPECT_EQ(twice, std::vector<int>{});
}

TEST_F(ResourcesTest, MissingIdsAndMissingEditionGiveEmpty) {
    EXPECT_EQ(platform::LoadString(IDS_PRODUCT_NAME), "");  // no edition selected
    EXPECT_FALSE(platform::HasString(IDS_PRODUCT_NAME));
    EXPECT_EQ(platform::FindMenu(128), nullptr);

    platform::SetResources(&GermanResources());
    EXPECT_TRUE(platform::HasString(IDS_PRODUCT_NAME));
    for (int id : {0, -1, 40100, 99999}) {
        EXPECT_EQ(platform::LoadString(id), "") << id;
        EXPECT_FALSE(platform::HasString(id)) << id;
    }
    EXPECT_NE(platform::FindMenu(128), nullptr);
    EXPECT_EQ(platform::FindMenu(99999), nullptr);
    EXPECT_EQ(platform::FindAccelerators(99999), nullptr);
    EXPECT_EQ(platform::FindDialog(99999), nullptr);
}

// A table with gaps, to find the first, the last and every entry between, and nothing in a gap.
constexpr platform::StringEntry kGappedStrings[] = {{2, "two"}, {3, "three"}, {10, "ten"}, {11, "eleven"},
                                                    {500, "five hundred"}, {57344, "last"}};

// Dialog templates are the dialog layer's; any address stands for "found" here.
const platform::DialogTemplate* FindTestDialog(int id) {
    return id == 317 ? reinterpret_cast<const platform::DialogTemplate*>(&kGappedStrings) : nullptr;
}

constexpr platform::StringEntry kSecondChapter[] = {{1, "one"}, {7, "seven"}, {60000, "beyond"}};
const platform::StringTable kTestChapters[] = {kGappedStrings, kSecondChapter};

static_assert(platform::IsSortedById(kGappedStrings));
static_assert(!platform::IsSortedById(std::array<platform::StringEntry, 2>{{{3, "a"}, {3, "b"}}}));
static_assert(!platform::IsSortedById(std::array<platform::StringEntry, 3>{{{1, "a"}, {5, "b"}, {4, "c"}}}));

TEST_F(ResourcesTest, LookupFindsEveryEntryOfEveryChapterAndNothingBetween) {
    const platform::ResourceSet set{"xx", kTestChapters, nullptr, nullptr, &FindTestDialog};
    platform::SetResources(&set);
    for (const auto& entry : kGappedStrings) EXPECT_EQ(platform::LoadString(entry.id), entry.text);
    for (const auto& entry : kSecondChapter) EXPECT_EQ(platform::LoadString(entry.id), entry.text);
    for (int id : {0, 4, 6, 8, 9, 12, 499, 501, 57343, 57345, 60001}) EXPECT_FALSE(platform::HasString(id)) << id;
    EXPECT_NE(platform::FindDialog(317), nullptr);
    EXPECT_EQ(platform::FindDialog(318), nullptr);
}

}  // namespace
