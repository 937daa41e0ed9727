// Rendering the public score table.
#include "ScorePages.h"

#include <cstdio>
#include <ctime>

namespace {

std::string FiledDate(int64_t filed) {
    const std::time_t time = static_cast<std::time_t>(filed);
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d", &parts);
    return text;
}

} // namespace

std::string EscapeHtml(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string EscapeJson(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == '<' || c == '>' || c == '&') {
            // Also the HTML specials, so the JSON is safe even when pasted into a page.
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string ScoreTableHtml(const std::vector<TStoredScore>& scores) {
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
                       "<title>Kestrova world high scores</title>"
                       "<style>body{font-family:sans-serif;margin:2em}table{border-collapse:collapse}"
                       "td,th{padding:.2em .8em;text-align:left}td.n{text-align:right}</style></head>\n"
                       "<body><h1>Kestrova world high scores</h1>\n";
    if (scores.empty()) return page + "<p>No scores yet.</p></body></html>\n";
    page += "<table><tr><th>#</th><th>Name</th><th>Score</th><th>Country</th><th>Date</th></tr>\n";
    int rank = 0;
    for (const TStoredScore& score : scores) {
        page += "<tr><td class=\"n\">" + std::to_string(++rank) + "</td><td>" + EscapeHtml(score.name) +
                "</td><td class=\"n\">" + std::to_string(score.score) + "</td><td>" +
                EscapeHtml(score.country) + "</td><td>" + FiledDate(score.filed) + "</td></tr>\n";
    }
    return page + "</table></body></html>\n";
}

std::string ScoreTableJson(const std::vector<TStoredScore>& scores) {
    std::string json = "{\"scores\":[";
    int rank = 0;
    for (const TStoredScore& score : scores) {
        if (rank > 0) json += ',';
        json += "{\"rank\":" + std::to_string(++rank) + ",\"name\":\"" + EscapeJson(score.name) +
                "\",\"score\":" + std::to_string(score.score) + ",\"country\":\"" +
                EscapeJson(score.country) + "\",\"filed\":" + std::to_string(score.filed) + "}";
    }
    return json + "]}\n";
}
