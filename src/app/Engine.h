// Start-up, the frame loop and shutdown.
#pragma once

// Runs the whole program; returns the process exit status.
int RunGame(int argc, char** argv);
