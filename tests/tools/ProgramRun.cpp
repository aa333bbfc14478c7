#include "tests/tools/ProgramRun.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <random>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace lumivane::test {

namespace {

std::string programPath()
{
    const char* bin = std::getenv("LUMIVANE_BIN_DIR");
    return std::string(bin ? bin : ".") + "/lumivane-batch";
}

std::string newTag()
{
    std::random_device random;
    return "LUMIVANE_BATCH_TEST_TAG=" + std::to_string(random()) + std::to_string(getpid());
}

// Writes the whole input from a child process, so a big input never blocks the test.
int feedInput(int fd, const std::string& input)
{
    const int pid = fork();
    if (pid == 0) {
        std::size_t sent = 0;
        while (sent < input.size()) {
            const auto n = write(fd, input.data() + sent, input.size() - sent);
            if (n <= 0)
                break;
            sent += static_cast<std::size_t>(n);
        }
        _exit(0);
    }
    return pid;
}

bool drain(int fd, std::string& into)
{
    std::array<char, 65536> buffer;
    const auto n = read(fd, buffer.data(), buffer.size());
    if (n > 0)
        into.append(buffer.data(), static_cast<std::size_t>(n));
    return n > 0;
}

} // namespace

BatchProgram::BatchProgram(std::vector<std::string> args, const std::string& input)
    : m_tag(newTag())
    , m_started(std::chrono::steady_clock::now())
{
    int in[2], out[2], err[2];
    if (pipe(in) || pipe(out) || pipe(err))
        throw std::runtime_error("pipe failed");
    const std::string path = programPath();
    m_pid = fork();
    if (m_pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (const int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            close(fd);
        putenv(m_tag.data());
        std::vector<char*> argv {const_cast<char*>(path.c_str())};
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    m_feeder = feedInput(in[1], input);
    close(in[1]);
    m_out = out[0];
    m_err = err[0];
}

BatchProgram::~BatchProgram()
{
    for (const int pid : {m_pid, m_feeder}) {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    for (const int fd : {m_out, m_err})
        if (fd >= 0)
            close(fd);
}

void BatchProgram::signal(int number) const
{
    kill(m_pid, number);
}

bool BatchProgram::readSome()
{
    if (!m_outOpen && !m_errOpen)
        return false;
    pollfd fds[2] = {{m_out, POLLIN, 0}, {m_err, POLLIN, 0}};
    if (poll(fds, 2, 200) > 0) {
        if (m_outOpen && fds[0].revents)
            m_outOpen = drain(m_out, m_result.out);
        if (m_errOpen && fds[1].revents)
            m_errOpen = drain(m_err, m_result.err);
    }
    return true;
}

bool BatchProgram::waitForError(const std::string& text, std::chrono::seconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (m_result.err.find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= deadline || !readSome())
            return false;
    }
    return true;
}

ProgramResult BatchProgram::wait(std::chrono::seconds limit)
{
    const auto deadline = m_started + limit;
    while (std::chrono::steady_clock::now() < deadline && readSome()) { }
    if (m_outOpen || m_errOpen)
        kill(m_pid, SIGKILL);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    waitpid(m_feeder, nullptr, 0);
    m_feeder = -1;
    m_result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    m_result.seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count();
    return m_result;
}

std::vector<int> BatchProgram::leftovers() const
{
    std::vector<int> found;
    DIR* proc = opendir("/proc");
    if (!proc)
        return found;
    while (const dirent* entry = readdir(proc)) {
        const int pid = std::atoi(entry->d_name);
        if (pid <= 0 || pid == getpid())
            continue;
        std::ifstream environ("/proc/" + std::string(entry->d_name) + "/environ", std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(environ)), {});
        if (text.find(m_tag) != std::string::npos)
            found.push_back(pid);
    }
    closedir(proc);
    return found;
}

ProgramResult runBatch(std::vector<std::string> args, const std::string& input)
{
    BatchProgram program(std::move(args), input);
    return program.wait();
}

} // namespace lumivane::test
