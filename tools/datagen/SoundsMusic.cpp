// The background music: a calm, cheerful pentatonic tune in C major over soft
// chords, bass and a light off-beat strum, with a gentle echo. It is drawn
// on a circle of exactly 16 bars, so what rings on at the end sounds on at
// the start, and the file is cut where the circle crosses zero: it loops
// without a seam or a dip, and still starts and ends at rest.
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "tools/datagen/Sounds.h"

namespace datagen::sounds {

namespace {

constexpr int kBeat = 12600;  // samples: 105 beats a minute
constexpr int kBeatsPerBar = 4;
constexpr int kBars = 16;
constexpr int kLength = kBeat * kBeatsPerBar * kBars;  // 36.6 s

// One chord a bar (two where a bar has two): the pad's notes, the bass root.
struct Chord {
  int bar, beat, beats;
  int pad[3];
  int bass;
};
// MIDI notes: C3 = 48, C4 = 60, C5 = 72.
constexpr Chord kChords[] = {
    {0, 0, 4, {52, 55, 60}, 36},   {1, 0, 4, {52, 57, 60}, 45},  {2, 0, 4, {53, 57, 60}, 41},
    {3, 0, 4, {50, 55, 59}, 43},   {4, 0, 4, {52, 55, 60}, 36},  {5, 0, 4, {52, 57, 60}, 45},
    {6, 0, 2, {50, 53, 57}, 38},   {6, 2, 2, {50, 55, 59}, 43},  {7, 0, 4, {52, 55, 60}, 36},
    {8, 0, 4, {53, 57, 60}, 41},   {9, 0, 4, {52, 55, 60}, 36},  {10, 0, 4, {53, 57, 60}, 41},
    {11, 0, 4, {50, 55, 59}, 43},  {12, 0, 4, {52, 57, 60}, 45}, {13, 0, 4, {53, 57, 60}, 41},
    {14, 0, 4, {50, 55, 59}, 43},  {15, 0, 4, {52, 55, 60}, 36},
};

// The tune, a bar a line: note and length in beats ("-" rests). Only the
// pentatonic notes C D E G A.
constexpr const char* kMelody =
    "E5 1 G5 1 A5 1 G5 1\n"
    "E5 2 C5 1 D5 1\n"
    "C5 1 A4 1 C5 1 D5 1\n"
    "D5 3 - 1\n"
    "E5 1 G5 1 A5 1 C6 1\n"
    "A5 2 G5 1 E5 1\n"
    "D5 1 E5 1 D5 1 G4 1\n"
    "C5 3 - 1\n"
    "A5 1 G5 1 A5 1 C6 1\n"
    "G5 2 E5 1 G5 1\n"
    "A5 1 G5 1 E5 1 D5 1\n"
    "D5 2 G5 2\n"
    "E5 1 A5 1 G5 1 E5 1\n"
    "D5 1 C5 1 A4 1 C5 1\n"
    "D5 2 E5 1 D5 1\n"
    "C5 2 G4 1 D5 1\n";

double Hz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

int Midi(const std::string& name) {
  static const int steps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() != 2 || name[0] < 'A' || name[0] > 'G' || name[1] < '0' || name[1] > '9')
    throw std::runtime_error("bad note " + name);
  return 12 * (name[1] - '0' + 1) + steps[name[0] - 'A'];
}

class Circle {
 public:
  Circle() : s_(kLength, 0.0) {}
  // Adds a voice starting at a sample; what runs past the end comes round to
  // the beginning.
  template <class F>
  void Add(long start, long length, F voice) {
    for (long i = 0; i < length; ++i) s_[std::size_t(((start + i) % kLength + kLength) % kLength)] += voice(double(i) / kRate);
  }
  std::vector<double>& Data() { return s_; }

