#include "toolkit/Cdataencryption.h"

#include "platform/Jpeg.h"
#include "platform/SysUtils.h"
#include "toolkit/Encodedecodebuffor.h"
#include "toolkit/Loadcorrectbitmap.h"

namespace {

struct SplitName {
  std::string path;
  std::string ext;
  bool marker = false;
};

// The last extension of a file name ("." only when no "\" or ":" follows it),
// without its dot and without a "+" right after the dot.
SplitName Split(const std::string& fileName) {
  SplitName s;
  std::string ext = ExtractFileExt(fileName);
  s.path = fileName.substr(0, fileName.size() - ext.size());
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  if (!ext.empty() && ext[0] == '+') {
    ext.erase(0, 1);
    s.marker = true;
  }
  s.ext = ext;
  return s;
}

std::string KeyOfPath(const std::string& path) {
  std::string key = ExtractFileName(path);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return key;
}

}  // namespace

CDataEncryption::CDataEncryption() = default;
CDataEncryption::~CDataEncryption() = default;

void CDataEncryption::Load(const std::string& fileName, bool recordMarker) {
  if (!data_) data_ = std::make_unique<TMemoryStream>();
  else data_->Clear();
  SplitName s = Split(fileName);
  path_ = s.path;
  ext_ = s.ext;
  if (recordMarker) encoded_ = s.marker;
  data_->LoadFromFile(fileName, kMaxPictureFileBytes);
  data_->SetPosition(0);
}

std::string CDataEncryption::KeyFromName() const { return KeyOfPath(path_); }

void CDataEncryption::Decode(const std::string& key) {
  if (!data_ || data_->Size() == 0) return;
  ScrambleWithKey(key, data_->Memory(), data_->Size());
}

void CDataEncryption::DecodeIfNeeded(const std::string& key) {
  if (!encoded_) return;
  Decode(key);
  encoded_ = false;
}

void CDataEncryption::LoadBitmap(TBitmap* bitmap, const std::string& fileName, std::uint8_t mode, int minWidth,
                                 int minHeight) {
  CDataEncryption file;
  file.Load(fileName, true);
  TMemoryStream* data = file.data_.get();
  if (data->Size() == 0) return;
  file.DecodeIfNeeded(file.KeyFromName());
  if (mode == 2) mode = file.ext_ == "jpg" ? 1 : 0;
  if (mode == 0) {
    FixBmpSizeImage(data->Memory(), data->Size());
    NamingFileInErrors(fileName, [&] { bitmap->LoadFromMemory(data->Memory(), std::size_t(data->Size())); });
    return;
  }
  TJPEGImage jpeg;
  NamingFileInErrors(fileName, [&] {
    jpeg.LoadFromMemory(data->Memory(), std::size_t(data->Size()), minWidth, minHeight);
  });
  bitmap->Assign(&jpeg);
  if (bitmap->PixelFormat() != pf24bit) bitmap->SetPixelFormat(pf24bit);
  if (bitmap->HandleType() != bmDIB) bitmap->SetHandleType(bmDIB);
}

std::string ScrambleKeyOfFile(const std::string& fileName) { return KeyOfPath(Split(fileName).path); }

void ScrambleWithKey(const std::string& key, std::uint8_t* data, std::int64_t size) {
  EncodeDecodeBytes(Cp1250ToUtf16(key), data, size);
}
