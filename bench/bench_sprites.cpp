// Composite on sprites, as the games draw them: a picture through its mask
// into a 1280x960 back buffer, in place, beside SDL_BlitSurface doing the
// same blend (ARGB8888 with the mask as alpha onto XRGB8888). Items are
// pixels: items_per_second / 1e9 is Gpx/s; compare BM_SpriteComposite and
// BM_SpriteSdlBlit of the same arguments.
//
// Arguments: sprite width (every width from 60 to 200 in the odd steps the
// games have, and the truck's 620), height 120, bits per pixel of the back
// buffer and of the picture (24 on 24, 32 on 32, and 24 on 32 as the
// odd-one-out game draws its word pictures; SDL's peer is always 32 on 32),
// mask kind (0 the odd-one-out game's real card mask, scaled to the sprite
// and kept 24-bit as the game keeps it; 1 random 8-bit bytes).
// SPRITE_EVERY_WIDTH=1 in the environment takes every width from 60 to 200
// instead of the sample (852 cases each: a sweep for the slowest width).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/BenchPictures.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Stretchbitmap.h"

namespace {

constexpr int kHeight = 120;

struct Sprite {
  std::unique_ptr<TBitmap> frame, colour, mask;
  bool ok = true;
};

Sprite MakeSprite(const benchmark::State& state) {
  const int w = int(state.range(0));
  const TPixelFormat pf = state.range(2) == 24 ? pf24bit : pf32bit;
  std::mt19937 rng(w);
  Sprite s;
  s.frame = MakeBitmap(pf, 1280, 960);
  s.colour = MakeBitmap(state.range(3) == 24 ? pf24bit : pf32bit, w, kHeight);
  s.mask = MakeBitmap(pf8bit, w, kHeight);
  FillRandom(s.frame.get(), rng);
  FillRandom(s.colour.get(), rng);
  if (state.range(4) == 1) {
    FillRandom(s.mask.get(), rng);
  } else if (const TBitmap* card = CardMask()) {
    // StretchBitmap makes its source 24-bit too: it gets a copy, and the
    // shared card mask stays 8-bit for the whole-frame benchmarks.
    TBitmap source;
    source.Assign(card);
    StretchBitmap(s.mask.get(), &source);
  } else {
    s.ok = false;
  }
  return s;
}

void SpriteArgs(benchmark::internal::Benchmark* b) {
  b->ArgNames({"w", "h", "bpp", "picture", "random"});
  std::vector<int> widths = {60, 63, 86, 97, 110, 120, 127, 136, 150, 161, 179, 200, 620};
  if (const char* every = std::getenv("SPRITE_EVERY_WIDTH"); every && *every == '1') {
    widths.clear();
    for (int w = 60; w <= 200; ++w) widths.push_back(w);
    widths.push_back(620);
  }
  for (int w : widths)
    for (const auto& [bpp, picture] : {std::pair{24, 24}, std::pair{32, 32}, std::pair{32, 24}})
      for (int kind : {0, 1}) b->Args({w, kHeight, bpp, picture, kind});
}

void BM_SpriteComposite(benchmark::State& state) {
  Sprite s = MakeSprite(state);
  if (!s.ok) {
    state.SkipWithError("no generated card mask in the build folder");
    return;
  }
  const int w = int(state.range(0));
  const TRect clip = Rect(0, 0, w, kHeight);
  int place = 0;
  for (auto _ : state) {
    // A few places, as sprites move; in place, as the games draw.
    const int x = 40 + (place % 7) * ((1280 - 80 - w) / 6), y = 60 + (place % 5) * 150;
    Composite(s.frame.get(), x, y, s.colour.get(), s.mask.get(), &clip, s.frame.get(), x, y, 255);
    ++place;
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(w) * kHeight);
  state.SetLabel(std::string(state.range(4) ? "random mask" : "card mask") + ", " + LoopsName(BlendLoops::Avx512));
}

void BM_SpriteSdlBlit(benchmark::State& state) {
  if (state.range(2) != 32 || state.range(3) != 32) {
    state.SkipWithError("SDL's peer is 32 on 32 bits only");
    return;
  }
  Sprite s = MakeSprite(state);
  if (!s.ok) {
    state.SkipWithError("no generated card mask in the build folder");
    return;
  }
  const int w = int(state.range(0));
  SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormat(0, 1280, 960, 32, SDL_PIXELFORMAT_XRGB8888);
  SDL_Surface* sprite = SDL_CreateRGBSurfaceWithFormat(0, w, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
  for (int y = 0; y < 960; ++y)
    std::memcpy(static_cast<std::uint8_t*>(frame->pixels) + y * frame->pitch, s.frame->ScanLine(y), 1280 * 4);
  for (int y = 0; y < kHeight; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(sprite->pixels) + y * sprite->pitch);
    const auto* c = reinterpret_cast<const std::uint32_t*>(s.colour->ScanLine(y));
    const std::uint8_t* m = s.mask->ScanLine(y);
    const int step = s.mask->PixelFormat() == pf8bit ? 1 : s.mask->PixelFormat() == pf24bit ? 3 : 4;
    for (int x = 0; x < w; ++x) row[x] = (c[x] & 0xFFFFFFu) | std::uint32_t(m[x * step]) << 24;
  }
  SDL_SetSurfaceBlendMode(sprite, SDL_BLENDMODE_BLEND);
  int place = 0;
  for (auto _ : state) {
    SDL_Rect to{40 + (place % 7) * ((1280 - 80 - w) / 6), 60 + (place % 5) * 150, w, kHeight};
    SDL_BlitSurface(sprite, nullptr, frame, &to);
    ++place;
    benchmark::ClobberMemory();
  }
  SDL_FreeSurface(sprite);
  SDL_FreeSurface(frame);
  state.SetItemsProcessed(state.iterations() * std::int64_t(w) * kHeight);
  state.SetLabel(std::string(state.range(4) ? "random mask" : "card mask") + ", SDL_BlitSurface");
}

}  // namespace

BENCHMARK(BM_SpriteComposite)->Apply(SpriteArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpriteSdlBlit)->Apply(SpriteArgs)->Unit(benchmark::kMicrosecond);
