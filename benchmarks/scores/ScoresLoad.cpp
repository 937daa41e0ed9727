// Load for the score service: concurrent clients each doing whole submissions (handshake,
// then the encoded record), a fresh connection per request as the game makes them, each
// client from a loopback address of its own. Optionally SLOW more connections stay open,
// each sending one byte a second (reopened when the server cuts them).
// Prints submissions per second and latency percentiles of a whole submission.
#include "server/LoopbackClient.h"
#include "settings/ScoreRecord.h"

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::string Get(int port, const std::string& source, const std::string& target) {
    const TRawAnswer answer = Exchange(port, GetRequest(target), source);
    return answer.status == 200 ? answer.body : std::string();
}

// Keeps `count` connections open, each sending a byte of a request head per second.
void HoldSlowConnections(int port, int count, const std::atomic<bool>& done, std::atomic<int>& reopened) {
    std::vector<int> sockets(count, -1);
    std::vector<Clock::time_point> due(count, Clock::now());
    while (!done) {
        for (int i = 0; i < count; ++i) {
            if (Clock::now() < due[i]) continue;
            if (sockets[i] >= 0 && (ClosedWithin(sockets[i], 0) || send(sockets[i], "a", 1, MSG_NOSIGNAL) != 1)) {
                close(sockets[i]);
                sockets[i] = -1;
                ++reopened;
            }
            if (sockets[i] < 0) {
                sockets[i] = ConnectFrom("127.0.4." + std::to_string(1 + i % 250), port);
                if (sockets[i] >= 0) send(sockets[i], "GET /", 5, MSG_NOSIGNAL);
            }
            due[i] = Clock::now() + std::chrono::seconds(1);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    for (int sock : sockets)
        if (sock >= 0) close(sock);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: scores_load PORT CLIENTS SUBMISSIONS_EACH [SLOW_CONNECTIONS]\n");
        return 2;
    }
    const int port = std::atoi(argv[1]);
    const int clients = std::atoi(argv[2]);
    const int each = std::atoi(argv[3]);
    const int slowCount = argc == 5 ? std::atoi(argv[4]) : 0;
    std::atomic<bool> done{false};
    std::atomic<int> reopened{0};
    std::thread slow([&] { HoldSlowConnections(port, slowCount, done, reopened); });
    if (slowCount > 0) std::this_thread::sleep_for(std::chrono::seconds(1)); // all of them open first

    std::vector<std::vector<double>> latencies(clients);
    std::atomic<int> failures{0};
    const Clock::time_point start = Clock::now();
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c) {
        threads.emplace_back([&, c] {
            const std::string source = "127.0.3." + std::to_string(1 + c % 250);
            for (int i = 0; i < each; ++i) {
                const Clock::time_point begin = Clock::now();
                const std::string handshake = Get(port, source, "/cgi/version.pl?version&prg=Kestrova");
                const std::string token =
                    handshake.size() > 33 ? handshake.substr(handshake.size() - 33, 32) : "";
                const TScoreRecord record{"LOAD" + std::to_string(c), c * each + i, token, "BENCH"};
                if (Get(port, source, "/cgi/version.pl?hs&prg=Kestrova&inf=" + EncodeScoreRecord(record)) != "OK")
                    ++failures;
                latencies[c].push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    done = true;
    slow.join();
    std::vector<double> all;
    for (const std::vector<double>& part : latencies)
        all.insert(all.end(), part.begin(), part.end());
    std::sort(all.begin(), all.end());
    const auto percentile = [&](double p) {
        return all[std::min(all.size() - 1, static_cast<size_t>(p * all.size()))];
    };
    std::printf("%d clients x %d, %d slow (%d cut and reopened): %.0f submissions/s, latency p50 %.2f ms, "
                "p99 %.2f ms, max %.2f ms, %d failed\n",
                clients, each, slowCount, reopened.load(), all.size() / seconds, percentile(0.5), percentile(0.99),
                all.back(), failures.load());
    return failures == 0 ? 0 : 1;
}
