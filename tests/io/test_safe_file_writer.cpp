#include "SafeFileWriter.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <ostream>

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/stat.h>

using namespace velmora;
using namespace velmora::test;
namespace fs = std::filesystem;

using Status = FileWriteResult::Status;

namespace {

const std::string kBlock = "Type X {\nNameData { 50 0 280 0 Center }\n}\n";

} // namespace

TEST(SafeSaveTest, CreatesANewFile)
{
    TempFolder folder;
    const FileWriteResult result = SafeFileWriter::save(folder.file("Slider"), kBlock);
    EXPECT_TRUE(result.ok()) << result.describe();
    EXPECT_EQ(readFile(folder.file("Slider")), kBlock);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Slider"});
}

TEST(SafeSaveTest, ReplacesAnExistingFileAndKeepsItsPermissions)
{
    TempFolder folder;
    const std::string path = folder.file("lib.txt");
    writeFile(path, "old content that is longer than the new block, and more besides\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    ASSERT_TRUE(SafeFileWriter::save(path, kBlock).ok());
    EXPECT_EQ(readFile(path), kBlock);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"lib.txt"});
}

TEST(SafeSaveTest, FollowsASymbolicLinkAndReplacesItsTarget)
{
    TempFolder folder;
    fs::create_directory(folder.path() / "real");
    const std::string target = folder.file("real/lib.txt");
    writeFile(target, "old\n");
    fs::create_symlink(target, folder.file("link.txt"));

    ASSERT_TRUE(SafeFileWriter::save(folder.file("link.txt"), kBlock).ok());
    EXPECT_TRUE(fs::is_symlink(folder.file("link.txt")));
    EXPECT_EQ(readFile(target), kBlock);
}

struct UnopenableCase {
    const char* label;
    const char* target; // relative to the folder; "dir" exists as a folder
    bool append;
    const char* reason;
};
inline void PrintTo(const UnopenableCase& c, std::ostream* os) { *os << c.label; }


class UnopenableTargetTest : public testing::TestWithParam<UnopenableCase> {};

TEST_P(UnopenableTargetTest, ReportsNotOpenedWithPathAndReason)
{
    TempFolder folder;
    fs::create_directory(folder.path() / "dir");
    const std::string path = folder.file(GetParam().target);
    const FileWriteResult result =
        GetParam().append ? SafeFileWriter::append(path, kBlock) : SafeFileWriter::save(path, kBlock);
    EXPECT_EQ(result.status, Status::NotOpened);
    EXPECT_EQ(result.path, path);
    EXPECT_NE(result.reason.find(GetParam().reason), std::string::npos) << result.reason;
    EXPECT_EQ(folder.names(), std::vector<std::string>{"dir"});
    EXPECT_TRUE(fs::is_empty(folder.path() / "dir"));
}

INSTANTIATE_TEST_SUITE_P(Targets, UnopenableTargetTest,
    testing::Values(UnopenableCase{"SaveIntoMissingFolder", "missing/Slider", false, "No such file"},
                    UnopenableCase{"SaveOverAFolder", "dir", false, "directory"},
                    UnopenableCase{"AppendIntoMissingFolder", "missing/Slider", true, "No such file"},
                    UnopenableCase{"AppendToAFolder", "dir", true, "directory"}),
    [](const auto& info) { return std::string(info.param.label); });

struct FailedWriteCase {
    const char* label;
    bool append;
};
inline void PrintTo(const FailedWriteCase& c, std::ostream* os) { *os << c.label; }


class FailedWriteTest : public testing::TestWithParam<FailedWriteCase> {};

TEST_P(FailedWriteTest, LeavesTheOldFileByteForByte)
{
    TempFolder folder;
    const std::string path = folder.file("lib.txt");
    const std::string old = "Type OLD {\nNameData { 50 0 280 0 Center }\n}";
    writeFile(path, old);
    const std::string large(64 * 1024, 'x');

    FileWriteResult result;
    {
        FileSizeLimit limit(old.size() + 100);
        result = GetParam().append ? SafeFileWriter::append(path, large) : SafeFileWriter::save(path, large);
    }
    EXPECT_EQ(result.status, Status::NotWritten);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(readFile(path), old);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"lib.txt"});
}

INSTANTIATE_TEST_SUITE_P(Commands, FailedWriteTest,
    testing::Values(FailedWriteCase{"Save", false}, FailedWriteCase{"Append", true}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(FailedWriteTest, FailedAppendRemovesTheFileItCreated)
{
    TempFolder folder;
    FileWriteResult result;
    {
        FileSizeLimit limit(10);
        result = SafeFileWriter::append(folder.file("new.txt"), kBlock);
    }
    EXPECT_EQ(result.status, Status::NotWritten);
    EXPECT_TRUE(folder.names().empty());
}

TEST(FailedWriteTest, FullDeviceIsReportedNotHidden)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    for (const bool append : {false, true}) {
        const FileWriteResult result =
            append ? SafeFileWriter::append("/dev/full", kBlock) : SafeFileWriter::save("/dev/full", kBlock);
        EXPECT_EQ(result.status, Status::NotWritten) << append;
        EXPECT_NE(result.reason.find("No space left"), std::string::npos) << result.reason;
    }
    struct stat device {};
    ASSERT_EQ(::stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode)) << "the device must never be replaced by a file";
}

struct AppendCase {
    const char* label;
    const char* before;
    const char* after;
};
inline void PrintTo(const AppendCase& c, std::ostream* os) { *os << c.label; }


class AppendTest : public testing::TestWithParam<AppendCase> {};

TEST_P(AppendTest, AddsAfterTheLastByteOnALineOfItsOwn)
{
    TempFolder folder;
    const std::string path = folder.file("lib.txt");
    writeFile(path, GetParam().before);
    ASSERT_TRUE(SafeFileWriter::append(path, "Type NEW {\n}\n").ok());
    EXPECT_EQ(readFile(path), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Files, AppendTest,
    testing::Values(AppendCase{"EmptyFile", "", "Type NEW {\n}\n"},
                    AppendCase{"AfterAPartType", "Type OLD {\n}\n", "Type OLD {\n}\nType NEW {\n}\n"},
                    AppendCase{"NoFinalLineFeed", "Type OLD {\n}", "Type OLD {\n}\nType NEW {\n}\n"},
                    AppendCase{"CarriageReturnLast", "notes\r", "notes\r\nType NEW {\n}\n"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(AppendTest, CreatesAMissingFile)
{
    TempFolder folder;
    ASSERT_TRUE(SafeFileWriter::append(folder.file("new.txt"), kBlock).ok());
    EXPECT_EQ(readFile(folder.file("new.txt")), kBlock);
}
