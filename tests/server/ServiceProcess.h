// The kestrova-scores executable as a child process of a test.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// kestrova-scores as a child process on a free 127.0.0.1 port, its stdout going to `output`.
class ServiceProcess {
public:
    ServiceProcess(const std::vector<std::string>& options, const std::string& output);
    ~ServiceProcess();
    ServiceProcess(const ServiceProcess&) = delete;
    ServiceProcess& operator=(const ServiceProcess&) = delete;
    int Port() const { return m_port; }
    // The exit status after `signal`.
    int Stop(int signal);
    // The most memory the process has held so far (VmHWM).
    long PeakMemoryKb() const;

private:
    pid_t m_pid = -1;
    int m_port = -1;
};

