// The map tokenizer table, described state by state.
#include "world/MapTable.h"

#include "world/ParserTableWriter.h"

namespace {

enum TMapState {
    MS_HEAD,          // before the world entity's brace
    MS_HEAD_COMMENT,  //
    MS_WORLD,         // inside the world entity, before its first brush
    MS_WORLD_COMMENT, //
    MS_WORLD_QUOTE,   //
    MS_GAP,           // between tokens
    MS_WORD,          // in a bare word or number
    MS_QUOTE,         // in a quoted string
    MS_SLASH,         // after a '/' that starts a token
    MS_COMMENT,       // up to the end of the line
    MS_COUNT
};

const std::string kSeparators = std::string(" \t\r\n\v\f") + "()[]{}";

// Control bytes that never belong in a map file; blanks are not among them.
void RejectControlBytes(TParserTableWriter& table, int state) {
    table.SetRange(state, 0, 8, state, PA_ERROR);
    table.SetRange(state, 14, 31, state, PA_ERROR);
    table.SetRange(state, 127, 127, state, PA_ERROR);
}

} // namespace

TBytes BuildMapTable() {
    TParserTableWriter table(MS_COUNT);

    table.SetAll(MS_HEAD, MS_HEAD, PA_DROP);
    table.Set(MS_HEAD, "/", MS_HEAD_COMMENT, PA_DROP);
    table.Set(MS_HEAD, "{", MS_WORLD, PA_DROP);
    RejectControlBytes(table, MS_HEAD);

    table.SetAll(MS_HEAD_COMMENT, MS_HEAD_COMMENT, PA_DROP);
    table.Set(MS_HEAD_COMMENT, "\r\n", MS_HEAD, PA_DROP);

    table.SetAll(MS_WORLD, MS_WORLD, PA_DROP);
    table.Set(MS_WORLD, "\"", MS_WORLD_QUOTE, PA_DROP);
    table.Set(MS_WORLD, "/", MS_WORLD_COMMENT, PA_DROP);
    table.Set(MS_WORLD, "{}", MS_GAP, PA_DROP);
    RejectControlBytes(table, MS_WORLD);

    table.SetAll(MS_WORLD_COMMENT, MS_WORLD_COMMENT, PA_DROP);
    table.Set(MS_WORLD_COMMENT, "\r\n", MS_WORLD, PA_DROP);

    table.SetAll(MS_WORLD_QUOTE, MS_WORLD_QUOTE, PA_DROP);
    table.Set(MS_WORLD_QUOTE, "\"", MS_WORLD, PA_DROP);
    RejectControlBytes(table, MS_WORLD_QUOTE);
    table.Set(MS_WORLD_QUOTE, "\r\n", MS_WORLD_QUOTE, PA_ERROR);

    table.SetAll(MS_GAP, MS_WORD, PA_APPEND);
    table.Set(MS_GAP, kSeparators, MS_GAP, PA_DROP);
    table.Set(MS_GAP, "\"", MS_QUOTE, PA_CLEAR);
    table.Set(MS_GAP, "/", MS_SLASH, PA_APPEND);
    RejectControlBytes(table, MS_GAP);

    table.SetAll(MS_WORD, MS_WORD, PA_APPEND);
    table.Set(MS_WORD, kSeparators, MS_GAP, PA_EMIT);
    table.Set(MS_WORD, "\"", MS_QUOTE, PA_EMIT);
    RejectControlBytes(table, MS_WORD);

    table.SetAll(MS_QUOTE, MS_QUOTE, PA_APPEND);
    table.Set(MS_QUOTE, "\"", MS_GAP, PA_EMIT);
    RejectControlBytes(table, MS_QUOTE);
    table.Set(MS_QUOTE, "\r\n", MS_QUOTE, PA_ERROR);

    table.SetAll(MS_SLASH, MS_WORD, PA_APPEND);
    table.Set(MS_SLASH, "/", MS_COMMENT, PA_CLEAR);
    table.Set(MS_SLASH, kSeparators, MS_GAP, PA_EMIT);
    table.Set(MS_SLASH, "\"", MS_QUOTE, PA_EMIT);
    RejectControlBytes(table, MS_SLASH);

    table.SetAll(MS_COMMENT, MS_COMMENT, PA_DROP);
    table.Set(MS_COMMENT, "\r\n", MS_GAP, PA_DROP);

    return table.Bytes();
}
