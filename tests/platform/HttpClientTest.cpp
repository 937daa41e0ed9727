#include "platform/HttpClient.h"

#include "server/PostgresCluster.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A loopback socket that takes connections (the kernel completes them) and never answers.
class SilentServer {
public:
    SilentServer() {
        m_socket = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            listen(m_socket, 4) == 0 &&
            getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~SilentServer() { close(m_socket); }
    int Port() const { return m_port; }

private:
    int m_socket = -1;
    int m_port = -1;
};

} // namespace

TEST(HttpClient, ServerThatNeverAnswersFailsAtTheTimeOut) {
    const SilentServer silent;
    ASSERT_GT(silent.Port(), 0);
    platform::THttpLimits limits;
    limits.wholeRequestMs = 300;
    const platform::THttpResult result = platform::HttpGet(
        "http://127.0.0.1:" + std::to_string(silent.Port()) + "/cgi/version.pl?version", limits);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("timed out"), std::string::npos) << result.error;
}

TEST(HttpClient, NoServerIsAFailure) {
    const int port = FreeLoopbackPort();
    const platform::THttpResult result = platform::HttpGet("http://127.0.0.1:" + std::to_string(port) + "/");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(platform::HttpGet("not a url at all").ok);
    EXPECT_FALSE(platform::HttpGet("file:///etc/passwd").ok) << "only http and https";
}
