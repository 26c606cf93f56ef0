// The game windows of the program.
#pragma once

// Creates the game windows, each owned by the application, in start-up
// order (after the end-of-game window, before the about box), and registers
// each with the main window for its tab.
void CreateGameWindows();
