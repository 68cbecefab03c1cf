#include "match/GameFile.h"

#include "FileFixtures.h"

#include <gtest/gtest.h>

namespace {

using fixtures::ByteImage;

// Seat 0 the Clubs, seat 1 the Spades, seat 2 Hearts and Diamonds, the skat two Diamonds.
constexpr int kDeal[32] = {1,  7,  8,  9,  10, 11, 12, 13, 40, 46,  //
                           14, 20, 21, 22, 23, 24, 25, 26, 47, 48,  //
                           27, 33, 34, 35, 36, 37, 38, 39, 49, 50,  //
                           51, 52};

ByteImage Deal() {
    ByteImage image;
    for (int i = 0; i < 32; ++i) image.Put32(4 * i, kDeal[i]);
    return image;
}

// A finished suit game with its course: seat 0 played its cards in order, the skat laid away.
ByteImage FinishedGame() {
    ByteImage image = Deal();
    for (int seat = 0; seat < 3; ++seat)
        for (int i = 0; i < 10; ++i) image.Put32(128 + 40 * seat + 4 * i, kDeal[10 * seat + i]);
    image.Put32(248, 51).Put32(252, 52).Put32(256, 1001).Put32(260, 0).Put32(264, -72);
    image.Put32(268, 0x10000000).Put32(272, 55).Put32(276, 65).Put32(280, 7).Put32(284, 2);
    image.Put32(288, 10).Put32(292, 10).Put32(296, 10).Put32(300, 10).Put32(304, 1).Put32(308, 0);
    image.Put32(312, 0).Put32(316, 0).Put32(320, 0).Put32(324, 0).Put32(328, 4).Put32(332, 6).Put32(336, 0);
    image.Put32(340, 2 + 8).Put32(344, 1).Put32(348, 0);
    for (int snapshot = 0; snapshot < 11; ++snapshot) {
        const std::size_t at = 352 + 16 * snapshot;
        image.Put32(at, snapshot % 3).Put32(at + 4, 5 * snapshot).Put32(at + 8, 6 * snapshot).Put32(at + 12, 0);
    }
    image.Append("Gut gespielt, J\xfcrgen!\r\nZweite Zeile");
    return image;
}

TEST(GameFile, DealOnlyComesBackByteForByte) {
    const ByteImage image = Deal();
    const GameFileDecoded decoded = DecodeGameFile(image.Span());
    ASSERT_TRUE(decoded.Record);
    EXPECT_FALSE(decoded.Record->Course);
    EXPECT_EQ(decoded.Record->Annotation, "");
    EXPECT_EQ(decoded.Record->Dealt[30], 51);
    EXPECT_EQ(EncodeGameFile(*decoded.Record), image.Bytes());
}

TEST(GameFile, DealWithNoteComesBackByteForByte) {
    ByteImage image = Deal();
    image.Append("Notiz: sch\xf6n gereizt \x80 20");
    const GameFileDecoded decoded = DecodeGameFile(image.Span());
    ASSERT_TRUE(decoded.Record);
    EXPECT_EQ(decoded.Record->Annotation, "Notiz: schön gereizt € 20");
    EXPECT_EQ(EncodeGameFile(*decoded.Record), image.Bytes());
}

TEST(GameFile, FinishedGameWithCourseNoteAndLastTrickBit) {
    const ByteImage image = FinishedGame();
    const GameFileDecoded decoded = DecodeGameFile(image.Span());
    ASSERT_TRUE(decoded.Record);
    ASSERT_TRUE(decoded.Record->Course);
    const GameFileRecord& record = *decoded.Record;
    EXPECT_EQ(record.CourseAt(course::ScoreOrLoser), -72);
    EXPECT_EQ(record.CourseAt(course::LastTrickAndSecondLoser), kLastTrickShownBit);
    EXPECT_EQ(record.CourseAt(course::Kontra), 10);
    EXPECT_EQ(record.CourseAt(course::Snapshots + 16 * 10 + 8), 60);
    EXPECT_EQ(record.Annotation, "Gut gespielt, Jürgen!\r\nZweite Zeile");
    EXPECT_EQ(EncodeGameFile(record), image.Bytes());
}

TEST(GameFile, SizesAndTheCourseMarker) {
    ByteImage at200 = Deal();
    at200.Resize(200);
    ByteImage cutCourse = FinishedGame();
    cutCourse.Resize(527);
    ByteImage wholeCourse = FinishedGame();
    wholeCourse.Resize(528);
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        GameFileFault fault;
        bool course;
        std::size_t annotationBytes;
    } cases[] = {
        {"127 bytes", ByteImage(Deal()).Resize(127).Bytes(), GameFileFault::Short, false, 0},
        {"128 bytes", Deal().Bytes(), GameFileFault::None, false, 0},
        {"200 bytes", at200.Bytes(), GameFileFault::None, false, 72},
        {"527 bytes with the marker", cutCourse.Bytes(), GameFileFault::Short, false, 0},
        {"528 bytes with the marker", wholeCourse.Bytes(), GameFileFault::None, true, 0},
        {"over the cap", ByteImage(Deal()).Resize(kGameFileCap + 1).Bytes(), GameFileFault::TooLarge, false, 0},
    };
    for (const auto& c : cases) {
        const GameFileDecoded decoded = DecodeGameFile(c.bytes);
        EXPECT_EQ(decoded.Fault, c.fault) << c.name;
        EXPECT_EQ(decoded.Record.has_value(), c.fault == GameFileFault::None) << c.name;
        if (!decoded.Record) continue;
        EXPECT_EQ(decoded.Record->Course.has_value(), c.course) << c.name;
        EXPECT_EQ(decoded.Record->Annotation.size(), c.annotationBytes) << c.name;
    }
}

