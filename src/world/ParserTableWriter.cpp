// Writer of tokenizer tables.
#include "world/ParserTableWriter.h"

#include "resources/ArchiveFormat.h"

TParserTableWriter::TParserTableWriter(int stateCount)
    : stateCount_(stateCount), cells_(static_cast<size_t>(stateCount) * PARSER_BYTE_VALUES) {}

void TParserTableWriter::SetRange(int state, int firstByte, int lastByte, int nextState, int action) {
    for (int b = firstByte; b <= lastByte; ++b)
        cells_.at(static_cast<size_t>(state) * PARSER_BYTE_VALUES + b) = {nextState, action};
}

void TParserTableWriter::Set(int state, const std::string& bytes, int nextState, int action) {
    for (const char c : bytes) {
        const int b = static_cast<unsigned char>(c);
        SetRange(state, b, b, nextState, action);
    }
}

void TParserTableWriter::SetAll(int state, int nextState, int action) {
    SetRange(state, 0, PARSER_BYTE_VALUES - 1, nextState, action);
}

TBytes TParserTableWriter::Bytes() const {
    TBytes bytes(4 + cells_.size() * PARSER_CELL_SIZE);
    archive::PutUint32(bytes.data(), static_cast<uint32_t>(stateCount_));
    uint8_t* out = bytes.data() + 4;
    for (const TTextParser::TCell& cell : cells_) {
        archive::PutUint32(out, static_cast<uint32_t>(cell.NextState));
        archive::PutUint32(out + 4, static_cast<uint32_t>(cell.Action));
        out += PARSER_CELL_SIZE;
    }
    return bytes;
}
