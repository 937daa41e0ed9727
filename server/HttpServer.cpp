// Requests through libmicrohttpd.
#include "HttpServer.h"

#include "ClientAddress.h"

#include <microhttpd.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

// libmicrohttpd's own default; larger caps get room for a request of their size.
constexpr size_t kConnectionMemory = 32 * 1024;
// How long a stopping server waits for the answers of requests it has read.
constexpr std::chrono::seconds kStopGrace(5);

TAddress PeerAddress(const sockaddr* address) {
    TAddress peer{};
    if (address->sa_family == AF_INET6) {
        std::memcpy(peer.data(), &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, peer.size());
    } else {
        peer[10] = peer[11] = 0xFF;
        std::memcpy(peer.data() + 12, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, 4);
    }
    return peer;
}

// The library passes a '%' not followed by two hex digits through as it stands; such a
// target is no URL a client of ours writes.
bool WellEncoded(const std::string& target) {
    for (size_t at = target.find('%'); at != std::string::npos; at = target.find('%', at + 1))
        if (at + 2 >= target.size() || !std::isxdigit(static_cast<unsigned char>(target[at + 1])) ||
            !std::isxdigit(static_cast<unsigned char>(target[at + 2])))
            return false;
    return true;
}

// Keeps a client's bytes from writing terminal controls into the log.
std::string Printable(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return out;
}

MHD_Result AddHeadSize(void* size, MHD_ValueKind, const char* name, const char* value) {
    *static_cast<size_t*>(size) += std::strlen(name) + (value ? std::strlen(value) : 0) + 4;
    return MHD_YES;
}

MHD_Result AddForwarded(void* forwarded, MHD_ValueKind, const char* name, const char* value) {
    std::string& list = *static_cast<std::string*>(forwarded);
    if (value && strcasecmp(name, "X-Forwarded-For") == 0) list += (list.empty() ? "" : ",") + std::string(value);
    return MHD_YES;
}

MHD_Result AddArgument(void* query, MHD_ValueKind, const char* name, const char* value) {
    static_cast<std::map<std::string, std::string>*>(query)->emplace(name, value ? value : "");
    return MHD_YES;
}

// The body a request announces: 0 without one; more than any cap when unreadable, or when
// it comes in chunks, whose length nobody knows before reading them all.
size_t AnnouncedBody(MHD_Connection* connection) {
    constexpr size_t kUnbounded = static_cast<size_t>(-1);
    if (MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_TRANSFER_ENCODING))
        return kUnbounded;
    const char* length = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_CONTENT_LENGTH);
    if (!length) return 0;
    char* end = nullptr;
    errno = 0;
    const unsigned long long size = std::strtoull(length, &end, 10);
    return *length == '\0' || *end != '\0' || errno != 0 ? kUnbounded : static_cast<size_t>(size);
}

} // namespace

// What the service keeps of one connection between the library's calls.
struct HttpServer::TConnection {
    TAddress peer{};
    ConnectionGuard::TConnection* guarded = nullptr;
    std::string target; // of the request being read
};

class HttpServer::Callbacks {
public:
    static TConnection* Of(MHD_Connection* connection) {
        const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
        return info ? static_cast<TConnection*>(info->socket_context) : nullptr;
    }

    static void Connection(void* server, MHD_Connection* connection, void** context,
                           MHD_ConnectionNotificationCode code) {
        HttpServer& self = *static_cast<HttpServer*>(server);
        if (code == MHD_CONNECTION_NOTIFY_STARTED) {
            const int socket = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD)->connect_fd;
            auto* opened = new TConnection;
            opened->peer =
                PeerAddress(MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS)->client_addr);
            opened->guarded = self.m_guard.Open(socket, AddressText(opened->peer),
                                                !IsTrusted(opened->peer, self.m_options.trustedProxies));
            *context = opened;
        } else if (auto* closed = static_cast<TConnection*>(*context)) {
            self.m_guard.Close(closed->guarded);
            delete closed;
            *context = nullptr;
        }
    }

    // Called with the request line, before any header: keeps the target as sent.
    static void* Uri(void*, const char* uri, MHD_Connection* connection) {
        if (TConnection* open = Of(connection)) open->target = uri;
        return nullptr;
    }

    static MHD_Result Request(void* server, MHD_Connection* connection, const char* path, const char* method,
                              const char* version, const char*, size_t* uploadSize, void** context) {
        HttpServer& self = *static_cast<HttpServer*>(server);
        TConnection& open = *Of(connection);
        if (*context == nullptr) {
            // The head has arrived: a request over the cap is answered before its body is read.
            *context = &open;
            size_t head = std::strlen(method) + open.target.size() + std::strlen(version) + 4;
            MHD_get_connection_values(connection, MHD_HEADER_KIND, AddHeadSize, &head);
            const size_t body = AnnouncedBody(connection);
            if (body > self.m_options.maxRequestBytes || head + body > self.m_options.maxRequestBytes)
                return Send(self, connection, Head(self, connection, method), {413, "ERROR request too large"});
            return MHD_YES;
        }
        if (*uploadSize != 0) {
            // A body within the cap is read and dropped: no request of ours has one.
            *uploadSize = 0;
            return MHD_YES;
        }
        self.m_guard.RequestRead(open.guarded);
        THttpRequest request = Head(self, connection, method);
        if (request.method != "GET" && request.method != "HEAD")
            return Send(self, connection, request, {405, "ERROR method not allowed"});
        if (!WellEncoded(request.target)) return Send(self, connection, request, {400, "ERROR bad request"});
        request.path = path;
        MHD_get_connection_values(connection, MHD_GET_ARGUMENT_KIND, AddArgument, &request.query);
        return Send(self, connection, request, self.Handle(request));
    }

    static void Completed(void* server, MHD_Connection* connection, void**, MHD_RequestTerminationCode) {
        if (TConnection* open = Of(connection)) static_cast<HttpServer*>(server)->m_guard.Answered(open->guarded);
    }

