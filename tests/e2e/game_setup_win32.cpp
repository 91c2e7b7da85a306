#include "game_setup.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>

namespace gamereg::e2e {

namespace {

// Field types of the data file: a fixed-width text, a byte string and a
// memo text, the three the shipped database uses.
constexpr std::int32_t kTextField = 10;
constexpr std::int32_t kBytesField = 11;
constexpr std::int32_t kMemoTextField = 12;

std::string ReplaceAll(std::string text, const std::string& find, const std::string& by) {
    for (std::size_t at = text.find(find); at != std::string::npos;
         at = text.find(find, at + by.size())) {
        text.replace(at, find.size(), by);
    }
    return text;
}

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    const int length =
        MultiByteToWideChar(936, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<std::size_t>(length - 1) : 0);
    return wide;
}

// The COM interface, released at the end of the scope.
template <typename T>
struct Com {
    T* p = nullptr;
    ~Com() {
        if (p != nullptr) p->Release();
    }
};

}  // namespace

DatabaseDefinition DemoDatabase(const DemoRecord& record, const std::string& leaveOut,
                                bool withRecord) {
    struct Field {
        FieldDefinition definition;
        FieldValue value;
    };
    const Field all[] = {
        {{"游戏文件检测", kTextField, 64}, Text(record.markerFile)},
        {{"游戏名称", kTextField, 64}, Text(record.gameName)},
        {{"注册表工具名称", kTextField, 80}, Text(record.toolName)},
        {{"注册表代码", kMemoTextField, 0}, Text(record.importScript)},
        {{"注册表卸载", kBytesField, 0}, BytesOf(record.uninstallScript)},
        {{"注册表存在检测", kTextField, 260}, Text(record.checkItem)},
    };
    DatabaseDefinition database{kToolPassword, {}, {}};
    RecordDefinition first;
    for (const Field& field : all) {
        if (field.definition.name == leaveOut) continue;
        database.fields.push_back(field.definition);
        first.values.push_back(field.value);
    }
    if (withRecord) database.records.push_back(first);
    return database;
}

Folder::Folder(const std::string& prefix) {
    static int folders = 0;
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    std::ostringstream path;
    path << current << "\\" << prefix << " " << GetCurrentProcessId() << "-" << ++folders;
    path_ = path.str();
    RemoveTree(path_);
    EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << path_;
}

Folder::~Folder() { RemoveTree(path_); }

GameFolder::GameFolder() : Folder("演示 游戏") {
    EXPECT_TRUE(CopyFileA(ProductPath().c_str(), (*this / "GameReg.exe").c_str(), FALSE));
}

DemoGameFolder::DemoGameFolder() {
    CopyDemoGame();
    CopyReferenceDatabase();
}

void GameFolder::CopyDemoGame() const {
    EXPECT_TRUE(CopyFileA(GAMEREG_DEMO_GAME, (*this / "Demo.exe").c_str(), FALSE));
}

void GameFolder::CopyReferenceDatabase() const {
    for (const char* name : {"registry.edb", "registry.EDT"}) {
        EXPECT_TRUE(CopyFileA((std::string(GAMEREG_TEST_DATA) + "\\demo\\" + name).c_str(),
                              (*this / name).c_str(), FALSE));
    }
}

void GameFolder::WriteDatabase(const DatabaseDefinition& definition) const {
    EXPECT_EQ(gamereg::WriteDatabase(definition, *this / "registry.edb"), "");
}

std::string PreparedScript(const std::string& script, const std::string& folder) {
    return ReplaceAll(script, "游戏路径", ReplaceAll(folder, "\\", "\\\\"));
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        content.append(buffer, got);
    }
    CloseHandle(file);
    return content;
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
        written == content.size();
    CloseHandle(file);
    return ok;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string DesktopFolder() {
    char path[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOPDIRECTORY, FALSE);
    std::string folder = path;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

std::optional<std::string> ShortcutTarget(const std::string& linkPath) {
    Com<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link.p)))) {
        return std::nullopt;
    }
    Com<IPersistFile> file;
    if (FAILED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) ||
        FAILED(file.p->Load(Wide(linkPath).c_str(), STGM_READ))) {
        return std::nullopt;
    }
    char target[MAX_PATH] = {};
    if (FAILED(link.p->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) return std::nullopt;
    return std::string(target);
}

std::optional<std::string> MachineValue(const std::string& key, const std::string& name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &opened) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    char data[4096] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    const LONG status = RegQueryValueExA(opened, name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS) return std::nullopt;
    // The stored terminator is not part of the value.
    if (type == REG_SZ && size > 0 && data[size - 1] == '\0') --size;
    return std::string(data, size);
}

bool SetMachineValue(const std::string& key, const std::string& name, const std::string& value) {
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_32KEY,
                        nullptr, &opened, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG status = RegSetValueExA(opened, name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(opened);
    return status == ERROR_SUCCESS;
}

void RemoveDemoKey() {
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kDemoKey, KEY_WOW64_32KEY, 0);
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Demo Studio", KEY_WOW64_32KEY, 0);
}

std::optional<Message> MessageNow(const ProgramUnderTest& program) {
    const HWND box = program.WaitForMessageBox();
    if (box == nullptr) return std::nullopt;
    return Message{TextOf(box), TextOf(GetDlgItem(box, 0xFFFF))};
}

bool DismissMessage(const ProgramUnderTest& program) {
    const HWND box = program.WaitForMessageBox();
    if (box == nullptr) return false;
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    return WaitFor([&] { return !IsWindow(box); });
}

}  // namespace gamereg::e2e
