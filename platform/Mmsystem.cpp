#include "platform/Mmsystem.h"

#include <algorithm>
#include <cstring>

#include "platform/Backend.h"
#include "platform/Classes.h"
#include "platform/Endian.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

std::vector<std::uint8_t> ReadSoundFile(const std::string& fileName, std::int64_t maxBytes, std::string* why) {
  try {
    if (FileExists(fileName)) return ReadFileBytes(fileName, maxBytes);
    if (why) *why = fileName + ": no such file";
  } catch (const Exception& e) {
    if (why) *why = Diagnosis(e);
  }
  return {};
}

namespace {

// What the program plays, for the line that says why a sound was refused.
const char* const kNotPlayable =
    "not a sound the program plays (RIFF WAVE, PCM, 1 or 2 channels of 8 or 16 bits, 4,000 to 96,000 a second)";

bool Refused(const std::string& why) {
  ReportFailure(why);
  return false;
}

}  // namespace

bool IsRiffWave(const std::vector<std::uint8_t>& w) { return IsRiffWave(w.data(), w.size()); }

bool IsRiffWave(const std::uint8_t* w, std::size_t size) {
  return size >= 12 && std::memcmp(w, "RIFF", 4) == 0 && std::memcmp(w + 8, "WAVE", 4) == 0;
}

int WaveFormat::DurationMs() const {
  const std::uint64_t byteRate = std::uint64_t(rate) * std::uint64_t(channels) * std::uint64_t(bits / 8);
  // At least 4,000 bytes a second and less than 4 GB of data: well within an int.
  return byteRate == 0 ? 0 : int(std::uint64_t(dataBytes) * 1000 / byteRate);
}

bool ReadWaveFormat(const std::uint8_t* w, std::size_t size, WaveFormat& out) {
  if (!IsRiffWave(w, size)) return false;
  // The sound device reads every chunk to the end of the file, and a later
  // fmt chunk would change the format it plays: the whole file is checked,
  // and holds one fmt chunk, then one data chunk, each chunk within it.
  WaveFormat f;
  bool haveFormat = false, haveData = false;
  std::size_t pos = 12;
  while (size - pos >= 8) {
    const std::uint32_t chunk = GetLe32(w + pos + 4);
    const std::size_t body = pos + 8;
    if (chunk > size - body) return false;
    if (std::memcmp(w + pos, "fmt ", 4) == 0) {
      if (haveFormat || chunk < 16) return false;
      const std::uint8_t* p = w + body;
      const unsigned tag = GetLe16(p), channels = GetLe16(p + 2), align = GetLe16(p + 12), bits = GetLe16(p + 14);
      const std::uint32_t rate = GetLe32(p + 4), byteRate = GetLe32(p + 8);
      if (tag != 1 || (channels != 1 && channels != 2) || (bits != 8 && bits != 16)) return false;
      if (rate < 4000 || rate > 96000) return false;
      if (align != channels * bits / 8 || byteRate != rate * align) return false;
      f.channels = int(channels);
      f.bits = int(bits);
      f.rate = int(rate);
      haveFormat = true;
    } else if (std::memcmp(w + pos, "data", 4) == 0) {
      if (!haveFormat || haveData) return false;
      f.dataOffset = body;
      f.dataBytes = chunk;
      haveData = true;
    }
    // The next chunk, after a pad byte for an odd size.
    const std::size_t next = body + chunk + (chunk & 1);
    if (next >= size) break;
    pos = next;
  }
  if (!haveData) return false;
  out = f;
  return true;
}

int WaveDurationMs(const std::vector<std::uint8_t>& w) { return WaveDurationMs(w.data(), w.size()); }

int WaveDurationMs(const std::uint8_t* w, std::size_t size) {
  WaveFormat f;
  return ReadWaveFormat(w, size, f) ? f.DurationMs() : -1;
}

bool PlayWave(const std::string& name, const std::vector<std::uint8_t>& wave, UINT flags) {
  WaveFormat f;
  if (!ReadWaveFormat(wave.data(), wave.size(), f)) return Refused(name + ": " + kNotPlayable);
  if (f.DurationMs() > kMaxSoundMs) return Refused(name + ": longer than the 3 minutes a sound may last");
  Backend& b = CurrentBackend();
  const bool sync = (flags & SND_ASYNC) == 0;
  if (sync) Application->Present();
  const bool played = b.PlaySound(name, wave, sync);
  if (sync) Application->PumpInput();
  if (!played) ReportFailure(name + ": the sound device did not take it");
  return true;
}

bool sndPlaySound(const std::string& fileName, UINT flags) {
  if (fileName.empty()) {
    CurrentBackend().StopSound();
    return true;
  }
  std::string why;
  const std::vector<std::uint8_t> wave = ReadSoundFile(fileName, kMaxSoundFileBytes, &why);
  if (wave.empty() && !why.empty()) return Refused(why);
  return PlayWave(fileName, wave, flags);
}

bool PlayMusicFile(const std::string& fileName) {
  std::string why;
  std::vector<std::uint8_t> wave = ReadSoundFile(fileName, kMaxSoundFileBytes, &why);
  if (wave.empty() && !why.empty()) return Refused(why);
  WaveFormat f;
  if (!ReadWaveFormat(wave.data(), wave.size(), f)) return Refused(fileName + ": " + kNotPlayable);
  if (!CurrentBackend().PlayMusic(fileName, std::move(wave))) return Refused(fileName + ": the sound device did not take it");
  return true;
}

void StopMusic() { CurrentBackend().StopMusic(); }

bool WriteWaveFile(const std::string& fileName, const std::vector<std::int16_t>& samples, int rate) {
  std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
  std::uint8_t h[44] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0};
  PutLe32(h + 4, 36 + dataBytes);
  PutLe32(h + 24, std::uint32_t(rate));
  PutLe32(h + 28, std::uint32_t(rate * 2));
  h[32] = 2;
  h[34] = 16;
  std::memcpy(h + 36, "data", 4);
  PutLe32(h + 40, dataBytes);
  try {
    std::vector<std::uint8_t> bytes(h, h + 44);
    bytes.reserve(44 + dataBytes);
    for (std::int16_t s : samples) {
      bytes.push_back(std::uint8_t(s & 0xFF));
      bytes.push_back(std::uint8_t((std::uint16_t(s) >> 8) & 0xFF));
    }
    TFileStream f(fileName, fmCreate);
    f.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    return f.FlushToDisk();
  } catch (const Exception&) {
    return false;
  }
}

TSoundRecorder::~TSoundRecorder() { Stop(); }

bool TSoundRecorder::Start() {
  Stop();
  samples_.clear();
  recording_ = CurrentBackend().OpenCapture();
  return recording_;
}

void TSoundRecorder::Poll() {
  if (recording_) CurrentBackend().ReadCapture(samples_);
}

void TSoundRecorder::Stop() {
  if (!recording_) return;
  CurrentBackend().ReadCapture(samples_);
  CurrentBackend().CloseCapture();
  recording_ = false;
}
