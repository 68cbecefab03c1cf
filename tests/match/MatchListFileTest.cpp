#include "match/MatchListFile.h"

#include "FileFixtures.h"
#include "support/MatchListEncoding.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using fixtures::ByteImage;

void ExpectRow(const ListRecord& row, std::array<int, 3> marks, int score, const std::string& text, int forehand,
               const char* name) {
    EXPECT_EQ(row.Marks[0], marks[0]) << name;
    EXPECT_EQ(row.Marks[1], marks[1]) << name;
    EXPECT_EQ(row.Marks[2], marks[2]) << name;
    EXPECT_EQ(row.Score, score) << name;
    EXPECT_EQ(row.TextString(), text) << name;
    EXPECT_EQ(row.Forehand, forehand) << name;
}

ByteImage ThreeGames() {
    ByteImage image = fixtures::ListHeader();
    fixtures::PutListRow(image, 0, {1, -1, -1}, 48, "Kr H\xe4nd", 1);
    fixtures::PutListRow(image, 1, {-1, 1, -1}, -96, "Gr", 2);
    fixtures::PutListRow(image, 2, {5, -1, -1}, -15, "Ra Jungfr\xe4u", 0);
    fixtures::AppendListTrailer(image);
    return image;
}

TEST(MatchListFile, ListWithoutGamesComesBackByteForByte) {
    ByteImage image = fixtures::ListHeader();
    fixtures::AppendListTrailer(image);
    const auto record = DecodeMatchList(image.Span());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Games.size(), 0u);
    ASSERT_TRUE(record->Settings);
    EXPECT_EQ(testsupport::EncodeMatchList(*record), image.Bytes());
}

TEST(MatchListFile, ThreeGamesWithUmlautsComeBackByteForByte) {
    const ByteImage image = ThreeGames();
    const auto record = DecodeMatchList(image.Span());
    ASSERT_TRUE(record);
    EXPECT_EQ(testsupport::EncodeMatchList(*record), image.Bytes());

    const ListHeader& header = record->Header;
    ASSERT_EQ(record->Games.size(), 3u);
    EXPECT_EQ(header.SeatName(0), "J\xfcrgen");  // the file's own code page
    EXPECT_EQ(header.SeatName(1), "M\xe4""dchen");
    EXPECT_EQ(header.SeatName(2), "\xd6zg\xfcr");
    EXPECT_EQ(header.Text(0, 56), "Spielliste\nScore Sheet");
    ExpectRow(record->Games[0], {1, -1, -1}, 48, "Kr H\xe4nd", 1, "game 1");
    ExpectRow(record->Games[1], {-1, 1, -1}, -96, "Gr", 2, "game 2");
    ExpectRow(record->Games[2], {5, -1, -1}, -15, "Ra Jungfr\xe4u", 0, "game 3");
    EXPECT_EQ(header.Int(list_header::Balances + 4), 512);
    EXPECT_EQ(header.Int(list_header::CountDown), 3600);

    const ListSettings& settings = *record->Settings;
    EXPECT_EQ(static_cast<std::uint32_t>(settings.At(0)), 0xAABBCCDDu);
    EXPECT_EQ(settings.At(136), 136);
    EXPECT_EQ(settings.At(368), 368);
    EXPECT_EQ(settings.Strings[0], "Jürgen");
    EXPECT_EQ(settings.Strings[3], "/home/jürgen/Bilder/links.bmp");
    EXPECT_EQ(settings.Strings[4], "");
    EXPECT_EQ(settings.Strings[6], "/tmp/ä.bmp");
}

TEST(MatchListFile, SizesAndWhereTheTrailerIsFound) {
    ByteImage cut = fixtures::ListHeader();
    fixtures::PutListRow(cut, 0, {1, -1, -1}, 20, "Kr", 0);
    cut.Put32(cut.Size(), 0xAABBCCDD).Resize(cut.Size() + 100);

    ByteImage atRow7 = fixtures::ListHeader();
    atRow7.Resize(308);
    fixtures::AppendListTrailer(atRow7);  // the magic where the header's row 7 begins

    ByteImage partialRow = fixtures::ListHeader();
    fixtures::PutListRow(partialRow, 0, {1, -1, -1}, 20, "Kr", 0);
    partialRow.Resize(352 + 44 + 20);

    ByteImage headerAndTrailer = fixtures::ListHeader();
    fixtures::AppendListTrailer(headerAndTrailer);

    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool read;
        int games;
        bool settings;
    } cases[] = {
        {"empty", {}, false, 0, false},
        {"351 bytes", ByteImage(351).Bytes(), false, 0, false},
        {"352 bytes", ByteImage(352).Bytes(), true, 0, false},
        {"8 rows and a trailer", headerAndTrailer.Bytes(), true, 0, true},
        {"three games and a trailer", ThreeGames().Bytes(), true, 3, true},
        {"a partial row", partialRow.Bytes(), true, 1, false},
        {"a cut trailer", cut.Bytes(), true, 1, false},
        {"over the cap", ByteImage(kMatchListCap + 1).Bytes(), false, 0, false},
    };
    for (const auto& c : cases) {
        const auto record = DecodeMatchList(c.bytes);
        ASSERT_EQ(record.has_value(), c.read) << c.name;
        if (!record) continue;
        EXPECT_EQ(static_cast<int>(record->Games.size()), c.games) << c.name;
        EXPECT_EQ(record->Settings.has_value(), c.settings) << c.name;
    }

    // A magic in row 7 is not a trailer: the whole rows are the list, each row made sound.
    const auto row7 = DecodeMatchList(atRow7.Span());
    ASSERT_TRUE(row7);
    EXPECT_FALSE(row7->Settings);
    EXPECT_EQ(row7->Games.size(), atRow7.Size() / 44 - 8);
    for (const ListRecord& row : row7->Games) {
        EXPECT_GE(row.Forehand, 0);
        EXPECT_LE(row.Forehand, 2);
        for (int mark : row.Marks) EXPECT_TRUE(mark == -1 || mark == 1 || mark == 5);
    }
}

