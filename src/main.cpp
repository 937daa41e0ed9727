// Kestrova: the executable is only this; everything else is in kestrova_core.
#include "app/Engine.h"

int main(int argc, char** argv) { return RunGame(argc, argv); }
