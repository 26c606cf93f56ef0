// The program's start and end.
//
// RunProgram, in order: seeds the random generators; for the argument "z"
// runs the resource report in the program's own folder and ends (exit code 1
// when the report could not be written); makes sure
// only one copy runs (shell/Singleinstance.h); makes the program's folder the
// working folder (CBlad 1 when it cannot; the previous one comes back at the
// end, once everything is written); shows the splash
// screen; checks the screen size (CBlad 2); loads the letter tiles and the
// three game fonts (CBlad 1); reads "Data\data.ini" (CBlad 4); installs the
// cursors "REKA1" (1) and "SEKATOR" (2); creates the dictionary and the
// statistics object (CBlad 3); creates the main window, the message box, the
// end-of-game window, the game windows and the about box; shows the main
// window and runs the message loop until it closes. A CBlad on the way is
// shown over the splash screen (any other exception as CBlad 1) and the
// program ends the same way as after the loop: the windows are destroyed (the main window writes the settings),
// then the statistics object, the dictionary and the splash screen, the
// working folder is restored and the single-copy lock let go.
#pragma once
#include <functional>
#include <string>
#include <vector>

struct RunOptions {
  // Whether to keep to one running copy (tests on the headless back end run
  // without it).
  bool singleInstance = true;
  // Native folder of the single-copy lock; empty for the user's runtime folder.
  std::string instanceFolder;
  // Creates the game windows, in the order TFormPodpisz4, TFormCoNiePasuje3,
  // TFormCiezarowka, TFormKwiatki, TFormLiany, each with
  // Application->CreateForm and registered with SetGameWindow (shell/Fmmain.h).
  // Start-up calls it after the end-of-game window and before the about box;
  // a CBlad it raises ends the start-up. The windows are destroyed with the others.
  std::function<void()> createGameWindows;
  // Called once the main window is on the screen, before the message loop (tests, benchmarks).
  std::function<void()> onReady;
};

// args: the command-line arguments after the program's name. programDir:
// the native folder of the program (its data tree lies there).
// Returns the process's exit code.
int RunProgram(const std::vector<std::string>& args, const std::string& programDir,
               const RunOptions& options = RunOptions());

// The native folder of the running executable.
std::string ExecutableFolder();
