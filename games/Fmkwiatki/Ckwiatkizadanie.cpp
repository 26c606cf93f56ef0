#include "games/Fmkwiatki/Ckwiatkizadanie.h"

#include "platform/Random.h"
#include "shell/_custgry.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Ctransfont.h"

CKwiatkiGra::CKwiatkiGra(const CUstGry& settings, const CTransFont& font) : settings_(settings), font_(font) {}

int CKwiatkiGra::TaskCount() const {
  switch (settings_.Level) {
    case 1: return 3;
    case 2: return 5;
    case 3: return 7;
    default: return 2;
  }
}

bool CKwiatkiGra::HasEnoughWords() {
  usablePhonemes.clear();
  if (!Dictionary) return false;
  Dictionary->UsablePhonemes(usablePhonemes, PhonemeMask(settings_.PhonemeMask | settings_.PositionMask), nullptr, 1);
  return usablePhonemes.size() >= 2;
}

int CKwiatkiGra::OtherPhoneme(int phoneme) const {
  const int n = int(usablePhonemes.size());
  const int s = n ? Rand15() % n : 0;
  for (int i = 0; i < n; ++i) {
    const int p = usablePhonemes[std::size_t((s + i) % n)];
    if (p != phoneme) return p;
  }
  return phoneme;
}

void CKwiatkiGra::ShufflePairs(std::vector<SPara>& pairs, int n) { ShuffleInts(pairs, n); }

void CKwiatkiGra::ClearTasks() { tasks.clear(); }

void CKwiatkiGra::GenerateTasks(int n) {
  BuildTasks(n);
  DressTasks();
}

void CKwiatkiGra::BuildTasks(int n) {
  ClearTasks();
  if (!Dictionary || usablePhonemes.empty()) return;
  const PhonemeMask positions = PhonemeMask(settings_.PositionMask);
  const int count = int(usablePhonemes.size());
  int cursor = count;  // the first take shuffles
  std::vector<CSlowa::SPaczka*> drawn, candidates;
  std::vector<SPara> pairs(CKwiatkiZadanie::kFlowers);
  for (int t = 0; t < n; ++t) {
    auto task = std::make_unique<CKwiatkiZadanie>();
    // Eight sounds walked from the list in a fresh order on every pass.
    PhonemeMask taskMask = 0;
    for (SPara& p : pairs) {
      if (cursor < count - 1) {
        ++cursor;
      } else {
        cursor = 0;
        ShuffleInts(usablePhonemes, count);
      }
      p.phoneme = usablePhonemes[std::size_t(cursor)];
      taskMask |= PhonemeMask(p.phoneme);
    }
    drawn.clear();
    task->flowers.resize(CKwiatkiZadanie::kFlowers);
    for (int k = 0; k < CKwiatkiZadanie::kFlowers; ++k) {
      // Words that name none of the task's other sounds come first; then
      // other sounds of the list; then the last one tried, whatever it names.
      int tried = pairs[std::size_t(k)].phoneme;
      candidates.clear();
      Dictionary->SelectRecordsExcluding(candidates, PhonemeMask(tried) | positions, taskMask);
      for (int attempt = 0; attempt < 4 && candidates.empty(); ++attempt) {
        tried = OtherPhoneme(tried);
        Dictionary->SelectRecordsExcluding(candidates, PhonemeMask(tried) | positions, taskMask);
      }
      if (candidates.empty()) Dictionary->SelectRecords(candidates, PhonemeMask(tried) | positions);
      Dictionary->DrawRecords(drawn, 1, candidates);
      task->flowers[std::size_t(k)].record = drawn.back();
      pairs[std::size_t(k)].record = drawn.back();
    }
    ShufflePairs(pairs, CKwiatkiZadanie::kFlowers);
    task->markers.resize(CKwiatkiZadanie::kFlowers);
    for (int k = 0; k < CKwiatkiZadanie::kFlowers; ++k) {
      task->markers[std::size_t(k)].record = pairs[std::size_t(k)].record;
      task->markers[std::size_t(k)].slot = k;
    }
    tasks.push_back(std::move(task));
  }
}

void CKwiatkiGra::DressTasks() {
  for (auto& task : tasks) {
    for (int k = 0; k < CKwiatkiZadanie::kFlowers; ++k) {
      CKwiatkiZadanie::CKwiBig& f = task->flowers[std::size_t(k)];
      const TRect& r = board_.flowers[k];
      f.picture.reset(LoadWordPicture(f.record->key, r.Width(), r.Height(), true, true));
    }
    for (int k = 0; k < CKwiatkiZadanie::kFlowers; ++k) MeasureMarker(task->markers[std::size_t(k)], k);
  }
}

