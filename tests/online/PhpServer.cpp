#include "tests/online/PhpServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace lumivane::test {

namespace {

sockaddr_in loopback(int port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    return address;
}

// Binding port 0 lets the system choose a port nobody uses.
int freePort()
{
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    auto address = loopback(0);
    socklen_t length = sizeof address;
    if (probe < 0 || bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("no free port");
    close(probe);
    return ntohs(address.sin_port);
}

bool accepts(int port)
{
    const int client = socket(AF_INET, SOCK_STREAM, 0);
    const auto address = loopback(port);
    const bool connected
        = connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(client);
    return connected;
}

} // namespace

PhpServer::PhpServer(const std::string& documentRoot, const std::string& router)
    : m_port(freePort())
{
    const auto listen = "127.0.0.1:" + std::to_string(m_port);
    m_pid = fork();
    if (m_pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        if (router.empty())
            execlp("php", "php", "-S", listen.c_str(), "-t", documentRoot.c_str(), nullptr);
        else
            execlp("php", "php", "-S", listen.c_str(), "-t", documentRoot.c_str(), router.c_str(),
                nullptr);
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!accepts(m_port)) {
        int status = 0;
        if (m_pid < 0 || waitpid(m_pid, &status, WNOHANG) != 0
            || std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("php -S did not start (is php-cli installed?)");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

PhpServer::~PhpServer()
{
    kill(m_pid, SIGTERM);
    int status = 0;
    waitpid(m_pid, &status, 0);
}

std::string PhpServer::url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

CommandResult runCommand(const std::string& commandLine)
{
    CommandResult result;
    FILE* pipe = popen((commandLine + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    std::size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, got);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string shellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace lumivane::test
