// libcurl behind HttpGet.
#include "platform/HttpClient.h"

#include <curl/curl.h>

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

// curl_global_init is not thread-safe on every build; one call before the first handle.
void InitCurlOnce() {
    static const CURLcode init = curl_global_init(CURL_GLOBAL_DEFAULT);
    (void)init;
}

} // namespace

THttpResult HttpGet(const std::string& url, const THttpLimits& limits) {
    InitCurlOnce();
    THttpResult result;
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) {
        result.error = "curl_easy_init failed";
        return result;
    }
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_HTTPGET, 1L);
    // The address comes from the command line or the environment: never a local file.
    curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT_MS, limits.connectMs);
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT_MS, limits.wholeRequestMs);
    TReceived received{result.body, limits.maxBodyBytes};
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, AppendBody);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &received);
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, errorText);
    const CURLcode code = curl_easy_perform(curl.get());
    if (code != CURLE_OK) {
        if (received.tooLarge)
            result.error = "the answer is larger than " + std::to_string(limits.maxBodyBytes) + " bytes";
        else
            result.error = errorText[0] != '\0' ? errorText : curl_easy_strerror(code);
        result.body.clear();
        return result;
    }
    // A failure status comes with the service's own words on what it refused.
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    result.status = static_cast<int>(status);
    result.ok = status < 400;
    if (!result.ok) result.error = "HTTP " + std::to_string(status);
    return result;
}

} // namespace platform