void CKwiatkiGra::MeasureMarker(CKwiatkiZadanie::CKwiGloska& marker, int slot) const {
  font_.MeasureText(marker.record->phonemeText, &marker.width, &marker.height);
  marker.x = board_.homeSlots[slot].x - marker.width / 2;
  marker.y = board_.homeSlots[slot].y - marker.height / 2;
  marker.slot = slot;
}

CKwiatkiZadanie* CKwiatkiGra::Current() const {
  return currentTask >= 0 && currentTask < TaskTotal() ? tasks[std::size_t(currentTask)].get() : nullptr;
}

void CKwiatkiGra::AddMarker(int slot, CSlowa::SPaczka* record) {
  CKwiatkiZadanie* task = Current();
  if (!task || slot < 0 || slot >= CKwiatkiZadanie::kFlowers) return;
  CKwiatkiZadanie::CKwiGloska marker;
  marker.record = record;
  MeasureMarker(marker, slot);
  task->markers.push_back(marker);
}

int CKwiatkiGra::FlowerAt(int x, int y) const {
  for (int k = 0; k < CKwiatkiZadanie::kFlowers; ++k)
    if (board_.flowers[k].Contains(x, y)) return k;
  return -1;
}

int CKwiatkiGra::MarkerAt(int x, int y, bool includePlaced, int margin) const {
  const CKwiatkiZadanie* task = Current();
  if (!task) return -1;
  for (std::size_t i = 0; i < task->markers.size(); ++i) {
    const CKwiatkiZadanie::CKwiGloska& m = task->markers[i];
    if (m.placed && !includePlaced) continue;
    if (Rect(m.x - margin, m.y - margin, m.x + m.width + margin, m.y + m.height + margin).Contains(x, y)) return int(i);
  }
  return -1;
}

int CKwiatkiGra::MarkerInSlot(const CKwiatkiZadanie& task, int slot) {
  for (std::size_t i = 0; i < task.markers.size(); ++i)
    if (!task.markers[i].placed && task.markers[i].slot == slot) return int(i);
  return -1;
}

int CKwiatkiGra::FreeHomeSlot() const {
  const CKwiatkiZadanie* task = Current();
  if (!task) return -1;
  for (int slot = 0; slot < CKwiatkiZadanie::kFlowers; ++slot)
    if (MarkerInSlot(*task, slot) < 0) return slot;
  return -1;
}

CKwiatkiGra::EDrop CKwiatkiGra::JudgeDrop(int m, int k) const {
  const CKwiatkiZadanie* task = Current();
  if (!task || m < 0 || m >= int(task->markers.size()) || k < 0 || k >= CKwiatkiZadanie::kFlowers) return EDrop::None;
  const CKwiatkiZadanie::CKwiBig& flower = task->flowers[std::size_t(k)];
  if (flower.occupied) return EDrop::None;
  const std::string& label = task->markers[std::size_t(m)].record->phonemeText;
  return FindRecordByPhoneme(flower.record->word, label) ? EDrop::Right : EDrop::Wrong;
}

bool CKwiatkiGra::Land(int m, int k, int x, int y) {
  CKwiatkiZadanie* task = Current();
  if (!task) return false;
  CKwiatkiZadanie::CKwiGloska& marker = task->markers[std::size_t(m)];
  CKwiatkiZadanie::CKwiBig& flower = task->flowers[std::size_t(k)];
  marker.x = x;
  marker.y = y;
  marker.placed = 1;
  marker.slot = k;
  flower.occupied = 1;
  if (task->remaining > 0) --task->remaining;
  if (flower.record->phonemeText == marker.record->phonemeText) return false;
  AddMarker(FreeHomeSlot(), marker.record);
  return true;
}

bool CKwiatkiGra::FindHelp(int& marker, int& flower) const {
  const CKwiatkiZadanie* task = Current();
  if (!task) return false;
  for (std::size_t i = 0; i < task->markers.size(); ++i) {
    const CKwiatkiZadanie::CKwiGloska& m = task->markers[i];
    if (m.placed) continue;
    for (int k = 0; k < CKwiatkiZadanie::kFlowers; ++k) {
      const CKwiatkiZadanie::CKwiBig& f = task->flowers[std::size_t(k)];
      if (!f.occupied && f.record->phonemeText == m.record->phonemeText) {
        marker = int(i);
        flower = k;
        return true;
      }
    }
  }
  return false;
}

int CKwiatkiGra::UnsolvedCount() const {
  int unsolved = 0;
  for (const auto& task : tasks) {
    if (task->Finished()) continue;
    for (const CKwiatkiZadanie::CKwiBig& f : task->flowers) unsolved += f.occupied ? 0 : 1;
  }
  return unsolved;
}
