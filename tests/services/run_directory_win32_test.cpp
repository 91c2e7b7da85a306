#include "services/run_directory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "services/path_separator.h"
#include "windows_test_support.h"

namespace gamereg {
namespace {

using testing_support::CopyProgram;
using testing_support::HelperProgram;
using testing_support::MakeFolder;
using testing_support::ReadFileText;
using testing_support::RunAndWait;
using testing_support::ScratchFolder;

// "乗" is 81 5C in code page 936: its second byte is a "\".
static_assert(sizeof("乗") == 3 && "乗"[1] == '\\');

struct DirectoryCase {
    const char* name;
    friend void PrintTo(const DirectoryCase& c, std::ostream* out) { *out << c.name; }
    Text path;
    Text directory;
};

class DirectoryOfTest : public testing::TestWithParam<DirectoryCase> {};

TEST_P(DirectoryOfTest, CutsAtLastSeparator) {
    EXPECT_EQ(DirectoryOf(GetParam().path), GetParam().directory);
}

const DirectoryCase kDirectoryCases[] = {
    {"Folder", "C:\\Games\\Demo\\tool.exe", "C:\\Games\\Demo"},
    {"DriveRoot", "C:\\tool.exe", "C:"},
    {"NoSeparator", "tool.exe", ""},
    {"Empty", "", ""},
    {"SecondByteInFileName", "C:\\Games\\工具乗.exe", "C:\\Games"},
    {"SecondByteEndsFolderName", "C:\\游戏乗\\tool.exe", "C:\\游戏乗"},
    {"OnlySecondByte", "乗", ""},
    {"LeadByteAtEnd", "C:\\Games\\a\x81", "C:\\Games"},
    {"TrailingSeparator", "C:\\Games\\", "C:\\Games"},
};

INSTANTIATE_TEST_SUITE_P(Cases, DirectoryOfTest, testing::ValuesIn(kDirectoryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EndsWithSeparator, TellsSeparatorFromSecondByte) {
    EXPECT_TRUE(EndsWithSeparator("C:\\"));
    EXPECT_TRUE(EndsWithSeparator("C:\\乗\\"));
    EXPECT_FALSE(EndsWithSeparator("C:\\乗"));
    EXPECT_FALSE(EndsWithSeparator("C:"));
    EXPECT_FALSE(EndsWithSeparator(""));
}

// Runs the probe copied to `program` and returns its record: the run
// directory, then the current directory, each on its own line.
std::string RunProbeAt(const std::string& program, const ScratchFolder& scratch) {
    CopyProgram(HelperProgram("run_directory_probe.exe"), program);
    const std::string record = scratch / "record.txt";
    // Started from elsewhere, so the current directory must come from the probe.
    EXPECT_EQ(RunAndWait("\"" + program + "\" \"" + record + "\"", "C:\\windows"), 0);
    return ReadFileText(record);
}

TEST(FixRunDirectory, FolderWithSecondByteBackslash) {
    ScratchFolder scratch;
    const std::string folder = scratch / "游戏乗";
    MakeFolder(folder);
    EXPECT_EQ(RunProbeAt(folder + "\\工具乗.exe", scratch), folder + "\n" + folder + "\n");
}

TEST(FixRunDirectory, DriveRootHasNoSeparatorButIsCurrent) {
    ScratchFolder scratch;
    const std::string program =
        "C:\\gamereg-probe-" + std::to_string(GetCurrentProcessId()) + ".exe";
    const std::string record = RunProbeAt(program, scratch);
    DeleteFileA(program.c_str());
    EXPECT_EQ(record, "C:\nC:\\\n");
}

}  // namespace
}  // namespace gamereg
