// The `--trace` file of a whole-program run, read as one key=value map per frame line.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

using TTraceLine = std::map<std::string, std::string>;

inline std::vector<TTraceLine> ReadTrace(const std::string& text) {
    std::vector<TTraceLine> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("frame=", 0) != 0) continue;
        TTraceLine fields;
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            const size_t eq = word.find('=');
            if (eq != std::string::npos) fields[word.substr(0, eq)] = word.substr(eq + 1);
        }
        lines.push_back(fields);
    }
    return lines;
}

// The menu pages in the order they were shown, each once per visit; -1 while a stage plays.
inline std::vector<int> PageVisits(const std::vector<TTraceLine>& lines) {
    std::vector<int> visits;
    for (const TTraceLine& line : lines) {
        const int page = line.at("menu") == "1" ? std::stoi(line.at("page")) : -1;
        if (visits.empty() || visits.back() != page) visits.push_back(page);
    }
    return visits;
}
