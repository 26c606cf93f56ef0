#include "platform/Classes.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/SysUtils.h"

void TPersistent::Assign(const TPersistent* source) {
  throw Exception("Nie mo\277na przypisa\346 obiektu tego rodzaju.");
}

std::int64_t TStream::Size() {
  std::int64_t pos = Seek(0, soCurrent);
  std::int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
  if (count > 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream* source, std::int64_t count) {
  if (count == 0) {
    source->SetPosition(0);
    count = source->Size();
  }
  std::vector<std::uint8_t> buf(std::size_t(std::min<std::int64_t>(count, 1 << 16)));
  std::int64_t left = count;
  while (left > 0) {
    std::int64_t n = std::min<std::int64_t>(left, std::int64_t(buf.size()));
    source->ReadBuffer(buf.data(), n);
    WriteBuffer(buf.data(), n);
    left -= n;
  }
  return count;
}

// ---- TFileStream ----

TFileStream::TFileStream(const std::string& fileName, unsigned mode) {
  std::string native = NativePath(fileName);
  if (mode == fmCreate || (mode & 0xFF00) == fmCreate) {
    f_ = std::fopen(native.c_str(), "w+b");
    if (!f_) throw EFCreateError("Cannot create file \"" + fileName + "\". " + std::strerror(errno));
    return;
  }
  const char* how = (mode & 3) == fmOpenRead ? "rb" : "r+b";
  struct stat st;
  if (::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) errno = EISDIR;
  else f_ = std::fopen(native.c_str(), how);
  if (!f_) throw EFOpenError("Cannot open file \"" + fileName + "\". " + std::strerror(errno));
}

TFileStream::~TFileStream() {
  if (f_) std::fclose(f_);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  if (lastWasWrite_) { std::fflush(f_); lastWasWrite_ = false; }
  return std::int64_t(std::fread(buffer, 1, std::size_t(count), f_));
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  if (!lastWasWrite_) { std::fseek(f_, 0, SEEK_CUR); lastWasWrite_ = true; }
  return std::int64_t(std::fwrite(buffer, 1, std::size_t(count), f_));
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
  if (offset == 0 && whence == SEEK_CUR && !lastWasWrite_) return ::ftello(f_);
  lastWasWrite_ = false;
  if (::fseeko(f_, offset, whence) != 0) return -1;
  return ::ftello(f_);
}

void TFileStream::SetSize(std::int64_t size) {
  std::fflush(f_);
  if (::ftruncate(fileno(f_), size) != 0) throw EWriteError("Stream write error");
  if (Position() > size) Seek(size, soBeginning);
}

bool TFileStream::FlushToDisk() { return std::fflush(f_) == 0 && ::fsync(fileno(f_)) == 0; }

// ---- TMemoryStream ----

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
  std::int64_t n = std::min<std::int64_t>(count, std::int64_t(data_.size()) - pos_);
  if (n <= 0) return 0;
  std::memcpy(buffer, data_.data() + pos_, std::size_t(n));
  pos_ += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  if (pos_ + count > std::int64_t(data_.size())) data_.resize(std::size_t(pos_ + count));
  std::memcpy(data_.data() + pos_, buffer, std::size_t(count));
  pos_ += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? pos_ : std::int64_t(data_.size());
  std::int64_t p = base + offset;
  if (p < 0) return -1;
  pos_ = p;
  return pos_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  size = std::max<std::int64_t>(size, 0);
  data_.resize(std::size_t(size));
  if (pos_ > size) pos_ = size;
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  pos_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName, std::int64_t maxBytes) {
  data_ = ReadFileBytes(fileName, maxBytes);
  pos_ = 0;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& fileName, std::int64_t maxBytes) {
  TFileStream f(fileName, fmOpenRead | fmShareDenyWrite);
  const std::int64_t size = f.Size();
  if (size < 0) throw EReadError("Cannot read file \"" + fileName + "\"");
  if (size > maxBytes)
    throw EReadError("File \"" + fileName + "\" is too large: " + std::to_string(size) + " bytes, at most " +
                     std::to_string(maxBytes));
  std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
  if (f.Read(data.data(), size) != size) throw EReadError("Cannot read file \"" + fileName + "\"");
  return data;
}

void TMemoryStream::LoadFromStream(TStream* s) {
  s->SetPosition(0);
  std::int64_t size = s->Size();
  std::vector<std::uint8_t> data(std::size_t(std::max<std::int64_t>(size, 0)));
  s->ReadBuffer(data.data(), std::int64_t(data.size()));
  data_ = std::move(data);
  pos_ = 0;
}

void TMemoryStream::SaveToFile(const std::string& fileName) {
  TFileStream f(fileName, fmCreate);
  SaveToStream(&f);
}

void TMemoryStream::SaveToStream(TStream* s) { s->WriteBuffer(data_.data(), std::int64_t(data_.size())); }

// ---- TBytesStream ----

std::int64_t TBytesStream::Read(void* buffer, std::int64_t count) {
  std::int64_t n = std::min<std::int64_t>(count, size_ - pos_);
  if (n <= 0) return 0;
  std::memcpy(buffer, data_ + pos_, std::size_t(n));
  pos_ += n;
  return n;
}

std::int64_t TBytesStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? pos_ : size_;
  std::int64_t p = base + offset;
  if (p < 0) return -1;
  pos_ = p;
  return pos_;
}

// ---- TStrings ----

int TStrings::IndexOf(const std::string& s) const {
  auto it = std::find(items_.begin(), items_.end(), s);
  return it == items_.end() ? -1 : int(it - items_.begin());
}

std::string TStrings::Text() const {
  std::string out;
  for (const auto& s : items_) {
    out += s;
    out += '\n';
  }
  return out;
}

void TStrings::SetText(const std::string& text) {
  items_.clear();
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t nl = text.find('\n', pos);
    std::size_t end = nl == std::string::npos ? text.size() : nl;
    std::string line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    items_.push_back(std::move(line));
    pos = nl == std::string::npos ? text.size() : nl + 1;
  }
}

void TStrings::LoadFromFile(const std::string& fileName, std::int64_t maxBytes) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(fileName, maxBytes);
  SetText(std::string(bytes.begin(), bytes.end()));
}

void TStrings::SaveToFile(const std::string& fileName) const {
  std::string t = Text();
  TFileStream f(fileName, fmCreate);
  f.WriteBuffer(t.data(), std::int64_t(t.size()));
}

void TStrings::Assign(const TPersistent* source) {
  if (auto s = dynamic_cast<const TStrings*>(source)) {
    items_ = s->items_;
    return;
  }
  TPersistent::Assign(source);
}

void TStringList::Sort() { std::sort(items_.begin(), items_.end()); }
