// The resource library from untrusted bytes: a picture file of the library
// read by name, and names of every kind asked for. A picture read is 24-bit
// and of its size; a picture refused leaves the caller's bitmap untouched.
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Graphics.h"
#include "resource/twresource.h"

namespace {

// The library's picture folder, beside the library itself.
std::string PictureFolder() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void*>(&twresource::OtworzBMP), &info) || !info.dli_fname) std::abort();
  std::string lib = info.dli_fname;
  return lib.substr(0, lib.rfind('/') + 1) + "Resource";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = PictureFolder();
  static const std::string file = folder + "/fuzz" + std::to_string(getpid()) + ".bmp";
  static const struct Cleanup {
    ~Cleanup() { std::remove(file.c_str()); }
  } cleanup;
  std::filesystem::create_directories(folder);
  std::FILE* f = std::fopen(file.c_str(), "wb");
  if (!f) std::abort();
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);

  TBitmap b;
  b.SetPixelFormat(pf8bit);
  b.SetSize(3, 2);
  const std::string name = "fuzz" + std::to_string(getpid());
  if (twresource::OtworzBMP(name.c_str(), &b)) {
    if (b.PixelFormat() != pf24bit || b.Width() < 1 || b.Height() < 1) __builtin_trap();
    (void)b.ScanLine(b.Height() - 1)[3 * b.Width() - 1];
  } else if (b.PixelFormat() != pf8bit || b.Width() != 3 || b.Height() != 2) {
    __builtin_trap();
  }
  // The same bytes as a name: whatever it says, nothing outside the folder is read.
  std::string asName(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 300));
  TBitmap c;
  twresource::OtworzBMP(asName.c_str(), &c);
  return 0;
}