private:
    // What every answer logs: method, target and client.
    static THttpRequest Head(const HttpServer& self, MHD_Connection* connection, const char* method) {
        const TConnection& open = *Of(connection);
        THttpRequest request;
        request.method = method;
        request.target = open.target;
        std::string forwarded;
        MHD_get_connection_values(connection, MHD_HEADER_KIND, AddForwarded, &forwarded);
        request.client = ClientAddress(open.peer, forwarded, self.m_options.trustedProxies);
        return request;
    }

    static MHD_Result Send(HttpServer& self, MHD_Connection* connection, const THttpRequest& request,
                           const THttpAnswer& answer) {
        const std::unique_ptr<MHD_Response, decltype(&MHD_destroy_response)> response(
            MHD_create_response_from_buffer(answer.body.size(), const_cast<char*>(answer.body.data()),
                                            MHD_RESPMEM_MUST_COPY),
            MHD_destroy_response);
        if (!response) return MHD_NO;
        MHD_add_response_header(response.get(), MHD_HTTP_HEADER_CONTENT_TYPE, answer.contentType.c_str());
        if (answer.retryAfter > 0)
            MHD_add_response_header(response.get(), MHD_HTTP_HEADER_RETRY_AFTER,
                                    std::to_string(answer.retryAfter).c_str());
        self.Log(request, answer);
        return MHD_queue_response(connection, static_cast<unsigned>(answer.status), response.get());
    }
};

HttpServer::HttpServer(const TServiceOptions& options, THttpHandler handler, std::FILE* log)
    : m_options(options), m_handler(std::move(handler)), m_log(log),
      m_guard(std::chrono::seconds(options.requestTimeout), options.connectionsPerAddress) {}

HttpServer::~HttpServer() {
    Shut();
}

int HttpServer::Bind() {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (getaddrinfo(m_options.host.c_str(), std::to_string(m_options.port).c_str(), &hints, &found) != 0) return -1;
    const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owned(found, freeaddrinfo);
    const int listener = socket(found->ai_family, found->ai_socktype | SOCK_CLOEXEC, found->ai_protocol);
    if (listener < 0) return -1;
    // SO_REUSEADDR only: with SO_REUSEPORT a second instance would share the port unnoticed,
    // where a busy port must make the start fail instead.
    const int yes = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    if (bind(listener, found->ai_addr, found->ai_addrlen) != 0 || listen(listener, SOMAXCONN) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        close(listener);
        return -1;
    }
    const size_t memory = std::max(kConnectionMemory, 2 * m_options.maxRequestBytes + 8192);
    m_daemon = MHD_start_daemon(
        MHD_USE_EPOLL_INTERNAL_THREAD | MHD_USE_ITC, 0, nullptr, nullptr, &Callbacks::Request, this,
        MHD_OPTION_LISTEN_SOCKET, listener, MHD_OPTION_THREAD_POOL_SIZE, static_cast<unsigned>(m_options.threads),
        MHD_OPTION_CONNECTION_TIMEOUT, static_cast<unsigned>(m_options.requestTimeout),
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, memory, MHD_OPTION_STRICT_FOR_CLIENT, 1,
        MHD_OPTION_NOTIFY_CONNECTION, &Callbacks::Connection, this, MHD_OPTION_URI_LOG_CALLBACK,
        &Callbacks::Uri, this, MHD_OPTION_NOTIFY_COMPLETED, &Callbacks::Completed, this, MHD_OPTION_END);
    if (!m_daemon) {
        close(listener);
        return -1;
    }
    return ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                             : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
}

void HttpServer::Run() {
    {
        std::unique_lock<std::mutex> lock(m_stopMutex);
        m_stopped.wait(lock, [this] { return m_stopping; });
    }
    Shut();
}

void HttpServer::Stop() {
    {
        const std::lock_guard<std::mutex> lock(m_stopMutex);
        m_stopping = true;
    }
    m_stopped.notify_all();
}

void HttpServer::Shut() {
    if (!m_daemon) return;
    const int listener = MHD_quiesce_daemon(m_daemon);
    m_guard.WaitForAnswers(kStopGrace);
    MHD_stop_daemon(m_daemon);
    m_daemon = nullptr;
    if (listener >= 0) close(listener);
}

THttpAnswer HttpServer::Handle(const THttpRequest& request) {
    try {
        return m_handler(request);
    } catch (const std::exception& e) {
        LogError(e.what());
    } catch (...) {
        LogError("unknown error");
    }
    return {500, "ERROR server failure"};
}

void HttpServer::LogError(const std::string& what) {
    if (!m_log) return;
    const std::lock_guard<std::mutex> lock(m_logMutex);
    std::fprintf(m_log, "error: %s\n", what.c_str());
    std::fflush(m_log);
}

void HttpServer::Log(const THttpRequest& request, const THttpAnswer& answer) {
    if (!m_log) return;
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &parts);
    const std::lock_guard<std::mutex> lock(m_logMutex);
    std::fprintf(m_log, "%s %s %s %s %d %zu\n", stamp, request.client.c_str(), Printable(request.method).c_str(),
                 Printable(request.target).c_str(), answer.status, answer.body.size());
    std::fflush(m_log);
}
