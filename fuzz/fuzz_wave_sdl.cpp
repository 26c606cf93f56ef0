// Sounds and music from untrusted bytes through the SDL back end (SDL's
// dummy drivers), as the program plays them: whatever the WAVE check lets
// through the mixer must take without a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/Backend.h"
#include "platform/Mmsystem.h"
#include "platform/SdlBackend.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  InstallBackend(std::make_unique<SdlBackend>());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> wave(data, data + size);
  PlayWave("fuzz", wave, SND_ASYNC);
  PlayMusicFile(fuzzsupport::Put("music.wav", data, size));
  StopMusic();
  sndPlaySound("", SND_ASYNC);
  return 0;
}
