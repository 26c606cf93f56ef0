// Feeds arbitrary bytes to the JPEG decoder and uses what it decodes.
#include <cstdint>

#include "platform/Graphics.h"
#include "platform/Jpeg.h"
#include "platform/SysUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TJPEGImage j;
  try {
    j.LoadFromMemory(data, size);
  } catch (const Exception&) {
    return 0;
  }
  TBitmap b;
  b.Assign(&j);
  b.SetPixelFormat(pf24bit);
  TBitmap target;
  target.SetPixelFormat(pf32bit);
  target.SetSize(8, 8);
  target.Canvas()->Draw(-1, -1, &j);
  return 0;
}
