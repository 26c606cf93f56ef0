// Scrambled picture files: reading, unscrambling, decoding and resampling.
//
// Input: one control byte (flags and the loading mode), the requested width
// and height, then the plain picture file. The target scrambles the file
// with the key of its name and stores it as a word picture, so mutations act
// on the picture itself while the whole reading path runs.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/SysUtils.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Cdataencryption.h"

namespace {

std::string tempDir;
void RemoveTempDir() { std::filesystem::remove_all(tempDir); }

// The word pictures are read relative to the current folder; the fuzzer's own
// corpus and artifact paths are relative to the folder it was started in.
class InTempDir {
 public:
  InTempDir() : old_(GetCurrentDir()) {
    if (!SetCurrentDir(tempDir)) std::abort();
  }
  ~InTempDir() { SetCurrentDir(old_); }

 private:
  std::string old_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char tmpl[] = "/tmp/tw-fuzz-scrambled-XXXXXX";
  if (!mkdtemp(tmpl)) std::abort();
  tempDir = tmpl;
  std::atexit(RemoveTempDir);
  InTempDir here;
  if (!ForceDirectories("Data\\exio44j")) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  InTempDir here;
  const std::uint8_t control = data[0];
  const int w = 1 + data[1] % 64, h = 1 + data[2] % 64;
  const std::string path = WordPicturePath("x");
  std::vector<std::uint8_t> file(data + 3, data + size);
  ScrambleWithKey(ScrambleKeyOfFile(path), file.data(), std::int64_t(file.size()));
  {
    TFileStream f(path, fmCreate);
    f.WriteBuffer(file.data(), std::int64_t(file.size()));
  }

  std::unique_ptr<TBitmap> r(LoadWordPicture("x", w, h, control & 1, control & 2));
  if (!r || r->Width() != w || r->Height() != h || r->PixelFormat() != pf24bit) std::abort();

  // The BMP readings of the same file (mode 1 is the one above).
  const std::uint8_t mode = std::uint8_t((control >> 2) % 3);
  if (mode != 1) {
    TBitmap b;
    try {
      CDataEncryption::LoadBitmap(&b, path, mode);
    } catch (const Exception&) {
    }
  }
  return 0;
}
