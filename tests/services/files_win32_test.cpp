#include "services/files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "windows_test_support.h"

namespace gamereg {
namespace {

using testing_support::FileExists;
using testing_support::MakeFolder;
using testing_support::ReadFileText;
using testing_support::ScratchFolder;
using testing_support::WriteFileText;

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

class FilesTest : public testing::Test {
protected:
    ScratchFolder scratch;
};

TEST_F(FilesTest, PathExistsForFilesFoldersAndPatterns) {
    WriteFileText(scratch / "registry.edb", "x");
    MakeFolder(scratch / "游戏乗");
    // The forms the handlers build: a "/" join and a doubled separator.
    EXPECT_TRUE(PathExists(scratch.Path() + "/registry.edb"));
    EXPECT_TRUE(PathExists(scratch.Path() + "\\\\registry.edb"));
    EXPECT_TRUE(PathExists(scratch / "游戏乗"));
    EXPECT_TRUE(PathExists(scratch / "*.edb"));
    EXPECT_TRUE(PathExists(scratch / "registry.ed?"));
    EXPECT_FALSE(PathExists(scratch / "*.EDT"));
    EXPECT_FALSE(PathExists(scratch / "registry.EDT"));
    EXPECT_FALSE(PathExists(scratch / "missing\\registry.edb"));
    EXPECT_FALSE(PathExists(""));
}

TEST_F(FilesTest, WriteReplacesTheWholeContent) {
    const std::string path = scratch / "Gamereg.reg";
    WriteFileText(path, "a much longer old content");
    EXPECT_TRUE(WriteBytesToFile(path, {BytesOf("new")}));
    EXPECT_EQ(ReadFileText(path), "new");
}

TEST_F(FilesTest, WriteJoinsPartsByteForByte) {
    const std::string path = scratch / "游戏乗.bat";
    EXPECT_TRUE(WriteBytesToFile(
        path, {BytesOf("@echo off\r\n"), Bytes(), BytesOf(std::string("\0\n乗", 4))}));
    EXPECT_EQ(ReadFileText(path), std::string("@echo off\r\n\0\n乗", 15));
}

TEST_F(FilesTest, WriteWithNoBytesMakesOrEmptiesTheFile) {
    const std::string fresh = scratch / "fresh.reg";
    EXPECT_TRUE(WriteBytesToFile(fresh));
    EXPECT_TRUE(FileExists(fresh));
    EXPECT_EQ(ReadFileText(fresh), "");

    const std::string old = scratch / "old.reg";
    WriteFileText(old, "old");
    EXPECT_TRUE(WriteBytesToFile(old, {Bytes()}));
    EXPECT_EQ(ReadFileText(old), "");
}

TEST_F(FilesTest, WriteToReadOnlyFileFailsAndLeavesIt) {
    const std::string path = scratch / "locked.reg";
    WriteFileText(path, "kept");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    // Wine run by root opens read-only files for writing all the same.
    const HANDLE probe =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        GTEST_SKIP() << "this platform lets a read-only file be opened for writing";
    }
    EXPECT_FALSE(WriteBytesToFile(path, {BytesOf("new")}));
    EXPECT_EQ(ReadFileText(path), "kept");
}

TEST_F(FilesTest, WriteToFileOpenElsewhereFailsAndLeavesIt) {
    const std::string path = scratch / "open.reg";
    WriteFileText(path, "kept");
    const HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteBytesToFile(path, {BytesOf("new")}));
    CloseHandle(other);
    EXPECT_EQ(ReadFileText(path), "kept");
}

TEST_F(FilesTest, WriteIntoMissingFolderOrToEmptyPathFails) {
    EXPECT_FALSE(WriteBytesToFile(scratch / "missing\\Gamereg.reg", {BytesOf("x")}));
    EXPECT_FALSE(FileExists(scratch / "missing"));
    EXPECT_FALSE(WriteBytesToFile("", {BytesOf("x")}));
}

TEST_F(FilesTest, RemoveFileDeletesOneFile) {
    const std::string path = scratch / "Gamereg.bat";
    WriteFileText(path, "x");
    EXPECT_TRUE(RemoveFile(scratch.Path() + "/Gamereg.bat"));
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(RemoveFile(path));
}

TEST_F(FilesTest, RemoveFileRefusesPatternsAndReadOnlyFiles) {
    WriteFileText(scratch / "a.reg", "x");
    EXPECT_FALSE(RemoveFile(scratch / "*.reg"));
    EXPECT_TRUE(FileExists(scratch / "a.reg"));

    const std::string locked = scratch / "locked.reg";
    WriteFileText(locked, "x");
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(RemoveFile(locked));
    EXPECT_TRUE(FileExists(locked));
}

}  // namespace
}  // namespace gamereg
