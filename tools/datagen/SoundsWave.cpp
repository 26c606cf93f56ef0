// RIFF WAVE reading and writing, and the shaping of spoken sounds: trimming,
// fades, loudness.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "tools/datagen/Sounds.h"

namespace datagen::sounds {

namespace {

std::uint32_t Get32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}
int Get16(const std::uint8_t* p) { return p[0] | p[1] << 8; }
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& b, int v) {
  b.push_back(std::uint8_t(v & 0xFF));
  b.push_back(std::uint8_t((v >> 8) & 0xFF));
}

constexpr int kFrame = kRate / 200;  // 5 ms

// RMS of each 5 ms frame.
std::vector<float> FrameRms(const Samples& s) {
  std::vector<float> out;
  for (std::size_t i = 0; i < s.size(); i += kFrame) {
    std::size_t end = std::min(s.size(), i + kFrame);
    double sum = 0;
    for (std::size_t j = i; j < end; ++j) sum += double(s[j]) * s[j];
    out.push_back(float(std::sqrt(sum / double(end - i))));
  }
  return out;
}

// Sign changes per second in a frame: low for voiced sound, high for hiss;
// a frame with this many or more hisses.
constexpr double kHissCrossings = 2500;
double CrossingRate(const Samples& s, std::size_t from, std::size_t to) {
  int n = 0;
  for (std::size_t j = from + 1; j < to; ++j) n += (s[j - 1] < 0) != (s[j] < 0);
  return to > from + 1 ? n * double(kRate) / 2.0 / double(to - from) : 0.0;
}

float Peak(const Samples& s) {
  float p = 0;
  for (float x : s) p = std::max(p, std::fabs(x));
  return p;
}

double FromDb(double db) { return std::pow(10.0, db / 20.0); }

// Audible: within 45 dB of the loudest frame and above an absolute floor.
float AudibleThreshold(const std::vector<float>& rms) {
  float top = rms.empty() ? 0.f : *std::max_element(rms.begin(), rms.end());
  return std::max(0.0005f, top * float(FromDb(-45)));
}

}  // namespace

WaveInfo ParseWave(const std::vector<std::uint8_t>& w) {
  WaveInfo info;
  if (w.size() < 12 || std::memcmp(w.data(), "RIFF", 4) != 0 || std::memcmp(w.data() + 8, "WAVE", 4) != 0) {
    info.error = "not a RIFF WAVE file";
    return info;
  }
  info.declaredRiffBytes = Get32(w.data() + 4);
  bool haveFormat = false;
  std::size_t pos = 12;
  while (pos + 8 <= w.size()) {
    std::uint32_t size = Get32(w.data() + pos + 4);
    const std::uint8_t* body = w.data() + pos + 8;
    if (std::memcmp(w.data() + pos, "fmt ", 4) == 0) {
      if (size < 16 || pos + 8 + 16 > w.size()) {
        info.error = "short format chunk";
        return info;
      }
      info.format = Get16(body);
      info.channels = Get16(body + 2);
      info.rate = int(Get32(body + 4));
      info.byteRate = int(Get32(body + 8));
      info.blockAlign = Get16(body + 12);
      info.bits = Get16(body + 14);
      haveFormat = true;
    } else if (std::memcmp(w.data() + pos, "data", 4) == 0) {
      if (!haveFormat) {
        info.error = "data before the format chunk";
        return info;
      }
      info.dataOffset = pos + 8;
      info.declaredDataBytes = size;
      info.dataBytes = std::min<std::size_t>(size, w.size() - info.dataOffset);
      return info;
    }
    if (size > w.size() - pos - 8) break;
    pos += 8 + std::size_t(size) + (size & 1);
  }
  info.error = haveFormat ? "no data chunk" : "no format chunk";
  return info;
}

Samples DecodeWave(const std::vector<std::uint8_t>& bytes) {
  WaveInfo info = ParseWave(bytes);
  if (!info.error.empty()) throw std::runtime_error(info.error);
  if (info.format != 1 || info.channels != 1 || info.bits != 16 || info.rate != kRate)
    throw std::runtime_error("not PCM mono 16-bit 22050 Hz");
  Samples s(info.dataBytes / 2);
  const std::uint8_t* p = bytes.data() + info.dataOffset;
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = float(std::int16_t(Get16(p + 2 * i))) / 32768.f;
  return s;
}

