// Font-set files from untrusted bytes, looked up by a few names.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/SysUtils.h"
#include "toolkit/Ctransfont.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = [] {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(base) + "/fuzz_tfs_" + std::to_string(getpid()) + ".tfs";
  }();
  static const struct Cleanup {
    ~Cleanup() { std::remove(path.c_str()); }
  } cleanup;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);

  CTransFont font;
  for (const char* name : {"Kwi_R2", "A", ""}) {
    font.LoadFromSet(path, name);
    for (int c = 0; c < 256; ++c)
      if (font.Map((unsigned char)c) >= font.Signs().Count()) __builtin_trap();
    int w;
    font.MeasureText("Kwi_R2 \xB9\xEA", &w, nullptr);
  }
  return 0;
}
