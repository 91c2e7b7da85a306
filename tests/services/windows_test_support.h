#pragma once
// What the Windows tests of the services share: a scratch folder of their
// own, the helper programs built beside them, and small file and process
// tools that go straight to Win32, so that no test leans on the code it tests.

#include <chrono>
#include <functional>
#include <string>

namespace gamereg::testing_support {

// A fresh, empty folder in the temporary-files folder, removed with all it
// holds when the test ends. Its path has no trailing "\".
class ScratchFolder {
public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    const std::string& Path() const { return path_; }
    // The folder, "\" and `name`.
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// The full path of a helper program built beside the running test.
std::string HelperProgram(const std::string& fileName);

void WriteFileText(const std::string& path, const std::string& content);
// The whole content, or an empty string when the file cannot be read.
std::string ReadFileText(const std::string& path);
bool FileExists(const std::string& path);
void MakeFolder(const std::string& path);
void CopyProgram(const std::string& from, const std::string& to);

// Starts `commandLine` in `currentDirectory` (the caller's when empty),
// waits for its end and returns its exit code; -1 when it cannot start.
long RunAndWait(const std::string& commandLine, const std::string& currentDirectory = {});

// Polls `condition` until it holds or `deadline` has passed.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds deadline = std::chrono::seconds(20));

}  // namespace gamereg::testing_support
