#include "tools/datagen/Tree.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "platform/Jpeg.h"
#include "platform/SysUtils.h"

namespace datagen {

Tree::Tree(std::string nativeRoot) : root_(std::move(nativeRoot)) {}

std::string Tree::Native(const std::string& programPath) const {
  std::string p = Cp1250ToUtf8(programPath);
  for (char& c : p)
    if (c == '\\') c = '/';
  return root_ + "/" + p;
}

void Tree::Write(const std::string& programPath, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::path p = Native(programPath);
  std::filesystem::create_directories(p.parent_path());
  std::filesystem::path tmp = p;
  tmp += ".part";
  {
    std::ofstream f(tmp, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + p.string());
  }
  std::filesystem::rename(tmp, p);
  std::lock_guard<std::mutex> lock(mutex_);
  written_.push_back(programPath);
}

void Tree::Jpeg(const std::string& programPath, const TBitmap& bitmap, int quality) {
  Write(programPath, EncodeJpeg(bitmap, quality, true));
}

void Tree::Bmp(const std::string& programPath, const TBitmap& bitmap) {
  TMemoryStream m;
  bitmap.SaveToStream(&m);
  Write(programPath, std::vector<std::uint8_t>(m.Memory(), m.Memory() + m.Size()));
}

void Tree::JpegPair(const std::string& base, const Art& art) {
  Jpeg(base + "B.xji", *art.OnBlack(), 97);
  Jpeg(base + "W.xji", *art.OnWhite(), 97);
}

void Tree::BmpPair(const std::string& base, const Art& art) {
  Bmp(base + "B.xbi", *art.OnBlack());
  Bmp(base + "W.xbi", *art.OnWhite());
}

std::vector<std::string> Tree::Written() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return written_;
}

void ParallelFor(int n, const std::function<void(int)>& fn) {
  int threads = int(std::max(1u, std::min(8u, std::thread::hardware_concurrency())));
  std::atomic<int> next{0};
  std::exception_ptr error;
  std::mutex errorMutex;
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t)
    pool.emplace_back([&] {
      for (int i; (i = next++) < n;) {
        try {
          fn(i);
        } catch (...) {
          std::lock_guard<std::mutex> lock(errorMutex);
          if (!error) error = std::current_exception();
        }
      }
    });
  for (auto& th : pool) th.join();
  if (error) std::rethrow_exception(error);
}

}  // namespace datagen
