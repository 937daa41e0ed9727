// The fuzz tests' one harness: damaged copies of a valid input, each read under the fuzz limits.
// The damage keeps most of the input's shape, so a reader gets past its first lines before it
// meets it.
#pragma once

#include "support/FuzzLimits.h"

#include <random>
#include <string>
#include <vector>

// One to `edits` edits of `text`: cut short, a byte overwritten, a run dropped, a run repeated, a
// piece inserted. Written bytes are whole `pieces`, or any byte when there are none.
inline std::string Damaged(std::mt19937& random, std::string text, const std::vector<std::string>& pieces = {},
                           int edits = 6) {
    const auto piece = [&] {
        return pieces.empty() ? std::string(1, static_cast<char>(random())) : pieces[random() % pieces.size()];
    };
    for (int n = 1 + random() % edits; n > 0; --n) {
        const size_t at = text.empty() ? 0 : random() % (text.size() + 1);
        switch (random() % 5) {
        case 0: text.resize(at); break;
        case 1:
            if (at < text.size()) text.replace(at, 1, piece());
            break;
        case 2: text.erase(at, random() % 20); break;
        case 3: text.insert(at, text.substr(random() % (text.size() + 1), random() % 40)); break;
        default: text.insert(at, piece()); break;
        }
    }
    return text;
}

// The single characters of `alphabet`, as pieces for Damaged.
inline std::vector<std::string> Pieces(const std::string& alphabet) {
    std::vector<std::string> pieces;
    for (char c : alphabet)
        pieces.emplace_back(1, c);
    return pieces;
}

// `read` takes prefixes of `valid` (every one of its first 64 bytes, then ever sparser), then
// `rounds` damaged copies of it.
template <typename F>
void FuzzReader(const std::string& valid, int rounds, F&& read, const std::vector<std::string>& pieces = {},
                uint32_t seed = 20261207) {
    fuzzlimits::CapMemory();
    for (size_t length = 0; length < valid.size(); length += 1 + length / 64) {
        TFuzzInput input("the first " + std::to_string(length) + " bytes");
        read(valid.substr(0, length));
    }
    std::mt19937 random(seed);
    for (int round = 0; round < rounds; ++round) {
        const std::string damaged = Damaged(random, valid, pieces);
        TFuzzInput input("damaged copy " + std::to_string(round) + ":\n" + damaged);
        read(damaged);
    }
}
