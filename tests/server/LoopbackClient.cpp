// Raw loopback HTTP exchanges.
#include "server/LoopbackClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

int ConnectFrom(const std::string& source, int port) {
    const int sock = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (sock < 0) return -1;
    sockaddr_in from{};
    from.sin_family = AF_INET;
    inet_pton(AF_INET, source.c_str(), &from.sin_addr);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(sock, reinterpret_cast<sockaddr*>(&from), sizeof from) != 0 ||
        connect(sock, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
        close(sock);
        return -1;
    }
    return sock;
}

std::string GetRequest(const std::string& target, const std::string& headers) {
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n" + headers + "\r\n";
}

TRawAnswer ReadAnswer(int socket, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string text;
    char buffer[16384];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        pollfd ready{socket, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) break;
        const ssize_t got = recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        text.append(buffer, static_cast<size_t>(got));
    }
    TRawAnswer answer;
    const size_t split = text.find("\r\n\r\n");
    if (text.compare(0, 5, "HTTP/") != 0 || split == std::string::npos) return answer;
    answer.status = std::atoi(text.c_str() + text.find(' ') + 1);
    answer.head = text.substr(0, split);
    answer.body = text.substr(split + 4);
    return answer;
}

TRawAnswer Exchange(int port, const std::string& request, const std::string& source, int timeoutMs) {
    const int sock = ConnectFrom(source, port);
    if (sock < 0) return {};
    send(sock, request.data(), request.size(), MSG_NOSIGNAL);
    const TRawAnswer answer = ReadAnswer(sock, timeoutMs);
    close(sock);
    return answer;
}

bool ClosedWithin(int socket, int timeoutMs) {
    pollfd ready{socket, POLLIN, 0};
    char byte;
    return poll(&ready, 1, timeoutMs) == 1 && recv(socket, &byte, 1, MSG_DONTWAIT) <= 0;
}
