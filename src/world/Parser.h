// The map tokenizer: a byte-driven automaton whose lexical rules come from a transition
// table file ("Data\Tables\Map.ptb"), not from code.
#pragma once

#include "resources/Extractor.h"
#include "world/MemoryStream.h"

#include <cstdint>
#include <string>
#include <vector>

// What a table cell does with the byte it was looked up by.
enum TParserAction {
    PA_DROP = 0,   // the byte is dropped
    PA_CLEAR = 1,  // pending text cleared, byte dropped
    PA_APPEND = 2, // byte appended to the pending text
    PA_PEEK = 3,   // token = pending text, which stays; ends the call
    PA_EMIT = 4,   // token = pending text, which is cleared; ends the call
    PA_ERROR = 5,  // lexical error
};

// The table file: int32 StateCount, then (NextState, Action) for every state and byte value.
constexpr int PARSER_BYTE_VALUES = 256;
constexpr int PARSER_CELL_SIZE = 8;

class TTextParser {
public:
    struct TCell {
        int32_t NextState = 0;
        int32_t Action = 0;
    };

    // Reads the whole table through the archive. A truncated file raises "Riched End Of File";
    // a state count below 1 or a next state outside the table raises "Damaged parser table: ".
    explicit TTextParser(const std::string& tableFileName);
    // The same from the table file's bytes; `name` goes into the error messages.
    TTextParser(const TBytes& table, const std::string& name);

    void ResetParser();
    // The next token from the stream's position. The empty string means the end of the data.
    std::string GetToken(TMemoryStream& stream);

    int StateCount() const { return stateCount_; }

private:
    void Load(const TBytes& table, const std::string& name);

    int32_t state_ = 0;
    std::string pending_;
    std::vector<TCell> table_;
    int32_t stateCount_ = 0;
};
