#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "child_process.h"

extern char** environ;

namespace gamereg::test {

ChildProcess::~ChildProcess() { Wait(); }

bool ChildProcess::Start(const Text& program, const std::vector<Text>& arguments) {
    const Text path = "./" + program;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const Text& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    // The database's descriptors are inheritable, as its Windows handles are;
    // the child gets none of them.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd = 3; fd < 256; ++fd) {
        if (fcntl(fd, F_GETFD) != -1) posix_spawn_file_actions_addclose(&actions, fd);
    }
    pid_t pid = 0;
    const int error = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return false;
    process_ = pid;
    return true;
}

int ChildProcess::Wait() {
    if (process_ == -1) return -1000;
    int status = 0;
    waitpid(static_cast<pid_t>(process_), &status, 0);
    process_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1000;
}

}  // namespace gamereg::test
