// Clients that try to hold or flood the service: slow senders, crowds from one address,
// huge bodies, forged proxy headers and malformed requests. Loopback only, every loop bounded.
#include "server/LoopbackClient.h"
#include "server/ServiceFixture.h"
#include "server/ServiceProcess.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace {

TEST(HostileClients, SlowOrCrowdingClientsHoldNobodyUp) {
    TServiceOptions options = TestService::Unlimited();
    options.requestTimeout = 2;
    options.connectionsPerAddress = 10;
    options.trustedProxies = {*ParseAddressRange("127.0.0.4")};
    const TestService service(Storage::Sqlite, options);
    // 200 connections from 20 addresses, as many as each may open, sending a byte at a time.
    std::vector<int> slow;
    for (int i = 0; i < 200; ++i) {
        slow.push_back(ConnectFrom("127.0.1." + std::to_string(1 + i / 10), service.Port()));
        send(slow.back(), "GET /", 5, MSG_NOSIGNAL);
    }
    const int crowding = ConnectFrom("127.0.1.1", service.Port());
    EXPECT_TRUE(ClosedWithin(crowding, 1000)) << "one connection too many from one address";
    close(crowding);
    // A trusted proxy brings many players over its connections.
    std::vector<int> proxied;
    for (int i = 0; i < 12; ++i)
        proxied.push_back(ConnectFrom("127.0.0.4", service.Port()));
    EXPECT_EQ(Exchange(service.Port(), GetRequest(kHandshake), "127.0.0.4").status, 200);
    const auto trickle = [&] {
        for (int sock : slow)
            send(sock, "a", 1, MSG_NOSIGNAL);
    };
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Exchange(service.Port(), GetRequest(kHandshake), "127.0.0.1", 2000).status, 200) << i;
        trickle();
    }
    // Bytes keep coming, yet each request is cut once it has taken its 2 s.
    std::vector<bool> closed(slow.size(), false);
    for (int round = 0; round < 25 && std::count(closed.begin(), closed.end(), false) > 0; ++round) {
        usleep(200000);
        trickle();
        for (size_t i = 0; i < slow.size(); ++i)
            closed[i] = closed[i] || ClosedWithin(slow[i], 0);
    }
    EXPECT_EQ(std::count(closed.begin(), closed.end(), true), 200);
    for (const std::vector<int>& sockets : {slow, proxied})
        for (int sock : sockets)
            close(sock);
}

TEST(HostileClients, ForgedForwardedForDoesNotDodgeTheLimits) {
    TServiceOptions options = TestService::Unlimited();
    options.handshakesPerMinute = 3;
    options.trustedProxies = {*ParseAddressRange("127.0.0.1/32")};
    const TestService service(Storage::Sqlite, options);
    // Behind our proxy, player 127.0.0.9 writes a new first entry every time.
    for (int i = 0; i < 5; ++i) {
        const std::string forged = "X-Forwarded-For: 10.9.8." + std::to_string(i) + ", 127.0.0.9\r\n";
        EXPECT_EQ(Exchange(service.Port(), GetRequest(kHandshake, forged)).status, i < 3 ? 200 : 429) << i;
    }
    EXPECT_EQ(Exchange(service.Port(), GetRequest(kHandshake, "X-Forwarded-For: 127.0.0.10\r\n")).status, 200)
        << "another player behind the proxy has a count of their own";
    // A peer that is no proxy of ours is not believed at all.
    for (int i = 0; i < 5; ++i) {
        const std::string forged = "X-Forwarded-For: 127.0.0." + std::to_string(20 + i) + "\r\n";
        EXPECT_EQ(Exchange(service.Port(), GetRequest(kHandshake, forged), "127.0.0.2").status, i < 3 ? 200 : 429)
            << i;
    }
}

TEST(HostileClients, OversizedAndMalformedRequestsAreRefusedBeforeTheyAreRead) {
    const TTempDir dir;
    ServiceProcess service({"--database=" + dir.Path() + "scores.db"}, dir.Path() + "out.txt");
    ASSERT_GT(service.Port(), 0);
    const long before = service.PeakMemoryKb();
    const std::string chunk = "10000\r\n" + std::string(0x10000, 'x') + "\r\n";
    for (const char* framing : {"Content-Length: 100000000\r\n", "Transfer-Encoding: chunked\r\n"}) {
        const int sock = ConnectFrom("127.0.0.1", service.Port());
        const std::string head = "POST" + GetRequest(kTable, framing).substr(3);
        send(sock, head.data(), head.size(), MSG_NOSIGNAL);
        // Answered before a byte of the body is sent.
        const TRawAnswer answer = ReadAnswer(sock, 5000);
        EXPECT_EQ(answer.status, 413) << framing;
        EXPECT_EQ(answer.body, "ERROR request too large") << framing;
        // 100 MB pushed after it never get in.
        size_t sent = 0;
        while (sent < 100000000) {
            const ssize_t put = send(sock, chunk.data(), chunk.size(), MSG_NOSIGNAL);
            if (put <= 0) break;
            sent += static_cast<size_t>(put);
        }
        EXPECT_LT(sent, 100000000u) << framing;
        close(sock);
    }
    EXPECT_LT(service.PeakMemoryKb() - before, 5 * 1024);

    std::string lines;
    for (int i = 0; i < 10000; ++i)
        lines += "X-Line: " + std::to_string(i) + "\r\n";
    const TRawAnswer crowded = Exchange(service.Port(), GetRequest(kTable, lines), "127.0.0.1", 5000);
    EXPECT_EQ(crowded.status / 100, 4) << crowded.head;
    for (const char* target : {"/cgi/version.pl?version&prg=Kestrov%6", "/cgi/version.pl?version&prg=Kestrova%"})
        EXPECT_EQ(Exchange(service.Port(), GetRequest(target)).status, 400) << target;
}

TEST(ClientAddress, RangesAndTheRightMostUntrustedEntry) {
    const TAddressRange ipv4 = *ParseAddressRange("192.168.4.0/22"), ipv6 = *ParseAddressRange("2001:db8::/32");
    EXPECT_TRUE(ipv4.Contains(*ParseAddress("192.168.7.255")) && !ipv4.Contains(*ParseAddress("192.168.8.0")));
    EXPECT_TRUE(ipv6.Contains(*ParseAddress("2001:db8:ff::1")) && !ipv6.Contains(*ParseAddress("2001:db9::1")));
    for (const char* bad : {"10.0.0.0/33", "::/129", "1.2.3"})
        EXPECT_FALSE(ParseAddressRange(bad)) << bad;

    const std::vector<TAddressRange> trusted = {*ParseAddressRange("10.0.0.0/8")};
    const TAddress proxy = *ParseAddress("10.0.0.1");
    EXPECT_EQ(ClientAddress(proxy, " 1.1.1.1 , 2.2.2.2,10.0.0.7", trusted), "2.2.2.2");
    EXPECT_EQ(ClientAddress(proxy, "10.0.0.9, 10.0.0.8", trusted), "10.0.0.9") << "all trusted: the left-most";
    EXPECT_EQ(ClientAddress(proxy, "1.1.1.1, junk, 10.0.0.8", trusted), "10.0.0.8") << "no address ends it";
    EXPECT_EQ(ClientAddress(*ParseAddress("192.0.2.1"), "1.1.1.1", trusted), "192.0.2.1");
}

} // namespace
