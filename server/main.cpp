// kestrova-scores: the world high-score service of Kestrova.
#include "ScoreServer.h"
#include "ScoreStore.h"
#include "ServiceOptions.h"

#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <exception>
#include <thread>

int main(int argc, char** argv) {
    TServiceOptions options;
    try {
        options = ParseServiceOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kestrova-scores: %s\n%s", e.what(), kServiceUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kServiceUsage, stdout);
        return 0;
    }

    // Every thread started from here on inherits the blocked signals; one thread waits for
    // them and stops the server, so no handler runs inside a request.
    // A shell starts background jobs with SIGINT ignored, and an ignored signal never
    // reaches sigwait: take both back to their default first.
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    try {
        const std::unique_ptr<ScoreStore> store = OpenScoreStore(options.database, options.connections);
        ScoreServer server(options, *store);
        const int port = server.Bind();
        if (port < 0) {
            std::fprintf(stderr, "kestrova-scores: cannot listen on %s:%d\n", options.host.c_str(),
                         options.port);
            return 1;
        }
        std::printf("kestrova-scores %s listening on %s:%d\n", kServiceVersion, options.host.c_str(), port);
        std::fflush(stdout);

        std::thread waiter([&] {
            int received = 0;
            sigwait(&signals, &received);
            server.Stop();
        });
        server.Run();
        // Ended without a signal (the socket failed): release the waiter.
        pthread_kill(waiter.native_handle(), SIGTERM);
        waiter.join();
        std::printf("kestrova-scores stopped\n");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kestrova-scores: %s\n", e.what());
        return 1;
    }
    return 0;
}
