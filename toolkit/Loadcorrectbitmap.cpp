#include "toolkit/Loadcorrectbitmap.h"

#include <cstdlib>
#include <limits>

#include "platform/Endian.h"
#include "platform/SysUtils.h"

void FixBmpSizeImage(std::uint8_t* buffer, std::int64_t size) {
  if (!buffer || size < 54) return;
  if (buffer[0] != 'B' || buffer[1] != 'M') return;
  if (GetLe32(buffer + 14) < 40) return;  // older headers keep other fields there
  if (GetLe16(buffer + 28) != 24) return;  // biBitCount
  if (GetLe32(buffer + 30) != 0) return;   // biCompression: BI_RGB only
  std::int64_t w = std::int32_t(GetLe32(buffer + 18));
  std::int64_t h = std::int32_t(GetLe32(buffer + 22));
  if (w <= 0) return;
  const std::int64_t row = w * 3 + (w & 3);
  if (std::llabs(h) > size / row) return;  // rows that cannot fit (tested before multiplying)
  std::int64_t image = row * std::llabs(h);
  if (image > std::numeric_limits<std::int32_t>::max() || image > size) return;
  PutLe32(buffer + 34, std::uint32_t(image));
}

void LoadCorrectBitmap(TBitmap* bitmap, const std::string& fileName) {
  TMemoryStream stream;
  stream.LoadFromFile(fileName, kMaxPictureFileBytes);
  FixBmpSizeImage(stream.Memory(), stream.Size());
  NamingFileInErrors(fileName, [&] { bitmap->LoadFromMemory(stream.Memory(), std::size_t(stream.Size())); });
}
