// The program: trelamondo [z]
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  RunOptions options;
  // The game windows join here, through options.createGameWindows, as they
  // are built.
  int code = RunProgram(args, ExecutableFolder(), options);
  ShutdownPlatform();
  return code;
}