TEST(GameFile, EveryDealtWordIsADistinctCardOfTheDeck) {
    const struct {
        std::size_t word;
        std::int64_t value;
    } cases[] = {{0, 53}, {3, 0}, {10, 2}, {20, 19}, {31, -1}, {5, 1} /* the Ace of Clubs twice */};
    for (const auto& c : cases) {
        ByteImage image = Deal();
        image.Put32(4 * c.word, c.value);
        const GameFileDecoded decoded = DecodeGameFile(image.Span());
        EXPECT_EQ(decoded.Fault, GameFileFault::Invalid) << c.word << " = " << c.value;
        EXPECT_FALSE(decoded.Record);
    }
}

TEST(GameFile, OnlyAWholeDeckIsADeal) {
    std::array<std::int32_t, 32> deal{};
    std::copy(std::begin(kDeal), std::end(kDeal), deal.begin());
    EXPECT_TRUE(IsWholeDeal(deal));
    const struct {
        int word;
        int value;
    } cases[] = {{0, 0}, {1, 2}, {12, 53}, {31, -1}, {4, kDeal[5]}};
    for (const auto& c : cases) {
        std::array<std::int32_t, 32> damaged = deal;
        damaged[static_cast<std::size_t>(c.word)] = c.value;
        EXPECT_FALSE(IsWholeDeal(damaged)) << c.word << " = " << c.value;
    }
}

TEST(GameFile, EveryCourseWordIsChecked) {
    const struct {
        const char* name;
        std::size_t offset;
        std::int64_t value;
    } cases[] = {
        {"course card a Two", 140, 2},
        {"course card 53", 250, 53},
        {"game type 9", 260, 9},
        {"game type -9", 260, -9},
        {"score out of bounds", 264, 100000},
        {"a bit besides the last-trick bit", 268, 0x10000000 + 8},
        {"points 121", 272, 121},
        {"bid index 64", 280, 64},
        {"skat count 3", 284, 3},
        {"course row count 11", 292, 11},
        {"tricks 11", 300, 11},
        {"Hand 2", 304, 2},
        {"Ouvert 3", 308, 3},
        {"pass-on count 4", 312, 4},
        {"pass-on flag 2", 320, 2},
        {"party tricks -1", 332, -1},
        {"Kontra state 3", 340, 3},
        {"Kontra with an unknown bit", 340, 2 + 32},
        {"Kontra seat 4", 344, 4},
        {"soloist -1", 348, -1},
        {"snapshot winner 4", 352 + 16 * 5, 4},
        {"snapshot points 121", 352 + 16 * 10 + 12, 121},
    };
    for (const auto& c : cases) {
        ByteImage image = FinishedGame();
        image.Put32(c.offset, c.value);
        EXPECT_EQ(DecodeGameFile(image.Span()).Fault, GameFileFault::Invalid) << c.name;
    }
}

TEST(GameFile, RamschCourseKeepsTheLosersAndTheThirdPoints) {
    ByteImage image = FinishedGame();
    image.Put32(260, 7).Put32(264, 2).Put32(268, 0x10000000 + 1).Put32(280, 40).Put32(340, 1);
    const GameFileDecoded decoded = DecodeGameFile(image.Span());
    ASSERT_TRUE(decoded.Record);
    EXPECT_EQ(decoded.Record->CourseAt(course::ScoreOrLoser), 2);
    // In Ramsch a score is not a seat.
    image.Put32(264, -20);
    EXPECT_EQ(DecodeGameFile(image.Span()).Fault, GameFileFault::Invalid);
}

}  // namespace
