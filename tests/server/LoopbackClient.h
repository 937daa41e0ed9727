// Plain HTTP/1.1 over loopback sockets, from any 127.x.y.z source address, for what a polite
// client library will not do: trickle bytes, announce huge bodies, forge headers.
#pragma once

#include <string>

struct TRawAnswer {
    int status = -1; // -1: no answer
    std::string head;
    std::string body;
};

// The game's handshake and its first table page, as it asks for them.
inline constexpr char kHandshake[] = "/cgi/version.pl?version&prg=Kestrova";
inline constexpr char kTable[] = "/cgi/version.pl?prg=Kestro&show&type=0";

// A socket connected from `source` to 127.0.0.1:`port`; -1 on failure.
int ConnectFrom(const std::string& source, int port);
// "GET `target` HTTP/1.1" with Host, "Connection: close" and `headers` (each ending in CRLF).
std::string GetRequest(const std::string& target, const std::string& headers = "");
// Reads until the server closes the connection or `timeoutMs` have passed.
TRawAnswer ReadAnswer(int socket, int timeoutMs);
// One request on a fresh connection from `source`.
TRawAnswer Exchange(int port, const std::string& request, const std::string& source = "127.0.0.1",
                    int timeoutMs = 20000);
// True when the server has closed (or reset) the connection within `timeoutMs`.
bool ClosedWithin(int socket, int timeoutMs);
