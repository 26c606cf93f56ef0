// The bitmap resource library.
//
// Every picture is a BMP file "<name>.bmp" in the folder "Resource" beside
// the library. The folder is found once, when the library is loaded, so a
// later change of the program's current folder does not matter. Names are
// matched in their exact case and may not leave that folder.
//
// The caller's bitmap is only resized and written row by row here: the
// library puts no object of its own inside it.
#include "resource/twresource.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/SysUtils.h"

namespace {

constexpr std::size_t kMaxNameLength = 200;
constexpr std::int64_t kMaxFileSize = std::int64_t(64) << 20;

// The folder of this library's file, absolute; empty when it cannot be told.
// Asked with the address of this function, which is always this copy's own
// (the exported entry could be bound to another copy of the library).
std::string LibraryFolder() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void*>(&LibraryFolder), &info) || !info.dli_fname || !*info.dli_fname) return {};
  std::string path = info.dli_fname;
  if (char* real = realpath(path.c_str(), nullptr)) {
    path = real;
    std::free(real);
  }
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string ResourceFolder() {
  try {
    std::string lib = LibraryFolder();
    if (lib.empty()) return {};
    return lib + (lib.back() == '/' ? "" : "/") + "Resource/";
  } catch (...) {
    return {};
  }
}

// Worked out as the library is loaded, before the program can change its current folder.
const std::string g_folder = ResourceFolder();

// A plain file name: no folders, no hidden or relative names, no control bytes.
bool UsableName(const char* name) {
  std::size_t n = strnlen(name, kMaxNameLength + 1);
  if (n == 0 || n > kMaxNameLength || name[0] == '.') return false;
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char c = static_cast<unsigned char>(name[i]);
    if (c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':') return false;
  }
  return true;
}

bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!f) return false;
  struct stat st {};
  if (fstat(fileno(f.get()), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if (st.st_size <= 0 || st.st_size > kMaxFileSize) return false;
  bytes.resize(std::size_t(st.st_size));
  return std::fread(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
}

bool Load(const char* name, TBitmap* bitmap) {
  if (g_folder.empty() || !UsableName(name)) return false;
  std::vector<std::uint8_t> bytes;
  if (!ReadFile(g_folder + Cp1250ToUtf8(name) + ".bmp", bytes)) return false;

  TBytesStream stream(bytes.data(), bytes.size());
  TBitmap picture;
  picture.LoadFromStream(&stream);
  picture.SetPixelFormat(pf24bit);
  const int w = picture.Width(), h = picture.Height();
  if (w <= 0 || h <= 0) return false;

  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetHandleType(bmDIB);
  bitmap->SetSize(w, h);
  const std::size_t rowBytes = std::size_t(w) * 3;
  for (int y = 0; y < h; ++y) std::memcpy(bitmap->ScanLine(y), picture.ScanLine(y), rowBytes);
  return true;
}

}  // namespace

__attribute__((visibility("default"))) bool twresource::OtworzBMP(const char* name, TBitmap* bitmap) {
  if (!name || !bitmap) return false;
  // Nothing thrown inside may cross into the program.
  try {
    return Load(name, bitmap);
  } catch (...) {
    return false;
  }
}
