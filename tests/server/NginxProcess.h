// Debian's nginx, started by a test on a free loopback port with the shipped site in front of
// the given service instances, and stopped again with the test.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class NginxProcess {
public:
    // The site's listen lines and upstream servers are rewritten for the test's ports.
    explicit NginxProcess(const std::vector<int>& instancePorts);
    ~NginxProcess();
    NginxProcess(const NginxProcess&) = delete;
    NginxProcess& operator=(const NginxProcess&) = delete;

    // 0 when it did not start; Problem() says why.
    int Port() const { return m_port; }
    const std::string& Problem() const { return m_problem; }
    // True when nginx is not installed: the only reason to skip rather than fail.
    static bool Missing();

private:
    std::string m_dir;
    pid_t m_pid = -1;
    int m_port = 0;
    std::string m_problem;
};
