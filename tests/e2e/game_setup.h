#pragma once
// What a GameReg end-to-end test sets up and reads back: a game folder with
// the tool, the demo game and a database; a temporary-files folder; the
// registry key of the demo game; the desktop shortcut.

#include <optional>
#include <string>
#include <vector>

#include "database/database_writer.h"
#include "program_under_test.h"

namespace gamereg::e2e {

// The tool's own password, as the publisher's tool writes it by default.
inline constexpr const char* kToolPassword = "391526043";

// The demo game's key and the value the import script sets, as the database
// names it (below HKEY_LOCAL_MACHINE).
inline constexpr const char* kDemoKey = "SOFTWARE\\Demo Studio\\Demo";
inline constexpr const char* kDemoCheckItem = "SOFTWARE\\Demo Studio\\Demo\\InstallPath";

// The demo game's scripts, as the shipped database holds them.
inline constexpr const char* kDemoImportScript =
    "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Studio\\Demo]\r\n"
    "\"InstallPath\"=\"游戏路径\"\r\n\"Exe\"=\"游戏路径\\\\Demo.exe\"\r\n"
    "\"Language\"=\"简体中文\"\r\n\r\n";
inline constexpr const char* kDemoUninstallScript =
    "REGEDIT4\r\n\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Studio\\Demo]\r\n\r\n";

// The six fields of the demo game's record, in the shipped order.
struct DemoRecord {
    std::string markerFile = "Demo.exe";
    std::string gameName = "演示游戏";
    std::string toolName = "演示游戏注册表工具";
    std::string importScript = kDemoImportScript;
    std::string uninstallScript = kDemoUninstallScript;
    std::string checkItem = kDemoCheckItem;
};

// The database of the demo game with that record; `leaveOut` names a field
// that the database does not have, `withRecord` false gives no record.
DatabaseDefinition DemoDatabase(const DemoRecord& record = {}, const std::string& leaveOut = {},
                                bool withRecord = true);

// A fresh folder below the test's working folder, whose name holds a blank
// and Chinese characters; removed with everything in it at the end.
class Folder {
public:
    explicit Folder(const std::string& prefix);
    ~Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const std::string& Path() const { return path_; }  // no trailing "\"
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// A game folder: GameReg.exe always, the demo game and the database as the
// test wants them.
class GameFolder : public Folder {
public:
    GameFolder();
    void CopyDemoGame() const;
    void CopyReferenceDatabase() const;  // tests/data/demo
    void WriteDatabase(const DatabaseDefinition& definition) const;
};

// The demo game as shipped: GameReg.exe, Demo.exe and the reference database.
class DemoGameFolder : public GameFolder {
public:
    DemoGameFolder();
};

// The import script as the tool prepares it for `folder`: every 游戏路径
// replaced by the folder with its backslashes doubled.
std::string PreparedScript(const std::string& script, const std::string& folder);

// The whole content of a file; none when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& content);
bool FileExists(const std::string& path);

// The desktop folder of the prefix's user, without a trailing "\".
std::string DesktopFolder();
// The target of a shell link, loaded through IShellLinkA; none when it
// cannot be loaded.
std::optional<std::string> ShortcutTarget(const std::string& linkPath);

// A string value below HKEY_LOCAL_MACHINE in the 32-bit view, as ANSI bytes;
// none when the key or the value is missing.
std::optional<std::string> MachineValue(const std::string& key, const std::string& name);
bool SetMachineValue(const std::string& key, const std::string& name, const std::string& value);
// Removes the demo game's key and its publisher's key.
void RemoveDemoKey();

// A message box of the program: its caption and text.
struct Message {
    std::string caption;
    std::string text;
    friend bool operator==(const Message&, const Message&) = default;
    friend void PrintTo(const Message& m, std::ostream* os) {
        *os << "[" << m.caption << "] " << m.text;
    }
};
// The box that is up now, or one that comes before the deadline; none if
// none comes.
std::optional<Message> MessageNow(const ProgramUnderTest& program);
// Presses OK on the box that is up and waits until it is gone.
bool DismissMessage(const ProgramUnderTest& program);

// The ordinary box's caption, and the fatal error's box.
inline constexpr const char* kInformation = "信息：";
inline const Message kFieldMissing{"错误", "运行时出错!\r\n\r\n错误信息：指定字段不存在\r\n"};
inline constexpr DWORD kFatalExit = 0xFFFFFFFF;

}  // namespace gamereg::e2e
