// Connection caps and whole-request time limits.
#include "ConnectionGuard.h"

#include <sys/socket.h>

namespace {

// How often the watcher looks for requests past their time.
constexpr std::chrono::milliseconds kWatchStep(100);

} // namespace

struct ConnectionGuard::TConnection {
    int socket;
    std::string address;
    bool capped;
    TClock::time_point deadline;
    bool answering = false;
    std::list<TConnection>::iterator self{}; // set once the connection is in the list
};

ConnectionGuard::ConnectionGuard(std::chrono::milliseconds requestTime, int perAddress)
    : m_requestTime(requestTime), m_perAddress(perAddress), m_watcher([this] { Watch(); }) {}

ConnectionGuard::~ConnectionGuard() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_watcher.join();
}

ConnectionGuard::TConnection* ConnectionGuard::Open(int socket, const std::string& address, bool capped) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_open.push_front({socket, address, capped, TClock::now() + m_requestTime});
    TConnection& connection = m_open.front();
    connection.self = m_open.begin();
    if (capped && ++m_countByAddress[address] > m_perAddress && m_perAddress > 0)
        shutdown(socket, SHUT_RDWR);
    return &connection;
}

void ConnectionGuard::RequestRead(TConnection* connection) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (connection->answering) return;
    connection->answering = true;
    ++m_answering;
}

void ConnectionGuard::Answered(TConnection* connection) {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        connection->deadline = TClock::now() + m_requestTime;
        if (!connection->answering) return;
        connection->answering = false;
        --m_answering;
    }
    m_changed.notify_all();
}

void ConnectionGuard::Close(TConnection* connection) {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (connection->capped && --m_countByAddress[connection->address] == 0)
            m_countByAddress.erase(connection->address);
        if (connection->answering) --m_answering;
        m_open.erase(connection->self);
    }
    m_changed.notify_all();
}

void ConnectionGuard::WaitForAnswers(std::chrono::milliseconds limit) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait_for(lock, limit, [this] { return m_answering == 0; });
}

void ConnectionGuard::Watch() {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_changed.wait_for(lock, kWatchStep, [this] { return m_stopping; })) {
        const TClock::time_point now = TClock::now();
        // The socket stays open until Close, which waits for this lock: shutting it down
        // here can never hit a descriptor the system has handed to someone else.
        for (TConnection& connection : m_open) {
            if (connection.answering || connection.deadline > now) continue;
            shutdown(connection.socket, SHUT_RDWR);
            connection.deadline = TClock::time_point::max();
        }
    }
}
