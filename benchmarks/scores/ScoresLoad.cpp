// Load for the score service: concurrent clients each doing whole submissions (handshake,
// then the encoded record), a fresh connection per request as the game makes them.
// Prints submissions per second and latency percentiles of a whole submission.
#include "settings/ScoreRecord.h"

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string Get(int port, const std::string& target) {
    httplib::Client client("127.0.0.1", port);
    const httplib::Result result = client.Get(target.c_str());
    return result && result->status == 200 ? result->body : std::string();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: scores_load PORT CLIENTS SUBMISSIONS_EACH\n");
        return 2;
    }
    const int port = std::atoi(argv[1]);
    const int clients = std::atoi(argv[2]);
    const int each = std::atoi(argv[3]);
    using Clock = std::chrono::steady_clock;
    std::vector<std::vector<double>> latencies(clients);
    std::atomic<int> failures{0};
    const Clock::time_point start = Clock::now();
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c) {
        threads.emplace_back([&, c] {
            for (int i = 0; i < each; ++i) {
                const Clock::time_point begin = Clock::now();
                const std::string handshake = Get(port, "/cgi/version.pl?version&prg=Kestrova");
                const std::string token =
                    handshake.size() > 33 ? handshake.substr(handshake.size() - 33, 32) : "";
                const TScoreRecord record{"LOAD" + std::to_string(c), c * each + i, token, "BENCH"};
                if (Get(port, "/cgi/version.pl?hs&prg=Kestrova&inf=" + EncodeScoreRecord(record)) != "OK")
                    ++failures;
                latencies[c].push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::vector<double> all;
    for (const std::vector<double>& part : latencies)
        all.insert(all.end(), part.begin(), part.end());
    std::sort(all.begin(), all.end());
    const auto percentile = [&](double p) {
        return all[std::min(all.size() - 1, static_cast<size_t>(p * all.size()))];
    };
    std::printf(
        "%d clients x %d: %.0f submissions/s, latency p50 %.2f ms, p99 %.2f ms, max %.2f ms, %d failed\n",
        clients, each, all.size() / seconds, percentile(0.5), percentile(0.99), all.back(), failures.load());
    return failures == 0 ? 0 : 1;
}
