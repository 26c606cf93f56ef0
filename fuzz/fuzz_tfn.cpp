// One font record from untrusted bytes, then every byte value drawn,
// measured and wrapped with whatever loaded.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/SysUtils.h"
#include "toolkit/Ctransfont.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TBitmap* target = [] {
    auto* b = new TBitmap;
    b->SetPixelFormat(pf24bit);
    b->SetSize(40, 30);
    return b;
  }();
  static const std::string text = [] {
    std::string t;
    // Every byte value, in short words: line breaking rescans a word for each cut.
    for (int i = 1; i < 256; ++i) t += i % 8 ? std::string(1, char(i)) : std::string(1, char(i)) + ' ';
    return t + "AB CD\n EF\r G" + std::string(1, '\0') + "tail";
  }();
  CTransFont font;
  try {
    TBytesStream stream(data, size);
    font.LoadFromStream(&stream);
  } catch (const Exception&) {
  }
  for (int c = 0; c < 256; ++c)
    if (font.Map((unsigned char)c) >= font.Signs().Count()) __builtin_trap();
  int w, h;
  font.MeasureText(text, &w, &h);
  const TRect rect{-3, 2, 38, 29};
  font.DrawText(target, &rect, text, 0x00FF00, 255);
  for (int width : {-7, 0, 25, 1000}) {
    font.DrawTextInRect(target, text, TRect{1, -4, 1 + width, 30}, 0, std::uint8_t(width & 3), 120);
    const char* p = text.c_str();
    int count, lineWidth;
    const char* next = font.BreakLine(p, &count, &lineWidth, width);
    if (next <= p || count < 0 || next > p + std::char_traits<char>::length(p)) __builtin_trap();
  }
  return 0;
}
