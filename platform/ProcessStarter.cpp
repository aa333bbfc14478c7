#include "platform/ProcessStarter.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumivane {

namespace {

// Runs in the grandchild after fork: only async-signal-safe calls until exec.
[[noreturn]] void execOrReport(char* const* argv, int errorPipe)
{
    execvp(argv[0], argv);
    const int error = errno;
    [[maybe_unused]] const auto written = write(errorPipe, &error, sizeof error);
    _exit(127);
}

// The middle child starts a new session and leaves at once, so the program it forks is
// adopted by init and the caller has no child left to reap.
[[noreturn]] void detachAndExec(char* const* argv, int errorPipe)
{
    setsid();
    const pid_t grandchild = fork();
    if (grandchild == 0)
        execOrReport(argv, errorPipe);
    _exit(grandchild < 0 ? 1 : 0);
}

} // namespace

std::vector<std::string> splitParameters(const std::string& parameters)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : parameters) {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

bool startDetached(const std::vector<std::string>& argv)
{
    if (argv.empty() || argv.front().empty())
        return false;
    std::vector<std::string> copies = argv;
    std::vector<char*> pointers;
    for (auto& argument : copies)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);

    int errorPipe[2];
    if (pipe2(errorPipe, O_CLOEXEC) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        close(errorPipe[0]);
        detachAndExec(pointers.data(), errorPipe[1]);
    }
    close(errorPipe[1]);
    bool started = false;
    if (child > 0) {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) { }
        int execError = 0;
        ssize_t got;
        while ((got = read(errorPipe[0], &execError, sizeof execError)) < 0 && errno == EINTR) { }
        started = WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
    }
    close(errorPipe[0]);
    return started;
}

bool DetachedProcessStarter::open(const std::string& program, const std::string& parameters)
{
    std::vector<std::string> argv {program};
    for (auto& word : splitParameters(parameters))
        argv.push_back(std::move(word));
    return startDetached(argv);
}

} // namespace lumivane
