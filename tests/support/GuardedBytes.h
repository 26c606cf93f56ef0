// Bytes placed at the very end of a readable page, with an unreadable page
// right after them: a reader that goes one byte past the end crashes at once
// instead of quietly reading whatever lies there.
#pragma once
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace testsupport {

class GuardedBytes {
 public:
  explicit GuardedBytes(const std::vector<std::uint8_t>& bytes) : size_(bytes.size()) {
    const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE));
    length_ = ((size_ + page - 1) / page + 1) * page;
    void* p = ::mmap(nullptr, length_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::runtime_error("mmap failed");
    base_ = static_cast<std::uint8_t*>(p);
    std::uint8_t* guard = base_ + length_ - page;
    if (::mprotect(guard, page, PROT_NONE) != 0) throw std::runtime_error("mprotect failed");
    data_ = guard - size_;
    if (size_) std::memcpy(data_, bytes.data(), size_);
  }
  ~GuardedBytes() { ::munmap(base_, length_); }
  GuardedBytes(const GuardedBytes&) = delete;
  GuardedBytes& operator=(const GuardedBytes&) = delete;

  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  std::size_t size_;
  std::size_t length_ = 0;
  std::uint8_t* base_ = nullptr;
  std::uint8_t* data_ = nullptr;
};

}  // namespace testsupport
