// Coverage masks from untrusted bytes: both formats, back-to-back reads,
// the packed reader on its own, and drawing whatever loaded.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/SysUtils.h"
#include "toolkit/Ctbytebitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TBitmap* target = [] {
    auto* b = new TBitmap;
    b->SetPixelFormat(pf32bit);
    b->SetSize(16, 12);
    return b;
  }();
  try {
    TBytesStream stream(data, size);
    CTByteBitmap mask;
    for (int i = 0; i < 2; ++i) {
      const bool ok = mask.LoadFromStream(&stream);
      const std::int64_t n = std::int64_t(mask.Width()) * mask.Height();
      if (n > CTByteBitmap::MaxPixels || (n > 0) != (mask.Pixels() != nullptr)) __builtin_trap();
      if (ok) {
        const TRect clip{-5, 1, 20, 11};
        mask.DrawMask(target, -mask.Width() / 2, 3 - mask.Height() / 3, 0x123456, &clip, 200);
        mask.DrawMask(target, 15, 11, 0x654321, &clip, 1000);
      }
    }
    // The packed reader after a magic that was not there.
    TBytesStream again(data, size);
    mask.LoadPacked(&again);
  } catch (const Exception&) {
  }
  return 0;
}
