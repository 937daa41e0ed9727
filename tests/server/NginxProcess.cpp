// The shipped nginx site around the test's service instances.
#include "server/NginxProcess.h"

#include "server/LoopbackClient.h"
#include "server/PostgresCluster.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

constexpr char kNginx[] = "/usr/sbin/nginx";

} // namespace

bool NginxProcess::Missing() {
    return access(kNginx, X_OK) != 0;
}

NginxProcess::NginxProcess(const std::vector<int>& instancePorts) {
    std::ifstream in(KESTROVA_NGINX_SITE);
    std::stringstream site;
    site << in.rdbuf();
    if (Missing() || site.str().empty()) {
        m_problem = Missing() ? "nginx is not installed (Debian package nginx)" : "cannot read " KESTROVA_NGINX_SITE;
        return;
    }
    char pattern[] = "/tmp/kestrova-nginx-XXXXXX";
    if (!mkdtemp(pattern)) {
        m_problem = "cannot make a temporary folder";
        return;
    }
    m_dir = pattern;
    // The workers run as an unprivileged user when the test runs as root.
    chmod(m_dir.c_str(), 0755);
    const int port = FreeLoopbackPort();
    std::string servers;
    for (int instance : instancePorts)
        servers += "    server 127.0.0.1:" + std::to_string(instance) + ";\n";
    std::string text = std::regex_replace(site.str(), std::regex(R"((    server 127\.0\.0\.1:\d+;\n)+)"), servers);
    text = std::regex_replace(text, std::regex(R"(    listen \[::\]:80;\n)"), "");
    text = std::regex_replace(text, std::regex(R"(listen 80;)"), "listen 127.0.0.1:" + std::to_string(port) + ";");
    std::ofstream(m_dir + "/site.conf") << text;
    std::ofstream(m_dir + "/nginx.conf")
        << "daemon off;\nworker_processes 1;\npid " << m_dir << "/nginx.pid;\nerror_log " << m_dir
        << "/error.log;\nevents { worker_connections 1024; }\nhttp {\n  access_log " << m_dir
        << "/access.log;\n  client_body_temp_path " << m_dir << "/body;\n  proxy_temp_path " << m_dir
        << "/proxy;\n  fastcgi_temp_path " << m_dir << "/fastcgi;\n  uwsgi_temp_path " << m_dir
        << "/uwsgi;\n  scgi_temp_path " << m_dir << "/scgi;\n  include " << m_dir << "/site.conf;\n}\n";

    m_pid = fork();
    if (m_pid == 0) {
        const std::string log = m_dir + "/stderr.log";
        std::freopen(log.c_str(), "w", stderr);
        execl(kNginx, kNginx, "-p", m_dir.c_str(), "-e", (m_dir + "/error.log").c_str(), "-c",
              (m_dir + "/nginx.conf").c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int tries = 0; tries < 500; ++tries) {
        const int probe = ConnectFrom("127.0.0.1", port);
        if (probe >= 0) {
            close(probe);
            m_port = port;
            return;
        }
        if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            m_pid = -1;
            break;
        }
        usleep(10000);
    }
    m_problem = "nginx did not start, see " + m_dir + "/stderr.log and error.log";
}

NginxProcess::~NginxProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_port > 0 && !m_dir.empty()) {
        std::error_code error;
        std::filesystem::remove_all(m_dir, error);
    }
}
