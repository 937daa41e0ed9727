// The score record sent to the world high-score service: its plain text, its encoding with
// symbol table A, and the strict reading the service applies to what arrives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct TScoreRecord {
    std::string name;
    int64_t score = 0;
    std::string token;
    std::string country;
};

// "type=0|name=…|score=…|key=X|p=…|add=…|z=" filled with "0" to a multiple of 5 characters.
std::string ScoreRecordText(const TScoreRecord& record);
// The record text encoded with table A: 8 symbols per 5 characters.
std::string EncodeScoreRecord(const TScoreRecord& record);

// Reads a record text. The fields are taken from the right, so a name may hold any byte,
// "|" included; the token and the country may not hold "|". Nothing when the fields, their
// order, the score's digits or the filling are wrong.
std::optional<TScoreRecord> ParseScoreRecordText(const std::string& text);
// Decodes and reads an encoded record. Unlike a Config.cfg line, a submission with a
// character outside the table or a length that is not whole blocks of 8 is refused.
std::optional<TScoreRecord> DecodeScoreRecord(const std::string& symbols);
