// The service executable under test.
#include "server/ServiceProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

ServiceProcess::ServiceProcess(const std::vector<std::string>& options, const std::string& output) {
    m_pid = fork();
    if (m_pid == 0) {
        std::freopen(output.c_str(), "w", stdout);
        std::vector<const char*> argv{KESTROVA_SCORES_EXE, "--host=127.0.0.1", "--port=0"};
        for (const std::string& option : options)
            argv.push_back(option.c_str());
        argv.push_back(nullptr);
        execv(KESTROVA_SCORES_EXE, const_cast<char**>(argv.data()));
        _exit(127);
    }
    for (int tries = 0; tries < 500 && m_port < 0; ++tries) {
        std::ifstream in(output);
        std::string word;
        while (in >> word)
            if (word.rfind("127.0.0.1:", 0) == 0) m_port = std::stoi(word.substr(10));
        if (m_port < 0) usleep(10000);
    }
}

ServiceProcess::~ServiceProcess() {
    if (m_pid > 0) Stop(SIGKILL);
}

int ServiceProcess::Stop(int signal) {
    if (m_pid <= 0) return -1;
    kill(m_pid, signal);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    return status;
}

long ServiceProcess::PeakMemoryKb() const {
    std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}
