#include "app/Engine.h"

int RunGame(int, char**) { return 0; }