std::vector<std::uint8_t> EncodeWave(const Samples& samples) {
  std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
  std::vector<std::uint8_t> b;
  b.reserve(44 + dataBytes);
  b.insert(b.end(), {'R', 'I', 'F', 'F'});
  Put32(b, 36 + dataBytes);
  b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put32(b, 16);
  Put16(b, 1);  // PCM
  Put16(b, 1);  // mono
  Put32(b, kRate);
  Put32(b, kRate * 2);
  Put16(b, 2);
  Put16(b, 16);
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  Put32(b, dataBytes);
  for (float x : samples) {
    long v = std::lround(double(x) * 32767.0);
    Put16(b, int(std::clamp(v, -32768L, 32767L)) & 0xFFFF);
  }
  return b;
}

std::string WaveProblem(const std::vector<std::uint8_t>& bytes, int minMs, int maxMs) {
  WaveInfo info = ParseWave(bytes);
  if (!info.error.empty()) return info.error;
  if (info.format != 1) return "not PCM (format " + std::to_string(info.format) + ")";
  if (info.channels != 1) return std::to_string(info.channels) + " channels, not mono";
  if (info.rate != kRate) return std::to_string(info.rate) + " Hz, not 22050 Hz";
  if (info.bits != 16) return std::to_string(info.bits) + "-bit, not 16-bit";
  if (info.blockAlign != 2 || info.byteRate != kRate * 2) return "inconsistent block align or byte rate";
  if (info.declaredDataBytes != info.dataBytes || info.dataOffset + info.dataBytes != bytes.size())
    return "the data size does not match the file";
  if (info.declaredRiffBytes != bytes.size() - 8) return "the RIFF size does not match the file";
  if (info.dataBytes % 2) return "odd data size";
  Samples s = DecodeWave(bytes);
  int ms = DurationMs(s);
  if (ms < minMs || ms > maxMs)
    return std::to_string(ms) + " ms long, outside " + std::to_string(minMs) + ".." + std::to_string(maxMs) + " ms";
  float peak = Peak(s);
  if (peak < float(FromDb(-20))) return "silent or nearly (peak " + std::to_string(int(std::lround(20 * std::log10(std::max(peak, 1e-6f))))) + " dB)";
  if (std::fabs(s.front()) > 0.02f || std::fabs(s.back()) > 0.02f) return "does not start and end at rest (a click)";
  return "";
}

Samples Trim(const Samples& s, int preMs, int postMs) {
  std::vector<float> rms = FrameRms(s);
  float threshold = AudibleThreshold(rms);
  auto first = std::find_if(rms.begin(), rms.end(), [&](float r) { return r >= threshold; });
  if (first == rms.end()) return {};
  auto last = std::find_if(rms.rbegin(), rms.rend(), [&](float r) { return r >= threshold; });
  long from = long(first - rms.begin()) * kFrame - long(preMs) * kRate / 1000;
  long to = long(rms.rend() - last) * kFrame + long(postMs) * kRate / 1000;
  from = std::max(0L, from);
  to = std::min(long(s.size()), to);
  return Samples(s.begin() + from, s.begin() + to);
}

void FadeEnds(Samples& s, int inMs, int outMs) {
  std::size_t in = std::min(s.size(), std::size_t(inMs) * kRate / 1000);
  std::size_t out = std::min(s.size(), std::size_t(outMs) * kRate / 1000);
  // Gains run from 0 at the outer sample, so the file starts and ends at rest.
  for (std::size_t i = 0; i < in; ++i) s[i] *= float(0.5 - 0.5 * std::cos(M_PI * double(i) / double(in)));
  for (std::size_t i = 0; i < out; ++i)
    s[s.size() - 1 - i] *= float(0.5 - 0.5 * std::cos(M_PI * double(i) / double(out)));
}

