#include "shell/_cstatrec.h"

#include <cstring>
#include <ctime>

#include "platform/Classes.h"
#include "platform/Endian.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "shell/_custgry.h"
#include "toolkit/_cblad.h"

CStatRec* StatRec = nullptr;

namespace {

const char kMagic[4] = {'T', 'W', 'S', '1'};

void PutLe64(std::uint8_t* p, std::uint64_t v) {
  PutLe32(p, std::uint32_t(v));
  PutLe32(p + 4, std::uint32_t(v >> 32));
}
std::uint64_t GetLe64(const std::uint8_t* p) { return std::uint64_t(GetLe32(p)) | (std::uint64_t(GetLe32(p + 4)) << 32); }

bool HeaderIsOurs(const std::string& fileName) {
  try {
    TFileStream f(fileName, fmOpenRead);
    std::uint8_t h[kStatHeaderSize];
    if (f.Read(h, kStatHeaderSize) != kStatHeaderSize) return false;
    return std::memcmp(h, kMagic, 4) == 0 && GetLe32(h + 4) == kStatisticsId;
  } catch (const Exception&) {
    return false;
  }
}

bool CreateFile(const std::string& fileName, std::string* why = nullptr) {
  try {
    std::uint8_t h[kStatHeaderSize] = {};
    std::memcpy(h, kMagic, 4);
    PutLe32(h + 4, kStatisticsId);
    PutLe64(h + 8, std::uint64_t(std::time(nullptr)));
    TFileStream f(fileName, fmCreate);
    f.WriteBuffer(h, kStatHeaderSize);
    if (f.FlushToDisk()) return true;
    if (why) *why = "Cannot write \"" + fileName + "\" to the disk";
  } catch (const Exception& e) {
    if (why) *why = e.Message;
  }
  return false;
}

// A free name beside the file for setting a foreign file aside.
std::string AsideName(const std::string& fileName) {
  for (int i = 0;; ++i) {
    std::string n = fileName + ".obcy" + (i ? std::to_string(i) : std::string());
    if (!FileExists(n) && !DirectoryExists(n)) return n;
  }
}

}  // namespace

CStatRec::CStatRec(const std::string& fileName) : fileName_(fileName) {
  bool ok;
  std::string why = "\"" + fileName_ + "\" is a folder";
  if (FileExists(fileName_)) {
    ok = HeaderIsOurs(fileName_);
    if (!ok) {
      const std::string aside = AsideName(fileName_);
      why = "Cannot set \"" + fileName_ + "\" aside";
      ok = RenameFile(fileName_, aside) && CreateFile(fileName_, &why);
    }
  } else {
    ok = !DirectoryExists(fileName_) && CreateFile(fileName_, &why);
  }
  if (!ok) throw CBlad(3, why);
  idle_ = std::make_unique<TTimer>(nullptr);
  idle_->SetEnabled(false);
  idle_->SetInterval(kIdleMs);
  idle_->OnTimer = [this](TObject*) { Lapse(); };
}

CStatRec::~CStatRec() = default;

void CStatRec::Start(CUstGry* settings) {
  settings_ = settings;
  help_ = good_ = bad_ = 0;
  elapsedMs_ = 0;
  active_ = true;
  startMs_ = Application->NowMs();
  startTime_ = std::int64_t(std::time(nullptr));
  endTime_ = startTime_;
  idle_->SetEnabled(true);  // restarts the count
}

void CStatRec::KeepAlive() {
  if (active_) idle_->SetEnabled(true);
}

void CStatRec::Lapse() {
  active_ = false;
  idle_->SetEnabled(false);
}

void CStatRec::End() {
  endTime_ = std::int64_t(std::time(nullptr));
  std::int64_t ms = Application->NowMs() - startMs_;
  elapsedMs_ = std::uint32_t(ms < 0 ? 0 : ms);
  idle_->SetEnabled(false);
}

bool CStatRec::SaveSession(bool completed) {
  if (!active_ || !settings_) return false;
  active_ = false;
  idle_->SetEnabled(false);
  std::uint8_t r[kStatRecordSize] = {};
  PutLe16(r, std::uint32_t(settings_->Id));
  r[2] = completed ? 1 : 0;
  r[3] = std::uint8_t(settings_->Level);
  PutLe32(r + 4, std::uint32_t(settings_->PhonemeMask));
  PutLe32(r + 8, std::uint32_t(settings_->PositionMask));
  PutLe64(r + 12, std::uint64_t(startTime_));
  PutLe64(r + 20, std::uint64_t(endTime_));
  PutLe32(r + 28, elapsedMs_);
  auto clamp16 = [](int v) { return std::uint32_t(v < 0 ? 0 : v > 65535 ? 65535 : v); };
  PutLe16(r + 32, clamp16(help_));
  PutLe16(r + 34, clamp16(good_));
  PutLe16(r + 36, clamp16(bad_));
  try {
    if (!FileExists(fileName_) || !HeaderIsOurs(fileName_)) {
      if (FileExists(fileName_)) RenameFile(fileName_, AsideName(fileName_));
      if (!CreateFile(fileName_)) return false;
    }
    TFileStream f(fileName_, fmOpenReadWrite);
    // A record torn by a crash is cut back to the last whole one.
    std::int64_t size = f.Size();
    std::int64_t whole = kStatHeaderSize + (size - kStatHeaderSize) / kStatRecordSize * kStatRecordSize;
    if (whole != size) f.SetSize(whole);
    f.Seek(whole, soBeginning);
    f.WriteBuffer(r, kStatRecordSize);
    return f.FlushToDisk();
  } catch (const Exception&) {
    return false;
  }
}

bool CStatRec::ReadFile(const std::string& fileName, std::vector<SessionRecord>& out) {
  out.clear();
  try {
    // A million sessions is more than any child plays.
    const std::vector<std::uint8_t> bytes =
        ReadFileBytes(fileName, kStatHeaderSize + std::int64_t(kStatRecordSize) * 1000000);
    const std::uint8_t* p = bytes.data();
    const std::int64_t size = std::int64_t(bytes.size());
    if (size < kStatHeaderSize || std::memcmp(p, kMagic, 4) != 0 || GetLe32(p + 4) != kStatisticsId) return false;
    for (std::int64_t at = kStatHeaderSize; at + kStatRecordSize <= size; at += kStatRecordSize) {
      const std::uint8_t* r = p + at;
      SessionRecord s;
      s.gameId = std::uint16_t(GetLe16(r));
      s.completed = r[2] != 0;
      s.level = r[3];
      s.phonemeMask = std::int32_t(GetLe32(r + 4));
      s.positionMask = std::int32_t(GetLe32(r + 8));
      s.start = std::int64_t(GetLe64(r + 12));
      s.end = std::int64_t(GetLe64(r + 20));
      s.elapsedMs = GetLe32(r + 28);
      s.help = std::uint16_t(GetLe16(r + 32));
      s.good = std::uint16_t(GetLe16(r + 34));
      s.bad = std::uint16_t(GetLe16(r + 36));
      out.push_back(s);
    }
    return true;
  } catch (const Exception&) {
    return false;
  }
}
