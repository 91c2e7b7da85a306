#pragma once
// The built-in description of the program's windows: an ordered list of
// component records, each window followed by its controls. The order of a
// window's controls fixes their creation order, Win32 identifiers, stacking
// and the tie-break of the tab order, so none of these is written by hand.

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace gamereg {

// 0x00BBGGRR; ButtonFace is resolved to the system colour each time it is drawn.
using Colour = std::uint32_t;
inline constexpr Colour ButtonFace = 0xFF000000;

using Handler = void (*)();

struct EventBinding {
    std::int32_t event = 0;
    Handler handler = nullptr;  // none: the event is dropped
};

// Event numbers, counted within the component's kind.
namespace event {
inline constexpr std::int32_t Created = 0;
inline constexpr std::int32_t CloseQuery = 1;
inline constexpr std::int32_t WillBeDestroyed = 2;
inline constexpr std::int32_t Moved = 3;
inline constexpr std::int32_t Resized = 4;
inline constexpr std::int32_t Shown = 10;
inline constexpr std::int32_t Hidden = 11;
inline constexpr std::int32_t Clicked = 0;
inline constexpr std::int32_t ContentChanged = 0;
}  // namespace event

enum class StartPosition : std::int32_t { Manual = 0, CentredOnScreen = 1 };
enum class StartState : std::int32_t { Normal = 0, Minimised = 1, Maximised = 2 };

struct WindowProperties {
    std::string_view caption{};
    std::int32_t borderStyle = 2;  // 0 none; otherwise a fixed dialog frame
    bool controlBox = true;
    bool minimiseBox = true;
    bool maximiseBox = false;
    StartPosition startPosition = StartPosition::CentredOnScreen;
    StartState startState = StartState::Normal;
    Colour background = ButtonFace;
    bool escCloses = true;
    bool showInTaskbar = true;
    bool alwaysOnTop = false;
};

enum class ScrollBars : std::int32_t { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };
enum class Alignment : std::int32_t { Left = 0, Centre = 1, Right = 2 };
enum class InputMode : std::int32_t { Normal = 0, ReadOnly = 1, Password = 2 };
enum class LetterCase : std::int32_t { Unchanged = 0, Lower = 1, Upper = 2 };

struct EditBoxProperties {
    std::string_view content{};
    bool sunkenBorder = true;
    Colour textColour = 0x00000000;
    Colour background = 0x00FFFFFF;
    bool hideSelection = true;
    std::int32_t maximumLength = 0;  // 0: the edit control's own maximum
    bool multiLine = true;
    ScrollBars scrollBars = ScrollBars::None;
    Alignment alignment = Alignment::Left;
    InputMode inputMode = InputMode::Normal;
    char passwordCharacter = '*';
    LetterCase letterCase = LetterCase::Unchanged;
    std::int32_t selectionStart = 0;
    std::int32_t selectionLength = 0;
};

struct GroupBoxProperties {
    std::string_view caption{};
    Alignment captionAlignment = Alignment::Left;
    Colour textColour = 0x00000000;
    Colour background = ButtonFace;
};

struct ButtonProperties {
    std::string_view caption{};
    bool defaultButton = false;
    Alignment horizontalAlignment = Alignment::Centre;
    Alignment verticalAlignment = Alignment::Centre;  // Left stands for the top, Right the bottom
};

enum class LinkType : std::int32_t { EMail = 0, WebAddress = 1 };

struct HyperLinkerProperties {
    std::string_view caption{};
    LinkType linkType = LinkType::WebAddress;
    std::string_view eMailAddress{};
    std::string_view webAddress{};
    Colour normalColour = 0x00FF0000;
    Colour visitedColour = 0x00000080;
    Colour hoverColour = 0x00FF9933;
    Colour background = ButtonFace;
    std::int32_t border = 0;  // 0 to 5, none to single line
};

// The alternatives stand in the order of ComponentKind.
using KindProperties = std::variant<WindowProperties, EditBoxProperties, GroupBoxProperties,
                                    ButtonProperties, HyperLinkerProperties>;

enum class ComponentKind { Window, EditBox, GroupBox, Button, HyperLinker };

// The Chinese kind names are the system's own: 窗口, 编辑框, 分组框, 按钮, 超级链接框.
struct ComponentRecord {
    std::string_view name{};  // empty for a window
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    // Index, among its window's records, of the component whose Win32 child
    // the control becomes; 0 is the window itself.
    std::int32_t parent = 0;
    bool visible = true;
    bool disabled = false;
    bool tabStop = false;
    std::int32_t tabOrder = 0;  // smaller first
    std::span<const EventBinding> events{};
    KindProperties properties{};
};

inline ComponentKind KindOf(const ComponentRecord& record) {
    return static_cast<ComponentKind>(record.properties.index());
}

}  // namespace gamereg
