// Feeds arbitrary bytes to the BMP reader, directly and the way picture
// files are read (image-size field patched first), and uses what it reads.
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/Graphics.h"
#include "platform/SysUtils.h"
#include "toolkit/Loadcorrectbitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> raw(data, data + size);
  std::vector<std::uint8_t> patched = raw;
  FixBmpSizeImage(patched.data(), std::int64_t(patched.size()));
  for (const auto* bytes : {&raw, &patched}) {
    TBitmap b;
    try {
      TBytesStream s(bytes->data(), bytes->size());
      b.LoadFromStream(&s);
    } catch (const Exception&) {
      continue;
    }
    // Whatever was read must be usable: convert it and draw it.
    TBitmap target;
    target.SetPixelFormat(pf24bit);
    target.SetSize(16, 16);
    target.Canvas()->Draw(-3, -2, &b);
    b.SetPixelFormat(pf24bit);
    if (b.Width() > 0) (void)b.ScanLine(b.Height() - 1)[b.Width() * 3 - 1];
  }
  return 0;
}
