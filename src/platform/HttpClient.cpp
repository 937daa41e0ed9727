// libcurl behind HttpGet, opened at the first request: it brings some thirty libraries that
// every start of the game would otherwise load and link.
#include "platform/HttpClient.h"

#include <curl/curl.h>
#include <dlfcn.h>

#include <memory>

namespace platform {

namespace {

struct TReceived {
    std::string& body;
    const size_t limit;
    bool tooLarge = false;
};

size_t AppendBody(char* data, size_t size, size_t count, void* target) {
    TReceived& received = *static_cast<TReceived*>(target);
    if (size * count > received.limit - received.body.size()) {
        received.tooLarge = true;
        return 0; // curl stops with a write error
    }
    received.body.append(data, size * count);
    return size * count;
}

struct TCurl {
    decltype(&curl_global_init) globalInit;
    decltype(&curl_easy_init) init;
    decltype(&curl_easy_setopt) setopt;
    decltype(&curl_easy_perform) perform;
    decltype(&curl_easy_getinfo) getinfo;
    decltype(&curl_easy_strerror) strerror;
    decltype(&curl_easy_cleanup) cleanup;
};

template <typename F> void Find(void* library, const char* name, F& function, bool& found) {
    function = reinterpret_cast<F>(dlsym(library, name));
    found = found && function;
}

// The library's calls, or null when it cannot be opened. curl_global_init is not thread-safe on
// every build; one call before the first handle.
const TCurl* Curl() {
    static const TCurl* const curl = []() -> const TCurl* {
        void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
        if (!library) return nullptr;
        static TCurl calls;
        bool found = true;
        Find(library, "curl_global_init", calls.globalInit, found);
        Find(library, "curl_easy_init", calls.init, found);
        Find(library, "curl_easy_setopt", calls.setopt, found);
        Find(library, "curl_easy_perform", calls.perform, found);
        Find(library, "curl_easy_getinfo", calls.getinfo, found);
        Find(library, "curl_easy_strerror", calls.strerror, found);
        Find(library, "curl_easy_cleanup", calls.cleanup, found);
        if (!found) return nullptr;
        calls.globalInit(CURL_GLOBAL_DEFAULT);
        return &calls;
    }();
    return curl;
}

} // namespace

THttpResult HttpGet(const std::string& url, const THttpLimits& limits) {
    THttpResult result;
    const TCurl* const calls = Curl();
    if (!calls) {
        result.error = "libcurl.so.4 could not be loaded";
        return result;
    }
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(calls->init(), calls->cleanup);
    if (!curl) {
        result.error = "curl_easy_init failed";
        return result;
    }
    char errorText[CURL_ERROR_SIZE] = {};
    calls->setopt(curl.get(), CURLOPT_URL, url.c_str());
    calls->setopt(curl.get(), CURLOPT_HTTPGET, 1L);
    // The address comes from the command line or the environment: never a local file.
    calls->setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https");
    calls->setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    calls->setopt(curl.get(), CURLOPT_CONNECTTIMEOUT_MS, limits.connectMs);
    calls->setopt(curl.get(), CURLOPT_TIMEOUT_MS, limits.wholeRequestMs);
    TReceived received{result.body, limits.maxBodyBytes};
    calls->setopt(curl.get(), CURLOPT_WRITEFUNCTION, AppendBody);
    calls->setopt(curl.get(), CURLOPT_WRITEDATA, &received);
    calls->setopt(curl.get(), CURLOPT_ERRORBUFFER, errorText);
    const CURLcode code = calls->perform(curl.get());
    if (code != CURLE_OK) {
        if (received.tooLarge)
            result.error = "the answer is larger than " + std::to_string(limits.maxBodyBytes) + " bytes";
        else
            result.error = errorText[0] != '\0' ? errorText : calls->strerror(code);
        result.body.clear();
        return result;
    }
    // A failure status comes with the service's own words on what it refused.
    long status = 0;
    calls->getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    result.status = static_cast<int>(status);
    result.ok = status < 400;
    if (!result.ok) result.error = "HTTP " + std::to_string(status);
    return result;
}

} // namespace platform