 private:
  std::vector<double> s_;
};

double Smooth(double x) { return x <= 0 ? 0 : x >= 1 ? 1 : 0.5 - 0.5 * std::cos(M_PI * x); }

// A soft, slightly detuned pad note held for `hold` seconds, then released.
void Pad(Circle& c, long start, double hold, int midi, double amp) {
  const double f = Hz(midi), attack = 0.35, release = 0.6;
  c.Add(start, long((hold + release) * kRate), [=](double t) {
    double env = Smooth(t / attack) * (t < hold ? 1.0 : Smooth(1.0 - (t - hold) / release));
    double w = std::sin(2 * M_PI * f * t) + std::sin(2 * M_PI * f * 1.004 * t + 1.0) + 0.2 * std::sin(4 * M_PI * f * t);
    return amp * env * w / 2.2;
  });
}

// A plucked note: quick attack, exponential decay, a short release at `hold`.
void Pluck(Circle& c, long start, double hold, int midi, double amp, double decay, double bright) {
  const double f = Hz(midi), release = 0.08;
  c.Add(start, long((hold + release) * kRate), [=](double t) {
    double env = Smooth(t / 0.006) * std::exp(-t / decay) * (t < hold ? 1.0 : Smooth(1.0 - (t - hold) / release));
    double w = std::sin(2 * M_PI * f * t) + bright * std::exp(-t / 0.12) * std::sin(4 * M_PI * f * t) +
               0.5 * bright * std::exp(-t / 0.05) * std::sin(6 * M_PI * f * t);
    return amp * env * w;
  });
}

}  // namespace

Samples MakeMusic() {
  Circle c;
  const double beat = double(kBeat) / kRate;
  for (const Chord& ch : kChords) {
    long start = long(ch.bar * kBeatsPerBar + ch.beat) * kBeat;
    for (int n : ch.pad) Pad(c, start, ch.beats * beat, n, 0.045);
    for (int b = 0; b < ch.beats; b += 2) Pluck(c, start + long(b) * kBeat, 2 * beat - 0.1, ch.bass, 0.16, 0.6, 0.3);
    // An off-beat strum of the chord an octave up, its notes a little apart.
    for (int b = 1; b < ch.beats; b += 2)
      for (int k = 0; k < 3; ++k)
        Pluck(c, start + long(b) * kBeat + k * kRate / 60, 0.5 * beat, ch.pad[k] + 12, 0.035, 0.2, 0.4);
  }
  std::istringstream lines(kMelody);
  std::string line;
  for (int bar = 0; std::getline(lines, line); ++bar) {
    std::istringstream notes(line);
    std::string name;
    double beats = 0, at = 0;
    while (notes >> name >> beats) {
      if (name != "-")
        Pluck(c, long((bar * kBeatsPerBar + at) * kBeat), beats * beat - 0.05, Midi(name), 0.2, 0.55, 0.35);
      at += beats;
    }
    if (at != kBeatsPerBar) throw std::runtime_error("melody bar " + std::to_string(bar + 1) + " is not four beats");
  }
  // A soft echo three quarters of a beat behind, darkened each time round;
  // run round the circle twice so the echo of the end carries into the start.
  std::vector<double>& x = c.Data();
  std::vector<double> y(x);
  const long delay = kBeat * 3 / 4;
  double low = 0;
  for (long pass = 0; pass < 2; ++pass)
    for (long i = 0; i < kLength; ++i) {
      double back = y[std::size_t((i - delay + kLength) % kLength)];
      low += 0.35 * (back - low);
      y[std::size_t(i)] = x[std::size_t(i)] + 0.3 * low;
    }
  // The cut: the zero crossing within 50 ms of the first beat whose two
  // samples lie closest to zero.
  const long reach = kRate / 20;
  long cut = 0;
  double best = 1e9;
  for (long k = -reach; k <= reach; ++k) {
    double a = y[std::size_t((k - 1 + kLength) % kLength)], b = y[std::size_t((k + kLength) % kLength)];
    if ((a < 0) != (b < 0) && std::fabs(a) + std::fabs(b) < best) best = std::fabs(a) + std::fabs(b), cut = k;
  }
  Samples out(kLength);
  for (long i = 0; i < kLength; ++i) out[std::size_t(i)] = float(y[std::size_t((i + cut + kLength) % kLength)]);
  Normalise(out, -22, -3);
  return out;
}

}  // namespace datagen::sounds
