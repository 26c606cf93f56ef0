// The data tree being generated: files are named by their program paths
// ("Data\Intf\Spec\R2_liaT.xji") and written under a root folder.
#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "tools/datagen/Art.h"

namespace datagen {

class Tree {
 public:
  explicit Tree(std::string nativeRoot);

  // Native path of a program path (code page 1250 with backslashes).
  std::string Native(const std::string& programPath) const;
  const std::string& Root() const { return root_; }

  void Write(const std::string& programPath, const std::vector<std::uint8_t>& bytes);
  // JPEG at quality 95 with full colour resolution, so opaque pixels of a
  // pair stay equal in both renders.
  void Jpeg(const std::string& programPath, const TBitmap& bitmap, int quality = 95);
  void Bmp(const std::string& programPath, const TBitmap& bitmap);
  // The two renders of a transparent picture: base + "B" + ext and base + "W" + ext.
  void JpegPair(const std::string& base, const Art& art);
  void BmpPair(const std::string& base, const Art& art);

  // Every program path written so far.
  std::vector<std::string> Written() const;

 private:
  std::string root_;
  mutable std::mutex mutex_;
  std::vector<std::string> written_;
};

// Runs fn(0) .. fn(n - 1) on the machine's cores.
void ParallelFor(int n, const std::function<void(int)>& fn);

}  // namespace datagen
