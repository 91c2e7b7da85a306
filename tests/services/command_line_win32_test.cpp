#include "services/command_line.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "windows_test_support.h"

namespace gamereg {
namespace {

using testing_support::FileExists;
using testing_support::HelperProgram;
using testing_support::ReadFileText;
using testing_support::ScratchFolder;
using testing_support::WaitUntil;
using testing_support::WriteFileText;

class RunCommandLineTest : public testing::Test {
protected:
    // A batch file in the scratch folder with `body` after "@echo off".
    std::string WriteBatch(const std::string& name, const std::string& body) {
        const std::string path = scratch / name;
        WriteFileText(path, "@echo off\r\n" + body);
        return path;
    }
    // The startup probe, recording into `record` after `delayMs`.
    std::string ProbeCommand(const std::string& record, int delayMs = 0) {
        return "\"" + HelperProgram("startup_probe.exe") + "\" \"" + record + "\" " +
               std::to_string(delayMs);
    }

    ScratchFolder scratch;
};

TEST_F(RunCommandLineTest, WaitedBatchFileHasFinished) {
    const std::string marker = scratch / "marker.txt";
    const std::string batch = WriteBatch("Gamereg.bat", "echo done> \"" + marker + "\"\r\n");
    EXPECT_TRUE(RunCommandLine(batch, true, 1));
    EXPECT_EQ(ReadFileText(marker), "done\r\n");
}

TEST_F(RunCommandLineTest, BatchPathJoinedWithSlashAsTheHandlersBuildIt) {
    const std::string marker = scratch / "marker.txt";
    WriteBatch("Gamereg.bat", "echo done> \"" + marker + "\"\r\n");
    EXPECT_TRUE(RunCommandLine(scratch.Path() + "\\/Gamereg.bat", true, 1));
    EXPECT_TRUE(FileExists(marker));
}

TEST_F(RunCommandLineTest, ExitCodeOfChildDoesNotMatter) {
    EXPECT_TRUE(RunCommandLine(WriteBatch("fails.bat", "exit /b 3\r\n"), true, 1));
    EXPECT_TRUE(RunCommandLine(WriteBatch("empty.bat", ""), true, 1));
    // The probe itself ends with exit code 7.
    EXPECT_TRUE(RunCommandLine(ProbeCommand(scratch / "record.txt"), true, 1));
}

TEST_F(RunCommandLineTest, ChildInheritsCurrentDirectory) {
    const std::string marker = scratch / "cd.txt";
    char current[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, current), 0u);
    EXPECT_TRUE(RunCommandLine(WriteBatch("cd.bat", "cd> \"" + marker + "\"\r\n"), true, 1));
    EXPECT_EQ(ReadFileText(marker), std::string(current) + "\r\n");
}

TEST_F(RunCommandLineTest, ProgramThatCannotStartIsFalse) {
    EXPECT_FALSE(RunCommandLine(scratch / "missing.bat", true, 1));
    EXPECT_FALSE(RunCommandLine(scratch / "missing.exe"));
    EXPECT_FALSE(RunCommandLine("", true));
}

TEST_F(RunCommandLineTest, WaitBlocksUntilChildEnds) {
    const std::string record = scratch / "record.txt";
    EXPECT_TRUE(RunCommandLine(ProbeCommand(record, 500), true, 1));
    EXPECT_TRUE(FileExists(record));
}

TEST_F(RunCommandLineTest, WithoutWaitReturnsWhileChildRuns) {
    const std::string record = scratch / "record.txt";
    EXPECT_TRUE(RunCommandLine(ProbeCommand(record, 3000), false, 1));
    EXPECT_FALSE(FileExists(record));
    // Let the child finish before the scratch folder goes.
    EXPECT_TRUE(WaitUntil([&] { return FileExists(record); }));
}

TEST_F(RunCommandLineTest, CommandLineReachesChildUnchanged) {
    const std::string record = scratch / "record.txt";
    const std::string command = ProbeCommand(record) + "  extra \"游戏乗\"";
    EXPECT_TRUE(RunCommandLine(command, true, 1));
    const std::string content = ReadFileText(record);
    EXPECT_EQ(content.substr(content.find('\n') + 1), command + "\n");
}

struct ShowCase {
    const char* name;
    friend void PrintTo(const ShowCase& c, std::ostream* out) { *out << c.name; }
    std::optional<std::int32_t> showMode;
    unsigned windowState;
};

class ShowModeTest : public RunCommandLineTest, public testing::WithParamInterface<ShowCase> {};

TEST_P(ShowModeTest, ReachesChildStartupInfo) {
    const std::string record = scratch / "record.txt";
    const ShowCase& c = GetParam();
    ASSERT_TRUE(c.showMode ? RunCommandLine(ProbeCommand(record), true, *c.showMode)
                           : RunCommandLine(ProbeCommand(record), true));
    const std::string content = ReadFileText(record);
    EXPECT_EQ(content.substr(0, content.find('\n')),
              std::to_string(STARTF_USESHOWWINDOW) + " " + std::to_string(c.windowState));
}

const ShowCase kShowCases[] = {
    {"OmittedShowsNormally", std::nullopt, SW_SHOWNORMAL},
    {"BelowOneHides", 0, SW_HIDE},
    {"Hidden", 1, SW_HIDE},
    {"Normal", 2, SW_SHOWNORMAL},
    {"Minimized", 3, SW_SHOWMINIMIZED},
    {"Maximized", 4, SW_SHOWMAXIMIZED},
    {"NoActivate", 5, SW_SHOWNOACTIVATE},
    {"Minimize", 6, SW_MINIMIZE},
    {"AboveSixMinimizes", 9, SW_MINIMIZE},
};

INSTANTIATE_TEST_SUITE_P(Cases, ShowModeTest, testing::ValuesIn(kShowCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gamereg