// The ear's weighting of loudness measurement (K-weighting of ITU-R BS.1770:
// a +4 dB shelf above about 1.7 kHz and a high-pass below about 40 Hz), so a
// hiss and a vowel of the same measured level sound about as loud.
Samples LoudnessWeighted(const Samples& s) {
  struct Biquad {
    double b0, b1, b2, a1, a2, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double operator()(double x) {
      double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
      x2 = x1, x1 = x, y2 = y1, y1 = y;
      return y;
    }
  };
  auto shelf = [] {
    double a = std::pow(10.0, 4.0 / 40), w = 2 * M_PI * 1681.97 / kRate, c = std::cos(w);
    double alpha = std::sin(w) / (2 * 0.7072), r = 2 * std::sqrt(a) * alpha;
    double a0 = (a + 1) - (a - 1) * c + r;
    return Biquad{a * ((a + 1) + (a - 1) * c + r) / a0, -2 * a * ((a - 1) + (a + 1) * c) / a0,
                  a * ((a + 1) + (a - 1) * c - r) / a0, 2 * ((a - 1) - (a + 1) * c) / a0, ((a + 1) - (a - 1) * c - r) / a0};
  }();
  auto highPass = [] {
    double w = 2 * M_PI * 38.1355 / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * 0.5003), a0 = 1 + alpha;
    return Biquad{(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
  }();
  Samples out(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) out[i] = float(highPass(shelf(s[i])));
  return out;
}

void Normalise(Samples& s, double rmsDb, double peakDb) {
  std::vector<float> rms = FrameRms(LoudnessWeighted(s));
  if (rms.empty()) return;
  // The level of the frames within 30 dB of the loudest: the sound itself.
  float top = *std::max_element(rms.begin(), rms.end());
  if (top <= 0) return;
  double sum = 0;
  int n = 0;
  for (float r : rms)
    if (r >= top * FromDb(-30)) sum += double(r) * r, ++n;
  double level = std::sqrt(sum / n);
  double gain = FromDb(rmsDb) / level;
  double peak = Peak(s);
  if (peak * gain > FromDb(peakDb)) gain = FromDb(peakDb) / peak;
  for (float& x : s) x = float(x * gain);
}

void FlattenEnvelope(Samples& s) {
  // The level over 30 ms around each 5 ms frame.
  std::vector<float> rms = FrameRms(s);
  if (rms.size() < 3) return;
  std::vector<float> level(rms.size());
  for (std::size_t i = 0; i < rms.size(); ++i) {
    std::size_t a = i >= 3 ? i - 3 : 0, b = std::min(rms.size(), i + 4);
    double sum = 0;
    for (std::size_t j = a; j < b; ++j) sum += double(rms[j]) * rms[j];
    level[i] = float(std::sqrt(sum / double(b - a)));
  }
  float threshold = AudibleThreshold(rms);
  std::vector<float> audible;
  for (float l : level)
    if (l >= threshold) audible.push_back(l);
  if (audible.empty()) return;
  std::nth_element(audible.begin(), audible.begin() + audible.size() / 2, audible.end());
  float median = audible[audible.size() / 2];
  std::vector<float> gain(level.size());
  for (std::size_t i = 0; i < level.size(); ++i)
    gain[i] = level[i] >= threshold ? std::clamp(median / level[i], 0.25f, 4.f) : 1.f;
  // Gains meet linearly between frame centres.
  for (std::size_t i = 0; i < s.size(); ++i) {
    double f = (double(i) - kFrame / 2.0) / kFrame;
    std::size_t a = f <= 0 ? 0 : std::min(gain.size() - 1, std::size_t(f));
    std::size_t b = std::min(gain.size() - 1, a + 1);
    double t = std::clamp(f - double(a), 0.0, 1.0);
    s[i] = float(s[i] * (gain[a] * (1 - t) + gain[b] * t));
  }
}

Samples Sustain(const Samples& s, int ms) {
  const std::size_t want = std::size_t(ms) * kRate / 1000;
  if (s.size() >= want) return s;
  const std::size_t grain = kRate / 25, hop = grain / 2;  // 40 ms pieces, half overlapping
  const std::size_t from = s.size() / 5, to = s.size() - s.size() / 5;
  if (to < from + grain) return s;
  Samples out(want + grain, 0.f);
  std::uint32_t seed = 12345;
  for (std::size_t at = 0; at < want; at += hop) {
    seed = seed * 1664525u + 1013904223u;
    std::size_t src = from + (seed >> 8) % (to - from - grain + 1);
    // sin^2 + cos^2 = 1: the overlapping pieces keep the noise's power.
    for (std::size_t i = 0; i < grain; ++i) out[at + i] += s[src + i] * float(std::sin(M_PI * (double(i) + 0.5) / double(grain)));
  }
  out.resize(want);
  return out;
}

Samples CutAfterVowel(const Samples& s, int keepMs, int fadeMs) {
  std::vector<float> rms = FrameRms(s);
  float top = rms.empty() ? 0.f : *std::max_element(rms.begin(), rms.end());
  // The vowel: the first frame at half the loudest level that is voiced.
  std::size_t onset = s.size();
  for (std::size_t i = 0; i < rms.size() && top > 0; ++i) {
    std::size_t from = i * kFrame, to = std::min(s.size(), from + kFrame);
    if (rms[i] >= top * 0.5f && CrossingRate(s, from, to) < kHissCrossings) {
      onset = from;
      break;
    }
  }
  if (onset == s.size()) throw std::runtime_error("no vowel to cut after");
  std::size_t cut = std::min(s.size(), onset + std::size_t(keepMs) * kRate / 1000);
  std::size_t end = std::min(s.size(), cut + std::size_t(fadeMs) * kRate / 1000);
  Samples out(s.begin(), s.begin() + end);
  for (std::size_t i = cut; i < end; ++i)
    out[i] *= float(0.5 + 0.5 * std::cos(M_PI * double(i - cut + 1) / double(end - cut)));
  return out;
}

void RaiseVoicing(Samples& s, double db) {
  // A linear-phase low pass (windowed sinc, 7 ms each side) added back to
  // the sound: no band but the low one changes, in level or in time.
  constexpr int kHalf = kRate / 140;
  constexpr double kCutHz = 500;
  std::vector<double> taps(2 * kHalf + 1);
  double sum = 0;
  for (int i = -kHalf; i <= kHalf; ++i) {
    double w = 2 * M_PI * kCutHz / kRate;
    double sinc = i == 0 ? w / M_PI : std::sin(w * i) / (M_PI * i);
    double blackman = 0.42 + 0.5 * std::cos(M_PI * i / kHalf) + 0.08 * std::cos(2 * M_PI * i / kHalf);
    taps[std::size_t(i + kHalf)] = sinc * blackman;
    sum += sinc * blackman;
  }
  const double extra = FromDb(db) - 1;
  const Samples in = s;
  const long n = long(in.size());
  for (long j = 0; j < n; ++j) {
    double low = 0;
    for (long i = std::max(-long(kHalf), -j); i <= kHalf && j + i < n; ++i) low += taps[std::size_t(i + kHalf)] * in[std::size_t(j + i)];
    s[std::size_t(j)] = float(in[std::size_t(j)] + extra * low / sum);
  }
}

namespace {

// The median, over 40 ms windows 20 ms apart within [from, to), of each
// window's highest normalised autocorrelation at the voice's lags.
double PeriodicityWithin(const Samples& s, std::size_t from, std::size_t to) {
  const std::size_t window = kRate / 25, hop = kRate / 50;
  const std::size_t minLag = kRate / 400, maxLag = kRate / 60;
  std::vector<double> peaks;
  for (std::size_t at = from; at + window <= to; at += hop) {
    const float* x = s.data() + at;
    double best = 0;
    for (std::size_t lag = minLag; lag <= maxLag; ++lag) {
      double xy = 0, xx = 0, yy = 0;
      for (std::size_t i = 0; i + lag < window; ++i) {
        xy += double(x[i]) * x[i + lag];
        xx += double(x[i]) * x[i];
        yy += double(x[i + lag]) * x[i + lag];
      }
      if (xx > 0 && yy > 0) best = std::max(best, xy / std::sqrt(xx * yy));
    }
    peaks.push_back(best);
  }
  if (peaks.empty()) return 0;
  std::sort(peaks.begin(), peaks.end());
  std::size_t n = peaks.size();
  return n % 2 ? peaks[n / 2] : (peaks[n / 2 - 1] + peaks[n / 2]) / 2;
}

}  // namespace

double Periodicity(const Samples& s) { return PeriodicityWithin(s, s.size() / 5, s.size() - s.size() / 5); }

std::size_t VowelOnset(const Samples& s) {
  std::vector<float> rms = FrameRms(s);
  if (rms.empty()) return 0;
  const float threshold = AudibleThreshold(rms), top = *std::max_element(rms.begin(), rms.end());
  std::size_t lastHiss = rms.size();
  for (std::size_t i = 0; i < rms.size(); ++i) {
    std::size_t from = i * kFrame, to = std::min(s.size(), from + kFrame);
    if (rms[i] >= threshold && CrossingRate(s, from, to) >= kHissCrossings) lastHiss = i;
  }
  if (lastHiss < rms.size()) return std::min(s.size(), (lastHiss + 1) * kFrame);
  for (std::size_t i = 0; i < rms.size(); ++i)
    if (rms[i] >= top * 0.5f) return i * kFrame;
  return 0;
}

double FrictionPeriodicity(const Samples& s) {
  const std::size_t window = kRate / 25, onset = VowelOnset(s);
  std::size_t from = onset / 5, to = onset - onset / 5;
  if (to < from + window) {  // one window round the middle, kept within the sound
    const std::size_t middle = onset / 2;
    from = middle > window / 2 ? middle - window / 2 : 0;
    to = std::min(s.size(), from + window);
  }
  return PeriodicityWithin(s, from, to);
}

double LevelDb(const Samples& s, std::size_t from, std::size_t to) {
  to = std::min(to, s.size());
  double sum = 0;
  for (std::size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
  return to > from && sum > 0 ? 10 * std::log10(sum / double(to - from)) : -200;
}

}  // namespace datagen::sounds
