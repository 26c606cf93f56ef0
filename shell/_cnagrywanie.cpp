#include "shell/_cnagrywanie.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "platform/IniFiles.h"
#include "platform/SysUtils.h"
#include "toolkit/Ctransfont.h"
#include "toolkit/_cblad.h"
#include "toolkit/_ccheckbutw.h"

// ---- the list of slots ----

namespace {
std::string SectionOf(int slot) { return "Nagranie" + std::to_string(slot); }
std::string BareWaveName(int slot) { return "Nagranie" + std::to_string(slot) + ".wav"; }
bool ValidSlot(int slot) { return slot >= 0 && slot < kRecordingSlots; }
}  // namespace

CRecordings::CRecordings(std::string folder) : folder_(std::move(folder)) {}

std::string CRecordings::WaveFile(int slot) const { return folder_ + "\\" + BareWaveName(slot); }
std::string CRecordings::ListFile() const { return folder_ + "\\record.xtr"; }

void CRecordings::Load() {
  for (Entry& e : entries_) e = Entry{};
  for (int i = 0; i < kRecordingSlots; ++i) {
    std::string tmp = WaveFile(i) + ".tmp";
    if (FileExists(tmp)) DeleteFile(tmp);
    entries_[i].exists = FileExists(WaveFile(i));
  }
  try {
    TIniFile ini(ListFile());
    for (int i = 0; i < kRecordingSlots; ++i) {
      entries_[i].name = ini.ReadString(SectionOf(i), "Nazwa", "");
      entries_[i].date = ini.ReadString(SectionOf(i), "Data", "");
    }
  } catch (const Exception& e) {
    // An unreadable list: the recordings are still there, only unnamed.
    ReportFailure(Diagnosis(e));
  }
}

bool CRecordings::Has(int slot) const { return ValidSlot(slot) && entries_[slot].exists; }

std::string CRecordings::Name(int slot) const {
  if (!Has(slot)) return std::string();
  if (!entries_[slot].name.empty()) return entries_[slot].name;
  return "Nagranie " + std::to_string(slot + 1);
}

std::string CRecordings::Date(int slot) const { return Has(slot) ? entries_[slot].date : std::string(); }

std::string CRecordings::Now() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M", &tm);
  return buf;
}

bool CRecordings::Store(int slot, const std::vector<std::int16_t>& samples, const std::string& date) {
  if (!ValidSlot(slot)) return false;
  if (!DirectoryExists(folder_) && !ForceDirectories(folder_)) return false;
  std::string final = WaveFile(slot);
  std::string tmp = final + ".tmp";
  if (!WriteWaveFile(tmp, samples, kRecordRate) || !RenameFile(tmp, final)) {
    DeleteFile(tmp);
    return false;
  }
  entries_[slot].exists = true;
  entries_[slot].name = "Nagranie " + std::to_string(slot + 1);
  entries_[slot].date = date;
  // The recording is kept even if its name and date cannot be written: the
  // list only labels the files.
  SaveList();
  return true;
}

bool CRecordings::SaveList() const {
  try {
    TIniFile ini(ListFile());
    for (int i = 0; i < kRecordingSlots; ++i) {
      bool has = Has(i);
      ini.WriteString(SectionOf(i), "Plik", has ? BareWaveName(i) : std::string());
      ini.WriteString(SectionOf(i), "Nazwa", has ? Name(i) : std::string());
      ini.WriteString(SectionOf(i), "Data", has ? entries_[i].date : std::string());
    }
    return ini.UpdateFile();
  } catch (const Exception&) {
    return false;
  }
}

std::vector<std::uint8_t> ReadRecordingFile(const std::string& file) {
  std::string why;
  std::vector<std::uint8_t> wave = ReadSoundFile(file, kMaxRecordingFileBytes, &why);
  WaveFormat f;
  if (!why.empty()) {
    ReportFailure(why);
  } else if (!ReadWaveFormat(wave.data(), wave.size(), f) || f.channels != 1 || f.bits != 16 || f.rate != kRecordRate ||
             f.DurationMs() > kMaxRecordingMs) {
    ReportFailure(file + ": not a recording the recorder makes (mono, 16-bit, 22,050 a second, at most a minute)");
  } else {
    return wave;
  }
  return {};
}

// ---- the recorder ----

bool CRecorder::Start() { return recorder_.Start(); }

bool CRecorder::Poll() {
  if (!recorder_.Recording()) return false;
  recorder_.Poll();
  if (recorder_.DurationMs() < kMaxRecordingMs) return false;
  recorder_.Stop();
  return true;
}

