#include "platform/HttpClient.h"

#include "server/PostgresCluster.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <thread>

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
    int Socket() const { return m_socket; }

private:
    int m_socket = -1;
    int m_port = -1;
};

// Answers one request with a body of `size` bytes.
class LargeAnswerServer {
public:
    explicit LargeAnswerServer(size_t size) : m_port(m_silent.Port()) {
        m_thread = std::thread([this, size] {
            pollfd waiting{m_silent.Socket(), POLLIN, 0};
            if (poll(&waiting, 1, 10000) != 1) return;
            const int connection = accept(m_silent.Socket(), nullptr, nullptr);
            char head[4096];
            recv(connection, head, sizeof head, 0);
            const std::string answer = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(size) +
                                       "\r\nConnection: close\r\n\r\n" + std::string(size, 'x');
            send(connection, answer.data(), answer.size(), MSG_NOSIGNAL);
            close(connection);
        });
    }
    ~LargeAnswerServer() { m_thread.join(); }
    std::string Address() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/"; }

private:
    SilentServer m_silent;
    int m_port;
    std::thread m_thread;
};

} // namespace

TEST(HttpClient, AnAnswerOverAMegabyteIsAFailure) {
    const platform::THttpResult fits = platform::HttpGet(LargeAnswerServer(1 << 20).Address());
    EXPECT_TRUE(fits.ok) << fits.error;
    EXPECT_EQ(fits.body.size(), 1u << 20);
    const platform::THttpResult tooLarge = platform::HttpGet(LargeAnswerServer((1 << 20) + 1).Address());
    EXPECT_FALSE(tooLarge.ok);
    EXPECT_TRUE(tooLarge.body.empty());
    EXPECT_EQ(tooLarge.error, "the answer is larger than 1048576 bytes");
}

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
