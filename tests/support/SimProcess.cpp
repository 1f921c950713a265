#include "SimProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#ifndef T360KV_SIM_PATH
#error "T360KV_SIM_PATH must name the simulator executable"
#endif

namespace {

std::string ReadFirstLine(int fd, int timeoutMs) {
    std::string line;
    pollfd p{fd, POLLIN, 0};
    while (poll(&p, 1, timeoutMs) > 0) {
        char c;
        if (read(fd, &c, 1) != 1 || c == '\n')
            break;
        line += c;
    }
    return line;
}

} // namespace

SimProcess::SimProcess(const std::vector<std::string>& args, const std::string& runtimeDir)
    : runtimeDir_(runtimeDir) {
    if (runtimeDir_.empty()) {
        char folder[] = "/tmp/t360kv-test-XXXXXX";
        if (!mkdtemp(folder))
            throw std::runtime_error("mkdtemp failed");
        runtimeDir_ = folder;
        ownsRuntimeDir_ = true;
    }
    const char* folder = runtimeDir_.c_str();

    int out[2];
    if (pipe(out) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        // The simulator's log of received lines, for a look when a test fails.
        std::string log = std::string(folder) + "/sim.log";
        if (FILE* err = std::freopen(log.c_str(), "w", stderr); !err)
            _exit(126);
        setenv("XDG_RUNTIME_DIR", folder, 1);
        std::vector<char*> argv;
        std::string program = T360KV_SIM_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& a : copies)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    // Kept open until the end: the simulator may print more, and must not die of SIGPIPE.
    outFd_ = out[0];
    port_ = ReadFirstLine(outFd_, 10000);
    if (port_.empty()) {
        Stop();
        throw std::runtime_error("the simulator printed no port");
    }
}

SimProcess::~SimProcess() {
    Stop();
    if (outFd_ >= 0)
        close(outFd_);
    if (ownsRuntimeDir_) {
        std::error_code ignored;
        std::filesystem::remove_all(runtimeDir_, ignored);
    }
}

int SimProcess::Stop() {
    if (pid_ <= 0)
        return 0;
    kill(pid_, SIGTERM);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string SimProcess::Log() const {
    std::string text;
    if (FILE* f = std::fopen((runtimeDir_ + "/sim.log").c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            text.append(buf, n);
        std::fclose(f);
    }
    return text;
}
