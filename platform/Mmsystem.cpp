#include "platform/Mmsystem.h"

#include <algorithm>
#include <cstring>

#include "platform/Backend.h"
#include "platform/Classes.h"
#include "platform/Endian.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

namespace {

bool ReadWhole(const std::string& fileName, std::vector<std::uint8_t>& out) {
  if (!FileExists(fileName)) return false;
  try {
    TMemoryStream m;
    m.LoadFromFile(fileName);
    out.assign(m.Memory(), m.Memory() + m.Size());
    return true;
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace

bool IsRiffWave(const std::vector<std::uint8_t>& w) { return IsRiffWave(w.data(), w.size()); }

bool IsRiffWave(const std::uint8_t* w, std::size_t size) {
  return size >= 12 && std::memcmp(w, "RIFF", 4) == 0 && std::memcmp(w + 8, "WAVE", 4) == 0;
}

int WaveDurationMs(const std::vector<std::uint8_t>& w) { return WaveDurationMs(w.data(), w.size()); }

int WaveDurationMs(const std::uint8_t* w, std::size_t size) {
  if (!IsRiffWave(w, size)) return -1;
  std::uint32_t byteRate = 0;
  std::size_t pos = 12;
  while (pos + 8 <= size) {
    std::uint32_t chunk = GetLe32(w + pos + 4);
    // The byte rate is the fmt chunk's bytes 8..11, after the chunk's 8-byte header.
    if (std::memcmp(w + pos, "fmt ", 4) == 0 && pos + 20 <= size && chunk >= 16) {
      byteRate = GetLe32(w + pos + 16);
    } else if (std::memcmp(w + pos, "data", 4) == 0) {
      if (byteRate == 0) return -1;
      std::uint64_t n = std::min<std::uint64_t>(chunk, size - pos - 8);
      return int(n * 1000 / byteRate);
    }
    pos += 8 + std::size_t(chunk) + (chunk & 1);
  }
  return -1;
}

bool sndPlaySound(const std::string& fileName, UINT flags) {
  Backend& b = CurrentBackend();
  if (fileName.empty()) {
    b.StopSound();
    return true;
  }
  std::vector<std::uint8_t> wave;
  if (!ReadWhole(fileName, wave) || !IsRiffWave(wave)) return false;
  bool sync = (flags & SND_ASYNC) == 0;
  if (sync) Application->Present();
  b.PlaySound(fileName, wave, sync);
  if (sync) Application->PumpInput();
  return true;
}

bool PlayMusicFile(const std::string& fileName) {
  std::vector<std::uint8_t> wave;
  if (!ReadWhole(fileName, wave) || !IsRiffWave(wave)) return false;
  return CurrentBackend().PlayMusic(fileName, wave);
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
