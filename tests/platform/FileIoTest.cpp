#include "platform/core/ByteIo.h"
#include "platform/core/FileIo.h"

#include "platform/FileTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::Bytes;

TEST(FileIoTest, WholeFileRoundTripKeepsEveryByte) {
    testsupport::TempFolder temp;
    Bytes bytes;
    for (int i = 0; i < 70000; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 7));  // past one read buffer
    bytes[5] = 0;
    ASSERT_TRUE(platform::WriteFileAtomic(temp.File("data"), bytes));
    platform::FileContent back = platform::ReadWholeFile(temp.File("data"));
    ASSERT_TRUE(back.ok) << back.error;
    EXPECT_EQ(back.bytes, bytes);
    EXPECT_EQ(platform::FileSize(temp.File("data")), bytes.size());

    // Replacing a longer file by a shorter one leaves nothing of the old content, and no temporary.
    ASSERT_TRUE(platform::WriteFileAtomic(temp.File("data"), std::string_view("short")));
    EXPECT_EQ(platform::ReadWholeFile(temp.File("data")).Text(), "short");
    EXPECT_EQ(temp.Entries(), (std::map<std::string, bool>{{"data", false}}));
}

TEST(FileIoTest, FailuresAreValuesWithAMessage) {
    testsupport::TempFolder temp;
    platform::FileContent missing = platform::ReadWholeFile(temp.File("none"));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.missing);
    EXPECT_NE(missing.error.find(temp.File("none")), std::string::npos);

    platform::FileContent folder = platform::ReadWholeFile(temp.Folder());
    EXPECT_FALSE(folder.ok);
    EXPECT_FALSE(folder.missing);

    platform::FileStatus write = platform::WriteFileAtomic(temp.File("no/such/folder/f"), std::string_view("x"));
    EXPECT_FALSE(write.ok);
    EXPECT_NE(write.error, "");
    EXPECT_FALSE(platform::AppendToFile(temp.File("no/such/folder/f"), std::string_view("x")).ok);
    EXPECT_TRUE(temp.Entries().empty());

    EXPECT_FALSE(platform::FileExists(temp.File("none")));
    EXPECT_FALSE(platform::FileExists(temp.Folder()));
    EXPECT_EQ(platform::FileSize(temp.File("none")), std::nullopt);
}

TEST(FileIoTest, AppendCreatesThenExtendsAndRemoveToleratesAbsence) {
    testsupport::TempFolder temp;
    std::string path = temp.File("log");
    ASSERT_TRUE(platform::AppendToFile(path, std::string_view("one\r\n")));
    ASSERT_TRUE(platform::AppendToFile(path, std::string_view("two\r\n")));
    EXPECT_EQ(platform::ReadWholeFile(path).Text(), "one\r\ntwo\r\n");
    EXPECT_TRUE(platform::RemoveFile(path));
    EXPECT_FALSE(platform::FileExists(path));
    EXPECT_TRUE(platform::RemoveFile(path));
}

// The replacement a writer that keeps the stamp makes: the stamp it gives back is the file's as
// it stands after the rename, and the new file has the rights of the one it replaced (0644 for a
// new one, whatever the process's mask).
TEST(FileIoTest, AReplacementGivesTheNewFilesStampAndKeepsTheRights) {
    testsupport::TempFolder temp;
    const std::string path = temp.File("counters");
    const struct {
        const char* name;
        std::uint32_t rightsBefore;  // 0: no file before
        std::uint32_t rightsAfter;
    } cases[] = {{"new file", 0, 0644}, {"private file", 0600, 0600}, {"shared file", 0664, 0664}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        (void)platform::RemoveFile(path);
        if (c.rightsBefore != 0) {
            ASSERT_TRUE(platform::WriteFileAtomic(path, std::string_view("old")));
            ASSERT_EQ(::chmod(path.c_str(), c.rightsBefore), 0);
        }
        const std::optional<platform::FileStamp> before = platform::StampOf(path);
        ASSERT_EQ(before.has_value(), c.rightsBefore != 0);
        const Bytes bytes{'n', 'e', 'w', 0, 'x'};
        platform::FileStamp after;
        ASSERT_TRUE(platform::WriteFileAtomic(path, bytes, before, after));
        EXPECT_EQ(platform::ReadWholeFile(path).bytes, bytes);
        const std::optional<platform::FileStamp> now = platform::StampOf(path);
        ASSERT_TRUE(now);
        EXPECT_EQ(*now, after);
        EXPECT_EQ(after.size, bytes.size());
        EXPECT_EQ(now->mode, c.rightsAfter);
        if (before) {
            EXPECT_NE(after, *before);
        }
        EXPECT_EQ(temp.Entries(), (std::map<std::string, bool>{{"counters", false}}));
    }
}

