#include "app/form_description.h"

#include <array>

#include "workflow/handlers.h"

namespace gamereg {

namespace {

constexpr std::array windowEvents{EventBinding{event::Created, &HandleCreated},
                                  EventBinding{event::WillBeDestroyed, &HandleDestroying}};
constexpr std::array importEvents{EventBinding{event::Clicked, &HandleImport}};
constexpr std::array uninstallEvents{EventBinding{event::Clicked, &HandleUninstall}};

// The publisher's site, one line each.
constexpr char publisherName[] = "游戏工具站";
constexpr char homePage[] = "http://www.example.com/";
constexpr char helpPage[] = "http://www.example.com/handbook/201007/161921.shtml";

// The parts joined into one NUL-terminated text, at compile time.
template <std::size_t... sizes>
constexpr auto Joined(const char (&... parts)[sizes]) {
    std::array<char, (sizes + ...) - sizeof...(sizes) + 1> joined{};
    std::size_t at = 0;
    for (const std::string_view part : {std::string_view(parts, sizes - 1)...}) {
        for (const char c : part) joined[at++] = c;
    }
    return joined;
}

// The home page's link reads as the site's name, a full-width colon and the address.
constexpr auto homePageCaption = Joined(publisherName, "：", homePage);

// The edit box lies below the window's bottom edge: it holds the import
// script out of sight, yet Tab reaches it.
const std::array<ComponentRecord, 7> mainWindowForm{{
    {.name = "",
     .left = 50,
     .top = 50,
     .width = 369,
     .height = 141,
     .events = windowEvents,
     .properties = WindowProperties{}},
    {.name = "超级链接框2",
     .left = 228,
     .top = 88,
     .width = 128,
     .height = 24,
     .properties = HyperLinkerProperties{.caption = "无法运行游戏请点我", .webAddress = helpPage}},
    {.name = "编辑框1",
     .left = 296,
     .top = 224,
     .width = 64,
     .height = 56,
     .tabStop = true,
     .properties = EditBoxProperties{}},
    {.name = "超级链接框1",
     .left = 144,
     .top = 69,
     .width = 206,
     .height = 24,
     .properties =
         HyperLinkerProperties{.caption = {homePageCaption.data(), homePageCaption.size() - 1},
                               .webAddress = homePage}},
    {.name = "按钮2",
     .left = 182,
     .top = 20,
     .width = 129,
     .height = 28,
     .parent = 分组框1,
     .tabStop = true,
     .events = uninstallEvents,
     .properties = ButtonProperties{.caption = "卸载注册表"}},
    {.name = "按钮1",
     .left = 14,
     .top = 20,
     .width = 129,
     .height = 28,
     .parent = 分组框1,
     .tabStop = true,
     .events = importEvents,
     .properties = ButtonProperties{.caption = "导入注册表"}},
    {.name = "分组框1",
     .left = 17,
     .top = 8,
     .width = 327,
     .height = 56,
     .properties = GroupBoxProperties{.caption = "注册表导入区"}},
}};

}  // namespace

std::span<const ComponentRecord> FormDescription() { return mainWindowForm; }

}  // namespace gamereg
