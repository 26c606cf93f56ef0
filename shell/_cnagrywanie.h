// The voice recorder of the main window's last tab: the 30 recording slots
// listed in "Nagrane\record.xtr", the rows of the list that show 8 of them,
// and the recorder that takes at most 60 s from the microphone.
//
// "Nagrane\record.xtr" is an INI file with the sections "Nagranie0" ...
// "Nagranie29" and the keys "Plik" (the recording's file name, without its
// folder), "Nazwa" (its name) and "Data" (when it was recorded,
// "YYYY-MM-DD HH:MM"). The recordings are "Nagrane\Nagranie<slot>.wav",
// PCM mono 22050 Hz 16-bit. A slot holds a recording when its file exists
// (looked at when the list is loaded, and known after each store); the list
// only names and dates it.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ActnList.h"
#include "platform/ExtCtrls.h"
#include "platform/Mmsystem.h"

class CCheckButW;
class CTransFont;

constexpr int kRecordingSlots = 30;
constexpr int kVisibleRows = 8;
constexpr int kLastTopRow = kRecordingSlots - kVisibleRows;  // 22
constexpr int kMaxRecordingMs = 60000;
constexpr int kMaxRecordingSamples = kRecordRate * (kMaxRecordingMs / 1000);
// The header the recorder writes and 60 s of samples.
constexpr std::int64_t kMaxRecordingFileBytes = 44 + std::int64_t(kMaxRecordingSamples) * 2;

// The bytes of a recording as the recorder makes them: a file of at most
// kMaxRecordingFileBytes holding mono 16-bit sound at kRecordRate, at most
// kMaxRecordingMs long. Empty for anything else, which is not played: what
// was wrong is then said on standard error.
std::vector<std::uint8_t> ReadRecordingFile(const std::string& file);

class CRecordings {
 public:
  // folder: the "Nagrane" folder, a program path (the program gives it
  // relative to its own folder).
  explicit CRecordings(std::string folder);

  // Reads the list; a missing or unreadable list leaves every slot unnamed.
  // Temporary files left by an interrupted recording are removed.
  void Load();
  bool Has(int slot) const;
  // The slot's name ("Nagranie 3" for slot 2 unless the list names it
  // otherwise) and date; empty for a slot without a recording.
  std::string Name(int slot) const;
  std::string Date(int slot) const;
  std::string WaveFile(int slot) const;
  std::string ListFile() const;

  // Writes the samples to a temporary file and renames it over the slot's
  // recording only when it is complete; then names and dates the slot and
  // writes the list whole. The folder is made when missing. False (and the
  // slot as it was) when the recording could not be written.
  bool Store(int slot, const std::vector<std::int16_t>& samples, const std::string& date);

  // The date of now as the list keeps it.
  static std::string Now();

 private:
  bool SaveList() const;

  std::string folder_;
  struct Entry {
    bool exists = false;  // whether the slot's recording was there at Load, or stored since
    std::string name, date;
  };
  Entry entries_[kRecordingSlots];
};

// Takes the microphone's sound, mono 22050 Hz 16-bit, and stops by itself
// at 60 s.
class CRecorder {
 public:
  // False when there is no microphone.
  bool Start();
  // Collects what has arrived; true when the 60 s are full, the recorder
  // having stopped.
  bool Poll();
  // Stops and hands over what was recorded (at most 60 s).
  std::vector<std::int16_t> Stop();
  bool Recording() const { return recorder_.Recording(); }
  int ElapsedMs() const { return recorder_.DurationMs(); }

 private:
  TSoundRecorder recorder_;
};

// RIFF WAVE bytes of mono 16-bit samples (for playing a recording kept in memory).
std::vector<std::uint8_t> WaveBytes(const std::vector<std::int16_t>& samples, int rate);

// One visible row of the recordings list: a selection mark ("S_CHBUT") and
// the slot's number, name and date. The row shows whichever slot the list
// puts in it. Clicking the mark or the row runs the bound action with the
// mark's image or the row's area as sender.
class CRecordingRow {
 public:
  // Raises CBlad(1) when it cannot be built; Place puts it on the window.
  CRecordingRow(TComponent* owner, TCanvas* target, TCanvas* buffer, TCanvas* clean, TBasicAction* select);
  ~CRecordingRow();
  CRecordingRow(const CRecordingRow&) = delete;
  CRecordingRow& operator=(const CRecordingRow&) = delete;

  // The row's rectangle on the window: the area covers it, the mark stands
  // at its left, centred on its height.
  void Place(const TRect& rect);
  void SetSlot(int slot) { slot_ = slot; }
  int Slot() const { return slot_; }
  void SetVisible(bool visible);
  // Whether a click came from this row (its mark or its area).
  bool IsSender(TObject* sender) const;
  bool IsMarkSender(TObject* sender) const;
  // Draws the row into the buffer: its background, mark and text.
  void Draw(TBitmap* buffer, const CRecordings& list, bool marked, CTransFont& font);
  const TRect& Rect() const { return rect_; }
  CCheckButW* Mark() const { return mark_.get(); }
  TImage* Area() const { return area_; }

 private:
  TRect rect_;
  std::unique_ptr<CCheckButW> mark_;
  TImage* area_ = nullptr;  // owned by the window
  int slot_ = 0;
};
