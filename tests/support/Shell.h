// Shell commands run by the tests that look at a program from outside.
#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

// Runs `command`: its exit status (-1 when it did not exit), its output and errors in `output`.
inline int Shell(const std::string& command, std::string& output) {
    output.clear();
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;)
        output.append(buffer, n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
