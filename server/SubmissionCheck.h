// What the service accepts from a decoded score record.
#pragma once

#include "ScoreStore.h"
#include "settings/ScoreRecord.h"

#include <optional>
#include <string>

inline constexpr int64_t kMaxScore = 2000000000;
inline constexpr size_t kMaxNameLength = 64;
inline constexpr size_t kMaxCountryLength = 64;

struct TSubmissionCheck {
    std::optional<TStoredScore> score; // name and country in UTF-8; filed not yet set
    std::string refusal;               // the answer when refused: "ERROR <reason>"
};

// The game writes names and countries in Windows-1251, one byte a character: 1–64 printable
// characters for the name, 0–64 for the country, and a score of 0 … 2,000,000,000.
TSubmissionCheck CheckSubmission(const TScoreRecord& record);

// Windows-1251 text as UTF-8; nothing when a byte is a control character or unassigned.
std::optional<std::string> PrintableToUtf8(const std::string& text);
