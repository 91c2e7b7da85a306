#include "services/shortcut.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

#include <string>

namespace gamereg {

namespace {

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class ComReference {
public:
    ComReference() = default;
    ComReference(const ComReference&) = delete;
    ComReference& operator=(const ComReference&) = delete;
    ~ComReference() {
        if (pointer_ != nullptr) {
            pointer_->Release();
        }
    }
    Interface* operator->() const { return pointer_; }
    void** OutVoid() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

Text LinkFileName(const Text& linkPath) {
    return linkPath.find('.') == Text::npos ? ConcatText({linkPath, ".lnk"}) : linkPath;
}

// The file name in UTF-16 from the ANSI code page, or empty when it cannot
// be converted.
std::wstring WideFileName(const Text& fileName) {
    const int length = MultiByteToWideChar(CP_ACP, 0, fileName.c_str(), -1, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, fileName.c_str(), -1, wide.data(), length) != length) {
        return {};
    }
    wide.pop_back();  // the terminator, which c_str() brings back
    return wide;
}

}  // namespace

bool CreateShortcut(const Text& linkPath, const Text& targetPath,
                    const std::optional<Text>& description, const std::optional<Text>& arguments,
                    const std::optional<Text>& workingDirectory) {
    const Text fileName = LinkFileName(linkPath);
    if (fileName.size() >= MAX_PATH) {
        return false;
    }
    ComReference<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.OutVoid()))) {
        return false;
    }
    ComReference<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid()))) {
        return false;
    }
    // Only the save decides the answer; the link object checks nothing here.
    link->SetPath(targetPath.c_str());
    link->SetShowCmd(SW_SHOW);
    if (description) {
        link->SetDescription(description->c_str());
    }
    if (arguments) {
        link->SetArguments(arguments->c_str());
    }
    if (workingDirectory) {
        link->SetWorkingDirectory(workingDirectory->c_str());
    }
    const std::wstring wideName = WideFileName(fileName);
    return !wideName.empty() && SUCCEEDED(file->Save(wideName.c_str(), TRUE));
}

}  // namespace gamereg
