// Data\Tables\Map.ptb: the map tokenizer's table, built from the lexer description the game's own
// tests check it against (src/world/MapTable.cpp).
#include "DataTree.h"
#include "Generators.h"

#include "world/MapTable.h"

void GenerateMapTable(TDataTree& tree) {
    const TBytes table = BuildMapTable();
    tree.Text("Data/Tables/Map.ptb", std::string(table.begin(), table.end()));
}