TEST(MatchListFile, HostileRowsAreMadeSound) {
    ByteImage image = fixtures::ListHeader();
    fixtures::PutListRow(image, 0, {7, 1, 5}, 250000, "", 9);
    fixtures::PutListRow(image, 1, {-1, -1, 5}, -250000, "", -1);
    image.PutText(352 + 44 + 16, "abcdefghijklmnopqrstuvwx");  // 24 characters, no NUL
    const auto record = DecodeMatchList(image.Span());
    ASSERT_TRUE(record);
    ExpectRow(record->Games[0], {-1, 1, -1}, 99999, "", 0, "marks, score and forehand");
    ExpectRow(record->Games[1], {-1, -1, 5}, -99999, "abcdefghijklmnopqrstuvw", 0, "text without its end");
}

TEST(MatchListFile, HeaderRepairs) {
    ByteImage image = fixtures::ListHeader();
    image.PutText(56, "\xe4Regel");
    image.Put32(76, -3).Put32(80, 7).Put32(84, 9);
    image.Put32(124, -1).Put32(168, 5).Put32(212, 6);  // lost games: seat 0 negative
    const auto record = DecodeMatchList(image.Span());
    ASSERT_TRUE(record);
    const ListHeader& header = record->Header;
    EXPECT_EQ(header.Subtitle(), "");
    EXPECT_EQ(header.Int(76), 0);
    EXPECT_EQ(header.Int(80), 1);
    EXPECT_EQ(header.Int(84), 1);
    EXPECT_EQ(header.Int(124), 0);
    EXPECT_EQ(header.Int(168), 0);
    EXPECT_EQ(header.Int(212), 0);
    EXPECT_EQ(header.Int(120), 3);  // the other counters stay
}

TEST(MatchListFile, SubtitleRunsOverItsFourPieces) {
    ByteImage image = fixtures::ListHeader();
    image.PutText(56, "Skatclub am Markt 19").PutText(109, "95 Sommer  ").PutText(153, "runde");
    const auto record = DecodeMatchList(image.Span());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Header.Subtitle(), "Skatclub am Markt 1995 Sommer  runde");
}

TEST(MatchListFile, TrailerTextsEndAtTheFilesEndAndAreCut) {
    ByteImage image = fixtures::ListHeader();
    const std::size_t at = image.Size();
    image.Put32(at, 0xAABBCCDD).Resize(at + 372);
    image.Append("Ein sehr langer Name mit Umlaut \xfc").AppendZero().Append("Kurz");  // no NUL at the end
    const auto record = DecodeMatchList(image.Span());
    ASSERT_TRUE(record);
    ASSERT_TRUE(record->Settings);
    EXPECT_EQ(record->Settings->Strings[0], "Ein sehr langer Name");
    EXPECT_EQ(record->Settings->Strings[1], "Kurz");
    for (int i = 2; i < 7; ++i) EXPECT_EQ(record->Settings->Strings[i], "") << i;
    // Written again, every text has its NUL, and it reads back the same.
    const std::vector<std::uint8_t> written = testsupport::EncodeMatchList(*record);
    const auto again = DecodeMatchList(written);
    ASSERT_TRUE(again);
    ASSERT_TRUE(again->Settings);
    EXPECT_EQ(again->Settings->Strings, record->Settings->Strings);
    EXPECT_EQ(testsupport::EncodeMatchList(*again), written);
}

TEST(MatchListFile, VersionWord) {
    EXPECT_EQ(static_cast<std::uint32_t>(ListVersionWord("5.8", 1)), 0x05080001u);
    EXPECT_EQ(static_cast<std::uint32_t>(ListVersionWord("5.8 beta 3", 2)), 0x05080302u);
    EXPECT_EQ(ListVersionText(0x05080001), "5.8");
    EXPECT_EQ(ListVersionText(0x05080302), "5.8 beta 3");
}

}  // namespace
