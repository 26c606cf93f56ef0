// The program: trelamondo [z]
#include <string>
#include <vector>

#include "games/Gamewindows.h"
#include "platform/Forms.h"
#include "platform/Termination.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
  // A logout, Ctrl+C or a closed terminal ends the program as its exit does.
  CatchTerminationSignals();
  std::vector<std::string> args(argv + 1, argv + argc);
  RunOptions options;
  options.createGameWindows = CreateGameWindows;
  int code = RunProgram(args, ExecutableFolder(), options);
  ShutdownPlatform();
  return code;
}
