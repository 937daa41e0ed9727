// Builds tokenizer tables in the "Map.ptb" layout from a readable description of states
// and transitions; used by the data generator and by tests.
#pragma once

#include "resources/Extractor.h"
#include "world/Parser.h"

#include <string>
#include <vector>

class TParserTableWriter {
public:
    // Every cell of every state starts as (next state 0, PA_DROP).
    explicit TParserTableWriter(int stateCount);

    // For each byte of `bytes` in `state`: go to `nextState` doing `action`.
    void Set(int state, const std::string& bytes, int nextState, int action);
    void SetRange(int state, int firstByte, int lastByte, int nextState, int action);
    // Every byte value of `state`, to be refined by later calls.
    void SetAll(int state, int nextState, int action);

    // The table file: int32 state count, then (next state, action) per state and byte.
    TBytes Bytes() const;

private:
    int stateCount_;
    std::vector<TTextParser::TCell> cells_;
};
