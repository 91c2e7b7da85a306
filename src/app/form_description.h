#pragma once
// The program's one window, MainWindow, and its six controls.

#include <cstdint>
#include <span>

#include "app/component_record.h"

namespace gamereg {

// A window is named by its place among the windows of the form data, a component
// by its index among its window's records; the window itself is component 0.
using WindowId = std::int32_t;
using ComponentId = std::int32_t;

// The form's one window.
inline constexpr WindowId kMainWindow = 0;

// MainWindow's components in the order of the form data.
inline constexpr ComponentId MainWindow = 0;
inline constexpr ComponentId 超级链接框2 = 1;
inline constexpr ComponentId 编辑框1 = 2;
inline constexpr ComponentId 超级链接框1 = 3;
inline constexpr ComponentId 按钮2 = 4;
inline constexpr ComponentId 按钮1 = 5;
inline constexpr ComponentId 分组框1 = 6;

// MainWindow followed by its controls, with the four handlers bound.
std::span<const ComponentRecord> FormDescription();

}  // namespace gamereg
