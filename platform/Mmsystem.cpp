#include "platform/Mmsystem.h"

#include <cstring>

#include "platform/Backend.h"
#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

namespace {

std::uint32_t Get32(const std::uint8_t* p) { return std::uint32_t(p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24)); }

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

bool IsRiffWave(const std::vector<std::uint8_t>& w) {
  return w.size() >= 12 && std::memcmp(w.data(), "RIFF", 4) == 0 && std::memcmp(w.data() + 8, "WAVE", 4) == 0;
}

int WaveDurationMs(const std::vector<std::uint8_t>& w) {
  if (!IsRiffWave(w)) return -1;
  std::uint32_t byteRate = 0;
  std::size_t pos = 12;
  while (pos + 8 <= w.size()) {
    std::uint32_t size = Get32(w.data() + pos + 4);
    if (std::memcmp(w.data() + pos, "fmt ", 4) == 0 && pos + 16 <= w.size() && size >= 16) {
      byteRate = Get32(w.data() + pos + 16);
    } else if (std::memcmp(w.data() + pos, "data", 4) == 0) {
      if (byteRate == 0) return -1;
      std::uint64_t n = std::min<std::uint64_t>(size, w.size() - pos - 8);
      return int(n * 1000 / byteRate);
    }
    pos += 8 + std::size_t(size) + (size & 1);
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
  auto put32 = [](std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
  };
  std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
  std::uint8_t h[44] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0};
  put32(h + 4, 36 + dataBytes);
  put32(h + 24, std::uint32_t(rate));
  put32(h + 28, std::uint32_t(rate * 2));
  h[32] = 2;
  h[34] = 16;
  std::memcpy(h + 36, "data", 4);
  put32(h + 40, dataBytes);
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
