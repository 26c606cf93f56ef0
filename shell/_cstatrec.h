// The statistics of game sessions and their file.
//
// "prgst5.stt", little-endian:
//   header, 20 bytes: "TWS1", u32 statistics id (5), i64 creation time
//                      (Unix seconds), u32 0
//   then one record of 50 bytes per saved session:
//     0  u16 game id        2  u8 completed     3  u8 level
//     4  i32 phoneme mask   8  i32 position mask
//     12 i64 start (Unix s) 20 i64 end (Unix s)
//     28 u32 elapsed ms     32 u16 help   34 u16 good   36 u16 bad
//     38 12 bytes 0
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CUstGry;
class TTimer;

constexpr int kStatHeaderSize = 20;
constexpr int kStatRecordSize = 50;
constexpr std::uint32_t kStatisticsId = 5;

struct SessionRecord {
  std::uint16_t gameId = 0;
  bool completed = false;
  std::uint8_t level = 0;
  std::int32_t phonemeMask = 0;
  std::int32_t positionMask = 0;
  std::int64_t start = 0;
  std::int64_t end = 0;
  std::uint32_t elapsedMs = 0;
  std::uint16_t help = 0, good = 0, bad = 0;
};

class CStatRec {
 public:
  // Opens (or creates, with its header) the statistics file at an absolute
  // path. A file that is not a statistics file is set aside under another
  // name and a new one made. Raises CBlad(3) when no file can be made.
  explicit CStatRec(const std::string& fileName);
  ~CStatRec();

  // Begins a session of the record's game: counters and time to 0, active,
  // the start time taken and the 2-minute idle timer restarted.
  void Start(CUstGry* settings);
  // While active, restarts the idle timer; after 2 minutes without input
  // the session lapses: it is not saved and is not revived.
  void KeepAlive();
  void AddHelp() { ++help_; }
  void AddGood() { ++good_; }
  void AddBad() { ++bad_; }
  // Takes the end time and keeps the elapsed time.
  void End();
  // Appends the session's record (flushed to disk) and ends the session, so
  // it is never saved twice. False when inactive or when writing failed.
  bool SaveSession(bool completed);

  bool Active() const { return active_; }
  int Help() const { return help_; }
  int Good() const { return good_; }
  int Bad() const { return bad_; }
  std::uint32_t ElapsedMs() const { return elapsedMs_; }
  const std::string& FileName() const { return fileName_; }

  // Reads every record of a statistics file (tools and tests).
  static bool ReadFile(const std::string& fileName, std::vector<SessionRecord>& out);

  static constexpr unsigned kIdleMs = 2 * 60 * 1000;

 private:
  void Lapse();

  std::string fileName_;
  std::unique_ptr<TTimer> idle_;
  CUstGry* settings_ = nullptr;
  bool active_ = false;
  int help_ = 0, good_ = 0, bad_ = 0;
  std::int64_t startMs_ = 0;
  std::int64_t startTime_ = 0;
  std::int64_t endTime_ = 0;
  std::uint32_t elapsedMs_ = 0;
};

extern CStatRec* StatRec;
