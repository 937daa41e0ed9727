// The tokenizer table shipped as "Data\Tables\Map.ptb": it turns the level editor's map
// text (Valve 220 format) into the token stream the block loaders read.
#pragma once

#include "resources/Extractor.h"

// Lexical rules of the table:
// - everything before the first brush (comments, the world entity's own keys) is skipped;
//   a world entity without brushes hands over to the entities after it;
// - blanks, parentheses, brackets and braces separate tokens and are dropped;
// - "//" at the start of a token comments out the rest of the line;
// - a quoted string is one token without its quotes, inner blanks kept; it must end on its
//   line. An empty quoted string reads as the end of the file, so values are never empty;
// - control bytes other than blanks outside comments are lexical errors.
TBytes BuildMapTable();
