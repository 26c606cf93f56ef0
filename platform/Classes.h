// Streams and string lists.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class TObject {
 public:
  virtual ~TObject() = default;
};

// Something whose content can be copied from another object.
class TPersistent : public TObject {
 public:
  virtual void Assign(const TPersistent* source);
};

enum TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };
constexpr TSeekOrigin soFromBeginning = soBeginning;
constexpr TSeekOrigin soFromCurrent = soCurrent;
constexpr TSeekOrigin soFromEnd = soEnd;

class TStream : public TObject {
 public:
  // Read and Write return the number of bytes moved; a short read at the
  // end of the data is not an error.
  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  virtual void SetSize(std::int64_t size) = 0;

  std::int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(std::int64_t p) { Seek(p, soBeginning); }
  std::int64_t Size();

  // The whole count or EReadError / EWriteError.
  void ReadBuffer(void* buffer, std::int64_t count);
  void WriteBuffer(const void* buffer, std::int64_t count);
  // Copies count bytes from source (all of it from its start when count is 0).
  std::int64_t CopyFrom(TStream* source, std::int64_t count);
};

constexpr unsigned fmOpenRead = 0x0000;
constexpr unsigned fmOpenWrite = 0x0001;
constexpr unsigned fmOpenReadWrite = 0x0002;
constexpr unsigned fmShareDenyWrite = 0x0020;  // sharing modes are accepted and ignored
constexpr unsigned fmShareDenyNone = 0x0040;
constexpr unsigned fmCreate = 0xFF00;

class TFileStream : public TStream {
 public:
  // Program path; raises EFOpenError (or EFCreateError with fmCreate).
  TFileStream(const std::string& fileName, unsigned mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size) override;
  // Pushes what was written down to the disk.
  bool FlushToDisk();

 private:
  std::FILE* f_ = nullptr;
  bool lastWasWrite_ = false;
};

class TMemoryStream : public TStream {
 public:
  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size) override;

  void Clear();
  // The whole file (see ReadFileBytes).
  void LoadFromFile(const std::string& fileName, std::int64_t maxBytes);
  void LoadFromStream(TStream* s);
  void SaveToFile(const std::string& fileName);
  void SaveToStream(TStream* s);
  std::uint8_t* Memory() { return data_.data(); }
  const std::uint8_t* Memory() const { return data_.data(); }

 private:
  std::vector<std::uint8_t> data_;
  std::int64_t pos_ = 0;
};

// A whole file's bytes. Raises EFOpenError when it cannot be opened and
// EReadError when it cannot be read or is larger than maxBytes, which is
// checked before anything is read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& fileName, std::int64_t maxBytes);

// The largest files of each kind the program reads whole.
constexpr std::int64_t kMaxPictureFileBytes = std::int64_t(32) << 20;  // pictures of the data tree
constexpr std::int64_t kMaxTextFileBytes = std::int64_t(4) << 20;      // settings files and lists

// The largest picture a file may declare. No screen class uses more than
// 1280 x 1024, so a larger one is a damaged file: the decoders refuse it
// from its header, before anything is allocated for its pixels.
constexpr int kMaxPictureSide = 4096;
constexpr std::int64_t kMaxPicturePixels = std::int64_t(4) << 20;
inline bool PictureSizeUsable(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}
// Why a picture of that size is refused.
inline std::string PictureSizeRefusal(std::int64_t width, std::int64_t height) {
  return "the picture declares " + std::to_string(width) + " x " + std::to_string(height) +
         " pixels, more than the program uses";
}

// A read-only stream over bytes the caller keeps alive.
class TBytesStream : public TStream {
 public:
  TBytesStream(const void* data, std::size_t size) : data_((const std::uint8_t*)data), size_((std::int64_t)size) {}
  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void*, std::int64_t) override { return 0; }
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t) override {}

 private:
  const std::uint8_t* data_;
  std::int64_t size_;
  std::int64_t pos_ = 0;
};

class TStrings : public TPersistent {
 public:
  int Add(const std::string& s) { items_.push_back(s); return int(items_.size()) - 1; }
  void Insert(int index, const std::string& s) { items_.insert(items_.begin() + index, s); }
  void Delete(int index) { items_.erase(items_.begin() + index); }
  void Clear() { items_.clear(); }
  int Count() const { return int(items_.size()); }
  const std::string& operator[](int i) const { return items_.at(std::size_t(i)); }
  std::string& operator[](int i) { return items_.at(std::size_t(i)); }
  int IndexOf(const std::string& s) const;  // exact match, -1 when absent
  const std::vector<std::string>& Items() const { return items_; }
  // Lines joined with "\n", and split from "\n" or "\r\n".
  std::string Text() const;
  void SetText(const std::string& text);
  // At most maxBytes, as ReadFileBytes reads.
  void LoadFromFile(const std::string& fileName, std::int64_t maxBytes);
  void SaveToFile(const std::string& fileName) const;
  void Assign(const TPersistent* source) override;

 protected:
  std::vector<std::string> items_;
};

class TStringList : public TStrings {
 public:
  void Sort();  // byte order
};
