// Loading a word picture as the magnifier and the games do: read the
// scrambled file, unscramble, decode the JPEG and resample.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/Jpeg.h"
#include "platform/SysUtils.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Cdataencryption.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Stretchbitmap.h"

namespace {

// A temporary data tree holding one scrambled 400 x 400 picture (quality 95).
class WordTree {
 public:
  WordTree() {
    old_ = GetCurrentDir();
    char tmpl[] = "/tmp/tw-bench-words-XXXXXX";
    if (!mkdtemp(tmpl)) std::abort();
    dir_ = tmpl;
    SetCurrentDir(dir_);
    ForceDirectories("Data\\exio44j");
    std::unique_ptr<TBitmap> b(NewBitmap24(400, 400));
    for (int y = 0; y < 400; ++y) {
      std::uint8_t* p = b->ScanLine(y);
      for (int x = 0; x < 400; ++x, p += 3) {
        // Smooth shading with some edges and texture, like a drawing.
        const int dx = x - 200, dy = y - 180;
        const bool inside = dx * dx + dy * dy < 120 * 120;
        p[0] = std::uint8_t(inside ? 40 + (x * 7 + y * 3) % 50 : 230 - y / 4);
        p[1] = std::uint8_t(inside ? 120 + (x ^ y) % 40 : 200 - x / 5);
        p[2] = std::uint8_t(inside ? 220 - (x + y) % 30 : 250 - (x + y) / 8);
      }
    }
    std::vector<std::uint8_t> jpeg = EncodeJpeg(*b, 95, false);
    ScrambleWithKey("kot", jpeg.data(), std::int64_t(jpeg.size()));
    TFileStream f(WordPicturePath("kot"), fmCreate);
    f.WriteBuffer(jpeg.data(), std::int64_t(jpeg.size()));
    bytes_ = jpeg.size();
  }
  ~WordTree() {
    SetCurrentDir(old_);
    std::filesystem::remove_all(dir_);
  }
  std::size_t Bytes() const { return bytes_; }

 private:
  std::string old_, dir_;
  std::size_t bytes_ = 0;
};

void BM_LoadWordPicture(benchmark::State& state, bool fit) {
  WordTree tree;
  for (auto _ : state) {
    std::unique_ptr<TBitmap> r(LoadWordPicture("kot", 200, 200, true, fit));
    benchmark::DoNotOptimize(r->ScanLine(100));
  }
  state.counters["file_bytes"] = double(tree.Bytes());
}
BENCHMARK_CAPTURE(BM_LoadWordPicture, fit_400_to_200, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadWordPicture, crop_400_to_200, false)->Unit(benchmark::kMillisecond);

// The magnifier's size: the picture as it is.
void BM_LoadWordPictureSameSize(benchmark::State& state) {
  WordTree tree;
  for (auto _ : state) {
    std::unique_ptr<TBitmap> r(LoadWordPicture("kot", 400, 400, true, true));
    benchmark::DoNotOptimize(r->ScanLine(100));
  }
}
BENCHMARK(BM_LoadWordPictureSameSize)->Unit(benchmark::kMillisecond);

// The parts on their own.
void BM_StretchHalf(benchmark::State& state) {
  std::unique_ptr<TBitmap> src(NewBitmap24(400, 400)), dst(NewBitmap24(200, 200));
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 1200; ++x) src->ScanLine(y)[x] = std::uint8_t(x * 7 + y);
  for (auto _ : state) StretchBitmap(dst.get(), src.get());
}
BENCHMARK(BM_StretchHalf)->Unit(benchmark::kMicrosecond);

void BM_ShrinkThird(benchmark::State& state) {
  std::unique_ptr<TBitmap> src(NewBitmap24(400, 400)), dst(NewBitmap24(133, 133));
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 1200; ++x) src->ScanLine(y)[x] = std::uint8_t(x * 7 + y);
  for (auto _ : state) StretchBitmap(dst.get(), src.get());
}
BENCHMARK(BM_ShrinkThird)->Unit(benchmark::kMicrosecond);

void BM_Unscramble(benchmark::State& state) {
  std::vector<std::uint8_t> data(60000, 0x42);
  for (auto _ : state) {
    ScrambleWithKey("kot", data.data(), std::int64_t(data.size()));
    benchmark::DoNotOptimize(data.data());
  }
}
BENCHMARK(BM_Unscramble)->Unit(benchmark::kMicrosecond);

}  // namespace
