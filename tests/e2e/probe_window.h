#pragma once
// The probe build running with one action, and its main window's controls.

#include <map>
#include <string>

#include "program_under_test.h"

namespace gamereg::e2e {

inline ProgramUnderTest StartProbe(const std::string& action, const std::string& form = "") {
    return ProgramUnderTest(ProbePath(),
                            {{"GAMEREG_PROBE_ACTION", action}, {"GAMEREG_PROBE_FORM", form}});
}

// The controls by the stacking order of the form: the window's children
// 超级链接框2, 编辑框1, 超级链接框1, 分组框1; in the group box 按钮2, 按钮1.
inline HWND EditBox(HWND window) { return ChildrenOf(window).at(1); }
inline HWND GroupBox(HWND window) { return ChildrenOf(window).at(3); }
inline HWND Button1(HWND window) { return ChildrenOf(GroupBox(window)).at(1); }
inline HWND Button2(HWND window) { return ChildrenOf(GroupBox(window)).at(0); }

}  // namespace gamereg::e2e
