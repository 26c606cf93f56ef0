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

// Plays a RIFF WAVE file whatever its extension. An asynchronous play cuts
// the sound playing; a synchronous one returns when the sound has ended,
// dispatching nothing (input meanwhile stays queued). An empty name stops
// the sound. False (and silence) for a missing or unreadable file.
bool sndPlaySound(const std::string& fileName, UINT flags);

// Background music on its own channel, looping until stopped.
bool PlayMusicFile(const std::string& fileName);
void StopMusic();

// The length of RIFF WAVE content in milliseconds, or -1 when it is not one.
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
