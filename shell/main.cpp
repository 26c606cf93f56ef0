// The program: trelamondo [z]
#include <malloc.h>

#include <string>
#include <vector>

#include "games/Gamewindows.h"
#include "platform/Forms.h"
#include "platform/Termination.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
  // Pictures come and go by the megabyte (a game's pictures, a background
  // read again, a window's surface): every block of 256 KiB or more is
  // mapped on its own and given back to the system when freed, instead of
  // leaving holes that stay resident in the heap (about 2.5 MiB after a game).
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
  // A logout, Ctrl+C or a closed terminal ends the program as its exit does.
  CatchTerminationSignals();
  std::vector<std::string> args(argv + 1, argv + argc);
  RunOptions options;
  options.createGameWindows = CreateGameWindows;
  int code = RunProgram(args, ExecutableFolder(), options);
  ShutdownPlatform();
  return code;
}
