#include "bench/CurlRun.h"

#include <chrono>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

extern char** environ;

CurlRun::CurlRun(const std::string& caBundle, const std::vector<std::string>& urls,
                 std::size_t headIndex)
{
    for (std::size_t i = 0; i < urls.size(); ++i) {
        if (i > 0) {
            m_arguments.push_back("--next");
        }
        for (const char* option : {"--cacert", caBundle.c_str(), "-s", "-f", "-o", "/dev/null"}) {
            m_arguments.emplace_back(option);
        }
        if (i == headIndex) {
            m_arguments.push_back("-I");
        }
        m_arguments.push_back(urls[i]);
    }
}

double CurlRun::run() const
{
    std::vector<char*> argv{const_cast<char*>("curl")};
    for (const std::string& argument : m_arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "curl", nullptr, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("cannot start curl");
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("curl failed with status " + std::to_string(status));
    }
    return elapsed;
}