TEST(FileIoTest, AppendAndInPlaceWritesRefuseALinkAndLeaveItsTargetAlone) {
    testsupport::TempFolder temp;
    const std::string target = temp.File("target");
    ASSERT_TRUE(platform::WriteFileAtomic(target, std::string_view("kept")));
    const std::optional<platform::FileStamp> stamp = platform::StampOf(target);
    ASSERT_TRUE(stamp);
    const std::string link = temp.File("link");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);

    const platform::FileStatus append = platform::AppendToFile(link, std::string_view("more"));
    EXPECT_FALSE(append.ok);
    EXPECT_NE(append.error.find("not a regular file"), std::string::npos) << append.error;
    const platform::FileStep step{platform::FileStep::Write, 0, platform::Bytes{'X'}};
    platform::FileStamp after;
    EXPECT_FALSE(platform::UpdateFileInPlace(link, *stamp, std::span(&step, 1), after).ok);
    EXPECT_EQ(platform::ReadWholeFile(target).Text(), "kept");
    // A link to a place where nothing is yet makes nothing there either.
    const std::string dangling = temp.File("dangling");
    ASSERT_EQ(::symlink(temp.File("made").c_str(), dangling.c_str()), 0);
    EXPECT_FALSE(platform::AppendToFile(dangling, std::string_view("x")).ok);
    EXPECT_FALSE(platform::FileExists(temp.File("made")));
}

TEST(ByteReaderTest, ReadsLittleEndianFields) {
    const Bytes data = {0x01, 0x02, 0x03, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 0xAA};
    platform::ByteReader reader(data);
    EXPECT_EQ(reader.ReadUInt32(), 0x04030201u);
    EXPECT_EQ(reader.ReadInt32(), -1);
    EXPECT_EQ(reader.ReadInt32(), INT_MIN);
    EXPECT_EQ(reader.Remaining(), 1u);
    EXPECT_FALSE(reader.Overrun());
}

TEST(ByteReaderTest, ReadPastTheEndReadsNothingAndStaysReported) {
    const Bytes data = {1, 2, 3, 4, 5, 6};
    platform::ByteReader reader(data);
    ASSERT_TRUE(reader.ReadInt32());
    EXPECT_EQ(reader.ReadInt32(), std::nullopt);  // two bytes left
    EXPECT_TRUE(reader.Overrun());
    EXPECT_EQ(reader.Position(), 4u);  // the failed read took nothing
    EXPECT_EQ(reader.ReadBytes(3), std::nullopt);
    EXPECT_EQ(reader.ReadFixedString(SIZE_MAX), std::nullopt);  // no wrap-around of the bounds
    EXPECT_FALSE(reader.Skip(3));
    auto rest = reader.ReadBytes(2);
    ASSERT_TRUE(rest);
    EXPECT_EQ((*rest)[1], 6);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_TRUE(reader.Overrun());  // the earlier overrun is still reported

    platform::ByteReader empty{std::span<const std::uint8_t>()};
    EXPECT_EQ(empty.ReadUInt32(), std::nullopt);
    EXPECT_TRUE(empty.ReadBytes(0));
}

TEST(ByteReaderTest, FixedStringStopsAtNulAndMovesOnByTheWholeField) {
    const Bytes data = {'M', 0xFC, 'l', 'l', 'e', 'r', 0, 'x', 'y', 'z', 'A', 'B', 'C', 'D', 7, 0, 0, 0};
    platform::ByteReader reader(data);
    EXPECT_EQ(reader.ReadFixedString(10), "Müller");
    EXPECT_EQ(reader.ReadFixedString(4), "ABCD");  // a full field without NUL
    EXPECT_EQ(reader.ReadInt32(), 7);
}

TEST(ByteWriterTest, WritesWhatTheReaderReads) {
    platform::ByteWriter writer;
    writer.WriteInt32(INT_MIN);
    writer.WriteUInt32(0xDEADBEEFu);
    writer.WriteFixedString("Jürgen", 8);
    writer.WriteFixedString("Zwölfzeichen", 6);  // cut to 5 bytes, NUL kept
    writer.WriteBytes(Bytes{9, 8});
    EXPECT_EQ(writer.Size(), 4u + 4u + 8u + 6u + 2u);
    EXPECT_EQ(writer.Bytes()[0], 0x00);
    EXPECT_EQ(writer.Bytes()[3], 0x80);
    EXPECT_EQ(writer.Bytes()[4], 0xEF);

    platform::ByteReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadInt32(), INT_MIN);
    EXPECT_EQ(reader.ReadUInt32(), 0xDEADBEEFu);
    EXPECT_EQ(reader.ReadFixedString(8), "Jürgen");
    EXPECT_EQ(reader.ReadFixedString(6), "Zwölf");
    EXPECT_EQ(writer.Bytes()[4 + 4 + 8 + 5], 0);
    EXPECT_EQ(reader.Remaining(), 2u);
}

}  // namespace
