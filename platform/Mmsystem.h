// Sounds, music and recording.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using UINT = std::uint32_t;

constexpr UINT SND_SYNC = 0x0000;
constexpr UINT SND_ASYNC = 0x0001;
constexpr UINT SND_NODEFAULT = 0x0002;

// What the program plays: RIFF WAVE files of PCM sound, 1 or 2 channels,
// 8 or 16 bits, 4,000 to 96,000 samples a second, with block align and byte
// rate as those give them: one fmt chunk, then one data chunk, and every
// chunk within the file (the sound device takes the sizes as given and reads
// to the end of the file). Anything else is never handed to the sound
// device: it plays as silence, as a missing file does.
struct WaveFormat {
  int channels = 0;
  int bits = 0;
  int rate = 0;
  std::size_t dataOffset = 0;
  std::size_t dataBytes = 0;
  // The length of the data in milliseconds.
  int DurationMs() const;
};
// False when the content is not such a file.
bool ReadWaveFormat(const std::uint8_t* wave, std::size_t size, WaveFormat& format);

// The largest sound file read (a larger one is refused before reading), and
// the longest sound played whole from memory (music is streamed instead).
constexpr std::int64_t kMaxSoundFileBytes = std::int64_t(32) << 20;
constexpr int kMaxSoundMs = 3 * 60 * 1000;

// Plays a RIFF WAVE file whatever its extension. An asynchronous play cuts
// the sound playing; a synchronous one returns when the sound has ended,
// dispatching nothing (input meanwhile stays queued). An empty name stops
// the sound. False (and silence) for a missing, unreadable or refused file,
// which is named on standard error with the reason.
bool sndPlaySound(const std::string& fileName, UINT flags);
// The same for content held in memory (name is for logs and standard error).
bool PlayWave(const std::string& name, const std::vector<std::uint8_t>& wave, UINT flags);
// A sound file's bytes; empty when it is missing, unreadable or larger than
// maxBytes, the reason (naming the file) then in why when it is given.
std::vector<std::uint8_t> ReadSoundFile(const std::string& fileName, std::int64_t maxBytes, std::string* why = nullptr);

// Background music on its own channel, looping until stopped; a file that
// cannot be played is named on standard error with the reason.
bool PlayMusicFile(const std::string& fileName);
void StopMusic();

// The length of RIFF WAVE content in milliseconds, or -1 when the program
// would not play it.
int WaveDurationMs(const std::vector<std::uint8_t>& wave);
int WaveDurationMs(const std::uint8_t* wave, std::size_t size);
bool IsRiffWave(const std::vector<std::uint8_t>& wave);
bool IsRiffWave(const std::uint8_t* wave, std::size_t size);
// Writes mono 16-bit PCM as a RIFF WAVE file.
bool WriteWaveFile(const std::string& fileName, const std::vector<std::int16_t>& samples, int sampleRate);

constexpr int kRecordRate = 22050;

// Records mono 22050 Hz 16-bit from the microphone. Poll collects what has
// arrived; nothing runs on its own.
class TSoundRecorder {
 public:
  ~TSoundRecorder();
  bool Start();  // false when there is no microphone
  void Poll();
  void Stop();
  bool Recording() const { return recording_; }
  const std::vector<std::int16_t>& Samples() const { return samples_; }
  int DurationMs() const { return int(std::int64_t(samples_.size()) * 1000 / kRecordRate); }

 private:
  bool recording_ = false;
  std::vector<std::int16_t> samples_;
};
