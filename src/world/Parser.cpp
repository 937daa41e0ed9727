// The map tokenizer and the loading of its transition table.
#include "world/Parser.h"

#include "core/Error.h"
#include "resources/ArchiveFormat.h"
#include "world/WorldMessages.h"

#include <utility>

TTextParser::TTextParser(const std::string& tableFileName) {
    Load(Extractor->ReadFile(tableFileName), tableFileName);
}

TTextParser::TTextParser(const TBytes& table, const std::string& name) {
    Load(table, name);
}

void TTextParser::Load(const TBytes& table, const std::string& name) {
    const EGameError endOfFile("Riched End Of File");
    if (table.size() < 4) throw endOfFile;
    const int32_t count = static_cast<int32_t>(archive::GetUint32(table.data()));
    if (count < 1)
        throw EGameError("Damaged parser table: " + name + ", state count " + std::to_string(count));
    // The size is checked before anything is allocated: a damaged count must not ask for gigabytes.
    const uint64_t cells = static_cast<uint64_t>(count) * PARSER_BYTE_VALUES;
    if ((table.size() - 4) / PARSER_CELL_SIZE < cells) throw endOfFile;

    table_.assign(cells, TCell{});
    const uint8_t* cell = table.data() + 4;
    for (TCell& entry : table_) {
        entry.NextState = static_cast<int32_t>(archive::GetUint32(cell));
        entry.Action = static_cast<int32_t>(archive::GetUint32(cell + 4));
        if (entry.NextState < 0 || entry.NextState >= count) {
            const size_t index = &entry - table_.data();
            throw EGameError("Damaged parser table: " + name + ", state " +
                             std::to_string(index / PARSER_BYTE_VALUES) + " byte " +
                             std::to_string(index % PARSER_BYTE_VALUES) + " leads to state " +
                             std::to_string(entry.NextState) + " of " + std::to_string(count));
        }
        cell += PARSER_CELL_SIZE;
    }
    stateCount_ = count;
    ResetParser();
}

void TTextParser::ResetParser() {
    pending_.clear();
    state_ = 0;
}

std::string TTextParser::GetToken(TMemoryStream& stream) {
    std::string result;
    for (;;) {
        uint8_t byte = 0;
        if (!stream.ReadByte(byte)) {
            result = std::move(pending_);
            pending_.clear();
            return result;
        }
        const TCell& cell = table_[static_cast<size_t>(state_) * PARSER_BYTE_VALUES + byte];
        bool ended = false;
        switch (cell.Action) {
        case PA_CLEAR: pending_.clear(); break;
        case PA_APPEND: pending_ += static_cast<char>(byte); break;
        case PA_PEEK:
            result = pending_;
            ended = true;
            break;
        case PA_EMIT:
            result = std::move(pending_);
            pending_.clear();
            ended = true;
            break;
        case PA_ERROR:
            throw EGameError(std::string(worldtext::LexicalErrorLexeme) + '"' + pending_ +
                             worldtext::LexicalErrorByte + static_cast<char>(byte) +
                             worldtext::LexicalErrorOffset + std::to_string(stream.Position()));
        default: break;
        }
        state_ = cell.NextState;
        if (ended) return result;
        // The data ends here: the pending text is the last token. Returning an empty string
        // first would tell every reader that the file ended before it.
        if (stream.Position() == stream.Size()) {
            result = std::move(pending_);
            pending_.clear();
            return result;
        }
    }
}