std::vector<std::int16_t> CRecorder::Stop() {
  recorder_.Stop();
  std::vector<std::int16_t> samples = recorder_.Samples();
  if (samples.size() > std::size_t(kMaxRecordingSamples)) samples.resize(std::size_t(kMaxRecordingSamples));
  return samples;
}

std::vector<std::uint8_t> WaveBytes(const std::vector<std::int16_t>& samples, int rate) {
  auto put32 = [](std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
  };
  auto put16 = [](std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
  };
  std::uint32_t data = std::uint32_t(samples.size() * 2);
  std::vector<std::uint8_t> b;
  b.reserve(44 + data);
  b.insert(b.end(), {'R', 'I', 'F', 'F'});
  put32(b, 36 + data);
  b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put32(b, 16);
  put16(b, 1);  // PCM
  put16(b, 1);  // mono
  put32(b, std::uint32_t(rate));
  put32(b, std::uint32_t(rate * 2));
  put16(b, 2);
  put16(b, 16);
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  put32(b, data);
  for (std::int16_t s : samples) put16(b, std::uint16_t(s));
  return b;
}

// ---- a row of the list ----

CRecordingRow::CRecordingRow(TComponent* owner, TCanvas* target, TCanvas* buffer, TCanvas* clean,
                             TBasicAction* select) {
  try {
    // The area first, so the mark lies over it and takes its own clicks.
    auto area = std::make_unique<TImage>(owner);
    area->SetParent(dynamic_cast<TWinControl*>(owner));
    area->ControlStyle &= ~csDoubleClicks;
    area->SetVisible(false);
    if (select) area->OnClick = select->OnExecute;
    mark_ = std::make_unique<CCheckButW>(owner, "S_CHBUT", target, buffer, clean, 0, 0, select, "");
    area_ = area.release();
  } catch (...) {
    mark_.reset();
    throw CBlad(1);
  }
}

void CRecordingRow::Place(const TRect& rect) {
  rect_ = rect;
  area_->SetBounds(rect.left, rect.top, rect.Width(), rect.Height());
  mark_->SetPosition(rect.left + 8, rect.top + std::max(1, (rect.Height() - mark_->GetImage()->Height()) / 2));
}

CRecordingRow::~CRecordingRow() = default;

void CRecordingRow::SetVisible(bool visible) {
  area_->SetVisible(visible);
  mark_->GetImage()->SetVisible(visible);
}

bool CRecordingRow::IsSender(TObject* sender) const { return sender == area_ || IsMarkSender(sender); }
bool CRecordingRow::IsMarkSender(TObject* sender) const { return sender == mark_->GetImage(); }

void CRecordingRow::Draw(TBitmap* buffer, const CRecordings& list, bool marked, CTransFont& font) {
  TCanvas* c = buffer->Canvas();
  c->Brush.Color = marked ? RGB(255, 226, 140) : RGB(252, 250, 242);
  c->FillRect(::Rect(rect_.left, rect_.top + 1, rect_.right, rect_.bottom - 1));
  c->Brush.Color = RGB(228, 214, 190);  // a thin line under the row
  c->FillRect(::Rect(rect_.left + 6, rect_.bottom - 1, rect_.right - 6, rect_.bottom));
  mark_->SetChecked(marked);
  mark_->Paint();
  TImage* img = mark_->GetImage();
  int textLeft = img->Left() + img->Width() + 12;
  int lh = font.LineHeight();
  int top = rect_.top + std::max(0, (rect_.Height() - lh) / 2);
  TRect r = ::Rect(textLeft, top, rect_.right - 10, top + lh + 2);
  std::string number = std::to_string(slot_ + 1) + ".";
  TColor ink = RGB(40, 40, 60);
  int numberWidth = 0;
  font.MeasureText("30.", &numberWidth, nullptr);
  font.DrawTextInRect(buffer, number, ::Rect(r.left, r.top, r.left + numberWidth, r.bottom), ink, 2, 255);
  TRect rest = ::Rect(r.left + numberWidth + 12, r.top, r.right, r.bottom);
  if (list.Has(slot_)) {
    font.DrawTextInRect(buffer, list.Name(slot_), rest, ink, 0, 255);
    font.DrawTextInRect(buffer, list.Date(slot_), rest, ink, 2, 255);
  } else {
    font.DrawTextInRect(buffer, "(wolne miejsce)", rest, RGB(130, 130, 140), 0, 255);
  }
}
