// The games' pictures from untrusted bytes: a picture pair (the render on
// black and on white, as JPEG and as BMP) made into colour and mask and
// drawn, and a card mask with a card's picture composed and tinted through it.
//
// Input: a control byte (where things are drawn, the tint's strength), two
// bytes giving the first file's length, then the two files.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "platform/Graphics.h"
#include "platform/SysUtils.h"
#include "toolkit/Ctransbitmap.h"

namespace {

std::unique_ptr<TBitmap> Target() {
  auto t = std::make_unique<TBitmap>();
  t->SetPixelFormat(pf24bit);
  t->SetSize(48, 40);
  return t;
}

std::unique_ptr<TBitmap> Jpeg(const std::string& file) {
  try {
    return std::unique_ptr<TBitmap>(NewBitmapFromJpeg(file));
  } catch (const Exception&) {
    return nullptr;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::uint8_t control = data[0];
  const std::size_t first = std::min<std::size_t>(size - 3, std::size_t(data[1]) | std::size_t(data[2]) << 8);
  const std::string a = fuzzsupport::Put("a", data + 3, first);
  const std::string b = fuzzsupport::Put("b", data + 3 + first, size - 3 - first);
  const int x = (control & 15) - 8, y = (control >> 4) - 8;
  auto target = Target();

  for (int bmp = 0; bmp < 2; ++bmp) {
    CTransBitmap pair;
    try {
      if (bmp) pair.LoadBlackWhiteBmp(a, b);
      else pair.LoadBlackWhiteJpeg(a, b);
    } catch (const ETransBitmap&) {
      continue;
    }
    if (!pair.Colour || !pair.Mask || pair.Colour->Width() != pair.Mask->Width() ||
        pair.Colour->Height() != pair.Mask->Height() || pair.Mask->PixelFormat() != pf8bit)
      __builtin_trap();
    pair.Draw(target->Canvas(), x, y, control, bmp);
  }

  // A card: its mask, and a picture of the mask's size (or whatever the second file gives).
  std::unique_ptr<TBitmap> mask = Jpeg(a);
  if (!mask) return 0;
  std::unique_ptr<TBitmap> picture = Jpeg(b);
  if (!picture) picture.reset(NewBitmap24(mask->Width(), mask->Height()));
  const TRect clip{x, y, x + mask->Width(), y + mask->Height()};
  Composite(target.get(), x, y, picture.get(), mask.get(), &clip, target.get(), x, y, 255);
  TintThroughMask(target.get(), -x, -y, mask.get(), 0x3366CC, target.get(), -x, -y, control);
  return 0;
}
