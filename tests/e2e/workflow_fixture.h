#pragma once
// One run of the real GameReg.exe in a game folder of its own, with its own
// temporary-files folder; the demo game's registry key and desktop shortcut
// are cleared before and after.

#include <objbase.h>

#include <gtest/gtest.h>

#include <memory>

#include "game_setup.h"
#include "probe_window.h"

namespace gamereg::e2e {

inline constexpr const char* kTemporaryFiles[] = {"Gamereg.reg", "Gamereg.bat", "Gameuninstall.reg",
                                                  "Gameuninstall.bat"};

class WorkflowTest : public testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        Clear();
    }
    void TearDown() override {
        product.reset();
        Clear();
        CoUninitialize();
    }

    void Start() {
        product = std::make_unique<ProgramUnderTest>(
            game / "GameReg.exe",
            std::map<std::string, std::string>{{"TEMP", temp.Path()}, {"TMP", temp.Path()}});
    }

    // The main window, visible, once the program has started well.
    HWND StartedWindow() {
        Start();
        return product->WaitForMainWindow(true);
    }

    // The temporary files that are there now.
    std::vector<std::string> TemporaryFilesLeft() const {
        std::vector<std::string> left;
        for (const char* name : kTemporaryFiles) {
            if (FileExists(temp / name)) left.push_back(name);
        }
        return left;
    }

    std::string Shortcut() const { return DesktopFolder() + "\\演示游戏.lnk"; }

    GameFolder game;
    Folder temp{"临时 文件"};
    std::unique_ptr<ProgramUnderTest> product;

private:
    void Clear() {
        RemoveDemoKey();
        DeleteFileA(Shortcut().c_str());
    }
};

}  // namespace gamereg::e2e
