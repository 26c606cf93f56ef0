// Speed of Composite over a whole back buffer, beside a plain copy of the
// same bytes. Items are pixels: items_per_second / 1e6 is Mpx/s.
//
// Arguments: width, height, bits per pixel, opacity, mask kind (0 a shape of
// mostly 0 and 255 with soft edges, 1 random bytes, 2 the odd-one-out
// game's card mask tiled over the frame: the realistic one, the headline),
// vector loops (1) or the plain loops (0).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>

#include "bench/BenchPictures.h"
#include "toolkit/Ctransbitmap.h"

namespace {

// A picture-like mask: a few overlapping ellipses, opaque inside, transparent
// outside, with a 3-pixel soft edge (about 71% zeros, 28% 255, 1% between).
void FillShapeMask(TBitmap* m) {
  const int w = m->Width(), h = m->Height();
  struct Ellipse {
    double cx, cy, rx, ry;
  };
  const Ellipse shapes[] = {{0.30, 0.35, 0.18, 0.22}, {0.65, 0.55, 0.22, 0.18}, {0.45, 0.80, 0.12, 0.10}};
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = m->ScanLine(y);
    for (int x = 0; x < w; ++x) {
      double best = 0;
      for (const Ellipse& e : shapes) {
        const double dx = (x - e.cx * w) / (e.rx * w), dy = (y - e.cy * h) / (e.ry * h);
        const double inside = (1.0 - std::sqrt(dx * dx + dy * dy)) * e.rx * w / 3.0;  // in edge widths
        best = std::max(best, std::min(1.0, inside));
      }
      row[x] = std::uint8_t(std::lround(255 * best));
    }
  }
}

// The card mask repeated over the whole mask; false without the data tree.
bool FillCardMask(TBitmap* m) {
  const TBitmap* card = CardMask();
  if (!card || card->PixelFormat() != pf8bit) return false;
  for (int y = 0; y < m->Height(); ++y) {
    std::uint8_t* row = m->ScanLine(y);
    const std::uint8_t* src = card->ScanLine(y % card->Height());
    for (int x = 0; x < m->Width(); ++x) row[x] = src[x % card->Width()];
  }
  return true;
}

// Fills the mask as the mask-kind argument says; false when it cannot.
bool FillMask(TBitmap* m, std::int64_t kind, std::mt19937& rng) {
  if (kind == 0) FillShapeMask(m);
  else if (kind == 1) FillRandom(m, rng);
  else return FillCardMask(m);
  return true;
}

const char* MaskName(std::int64_t kind) { return kind == 0 ? "shape mask" : kind == 1 ? "random mask" : "card masks"; }

void BM_Composite(benchmark::State& state) {
  const int w = int(state.range(0)), h = int(state.range(1));
  const TPixelFormat pf = state.range(2) == 24 ? pf24bit : pf32bit;
  const int opacity = int(state.range(3));
  std::mt19937 rng(42);
  auto dst = MakeBitmap(pf, w, h), colour = MakeBitmap(pf, w, h), mask = MakeBitmap(pf8bit, w, h);
  FillRandom(dst.get(), rng);
  FillRandom(colour.get(), rng);
  if (!FillMask(mask.get(), state.range(4), rng)) {
    state.SkipWithError("no generated card mask in the build folder");
    return;
  }
  UseBlendLoops(state.range(5) ? BlendLoops::Avx512 : BlendLoops::Plain);
  const TRect clip = Rect(0, 0, w, h);
  for (auto _ : state) {
    Composite(dst.get(), 0, 0, colour.get(), mask.get(), &clip, dst.get(), 0, 0, opacity);
    benchmark::ClobberMemory();
  }
  UseBlendLoops(BlendLoops::Avx512);
  state.SetItemsProcessed(state.iterations() * std::int64_t(w) * h);
  state.SetLabel(std::string(MaskName(state.range(4))) + ", " +
                 LoopsName(state.range(5) ? BlendLoops::Avx512 : BlendLoops::Plain));
}

// A picture over a clean copy of the window's background into the back
// buffer: every pixel is written, also where the mask is 0. Vector loops, opacity 255.
void BM_CompositeOverCleanBackground(benchmark::State& state) {
  const int w = int(state.range(0)), h = int(state.range(1));
  const TPixelFormat pf = state.range(2) == 24 ? pf24bit : pf32bit;
  std::mt19937 rng(7);
  auto dst = MakeBitmap(pf, w, h), bg = MakeBitmap(pf, w, h), colour = MakeBitmap(pf, w, h), mask = MakeBitmap(pf8bit, w, h);
  FillRandom(dst.get(), rng);
  FillRandom(bg.get(), rng);
  FillRandom(colour.get(), rng);
  if (!FillMask(mask.get(), state.range(3), rng)) {
    state.SkipWithError("no generated card mask in the build folder");
    return;
  }
  const TRect clip = Rect(0, 0, w, h);
  for (auto _ : state) {
    Composite(dst.get(), 0, 0, colour.get(), mask.get(), &clip, bg.get(), 0, 0, 255);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(w) * h);
  state.SetLabel(MaskName(state.range(3)));
}

// The reference: copying the destination's bytes once.
void BM_CopyBytes(benchmark::State& state) {
  const int w = int(state.range(0)), h = int(state.range(1));
  const TPixelFormat pf = state.range(2) == 24 ? pf24bit : pf32bit;
  auto src = MakeBitmap(pf, w, h), dst = MakeBitmap(pf, w, h);
  const std::size_t bytes = std::size_t(src->RowBytes()) * h;
  const std::uint8_t* s = src->ScanLine(0);
  std::uint8_t* d = dst->ScanLine(0);
  for (auto _ : state) {
    std::memcpy(d, s, bytes);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(w) * h);
  state.SetBytesProcessed(state.iterations() * std::int64_t(bytes));
}

void CompositeArgs(benchmark::internal::Benchmark* b) {
  b->ArgNames({"w", "h", "bpp", "opacity", "random", "vector"});
  for (auto [w, h] : {std::pair{800, 600}, std::pair{1280, 960}})
    for (int bpp : {24, 32})
      for (int opacity : {255, 128})
        for (int maskKind : {2, 1, 0})
          for (int vector : {1, 0}) b->Args({w, h, bpp, opacity, maskKind, vector});
}

void CleanBackgroundArgs(benchmark::internal::Benchmark* b) {
  b->ArgNames({"w", "h", "bpp", "random"});
  for (auto [w, h] : {std::pair{800, 600}, std::pair{1280, 960}})
    for (int bpp : {24, 32})
      for (int maskKind : {2, 1, 0}) b->Args({w, h, bpp, maskKind});
}

void CopyArgs(benchmark::internal::Benchmark* b) {
  b->ArgNames({"w", "h", "bpp"});
  for (auto [w, h] : {std::pair{800, 600}, std::pair{1280, 960}})
    for (int bpp : {24, 32}) b->Args({w, h, bpp});
}

}  // namespace

BENCHMARK(BM_Composite)->Apply(CompositeArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompositeOverCleanBackground)->Apply(CleanBackgroundArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyBytes)->Apply(CopyArgs)->Unit(benchmark::kMicrosecond);
