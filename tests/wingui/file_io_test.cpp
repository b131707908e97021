// Whole-file reads and atomic replaces on the real file system, mostly
// their failures: each leaves the files as they were.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "file_io.h"
#include "program_folder.h"

namespace {

class FileIoTest : public ::testing::Test {
protected:
    std::wstring Path(const wchar_t* name) const { return folder_.Path() + L"\\" + name; }
    ProgramFolder folder_;
};

TEST_F(FileIoTest, ReplacesWholeAndReadsBack) {
    const std::wstring path = Path(L"\u771F.txt");
    for (const std::string& bytes : {std::string("first"), std::string(3 << 20, 'x'), std::string("short")}) {
        ASSERT_TRUE(WriteFileAtomically(path, bytes));
        EXPECT_EQ(ReadWholeFile(path, bytes.size()).Bytes, bytes);
        EXPECT_EQ(folder_.Listing(), L"\u771F.txt;");
    }
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(folder_.Path()));
}

TEST_F(FileIoTest, ReadsTellMissingTooLargeAndUnreadable) {
    EXPECT_EQ(ReadWholeFile(Path(L"none\\a.txt"), 100).Outcome, ReadOutcome::Missing);
    EXPECT_EQ(ReadWholeFile(folder_.Path(), 100).Outcome, ReadOutcome::Unreadable);
    const std::wstring path = Path(L"a.txt");
    ASSERT_TRUE(ProgramFolder::WriteBytes(path, "0123456789A"));
    const ReadResult over = ReadWholeFile(path, 10);
    EXPECT_EQ(over.Outcome, ReadOutcome::TooLarge);
    EXPECT_EQ(over.Bytes, "");
}

// Another program writing (or about to delete) the file does not keep it
// from being read.
TEST_F(FileIoTest, ReadsAFileHeldOpenForWriting) {
    const std::wstring path = Path(L"log.txt");
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(held, "abc", 3, &written, nullptr);
    const ReadResult read = ReadWholeFile(path, 100);
    CloseHandle(held);
    EXPECT_EQ(read.Outcome, ReadOutcome::Ok);
    EXPECT_EQ(read.Bytes, "abc");
}

TEST_F(FileIoTest, AFailedReplaceLeavesEverythingAsItWas) {
    EXPECT_FALSE(WriteFileAtomically(Path(L"none\\a.txt"), "x"));
    ASSERT_TRUE(CreateDirectoryW(Path(L"dir").c_str(), nullptr));
    EXPECT_FALSE(WriteFileAtomically(Path(L"dir"), "x"));

    const std::wstring path = Path(L"a.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(WriteFileAtomically(path, "new"));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    // Held without sharing: the move fails after the temporary was written.
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(WriteFileAtomically(path, "new"));
    CloseHandle(held);
    EXPECT_EQ(ProgramFolder::ReadBytes(path), "old");
    EXPECT_EQ(folder_.Listing(), L"a.txt;dir;");
}

// Two instances closing together replace the same settings file at the
// same moment: every replace succeeds and the file is one writer's whole.
TEST_F(FileIoTest, WritersReplacingOneFileTogetherAllSucceed) {
    const std::wstring path = Path(L"shared.ini");
    int failures[3] = {};
    std::vector<std::thread> writers;
    for (int w = 0; w < 3; ++w)
        writers.emplace_back([&, w] {
            for (int i = 0; i < 200; ++i)
                if (!WriteFileAtomically(path, std::string(4000, static_cast<char>('a' + w)))) ++failures[w];
        });
    for (std::thread& writer : writers) writer.join();
    for (int failed : failures) EXPECT_EQ(failed, 0);
    const std::string bytes = ReadWholeFile(path, 1 << 20).Bytes;
    ASSERT_EQ(bytes.size(), 4000u);
    EXPECT_EQ(bytes.find_first_not_of(bytes[0]), std::string::npos);
    EXPECT_EQ(folder_.Listing(), L"shared.ini;");
}

}  // namespace
