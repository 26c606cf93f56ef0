// Generates word, sound, feedback and music recordings.
#include "tools/datagen/Sounds.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "dictionary/Phonemes.h"
#include "dictionary/Raportzasobow.h"
#include "platform/Mmsystem.h"
#include "platform/SysUtils.h"
#include "tools/datagen/Keys.h"
#include "tools/datagen/Modules.h"

extern char** environ;

namespace datagen::sounds {

namespace {

// Speaking rates (words a minute) and pitches (0..99) of espeak-ng.
constexpr int kWordRate = 140, kWordPitch = 50;
constexpr int kPraiseRate = 160, kPraisePitch = 60;
constexpr int kTryAgainRate = 155, kTryAgainPitch = 50;
constexpr int kHoldRate = 80, kPlosiveRate = 120, kSoundPitch = 50;
// A prolonged sound lasts at least this long (ms).
constexpr int kHoldMs = 700;
// Long words are said faster rather than cut.
constexpr int kFastWordRate = 175;

// The loudness every spoken sound is brought to and its peak limit (dB of full scale).
constexpr double kSpeechRms = -20, kSpeechPeak = -1;
// espeak-ng voices some fricatives faintly (its Ż is heard as SZ): their
// voice is raised by this much (dB).
constexpr double kVoicingRaiseDb = 8;

const std::string kWordFolder = "Data\\Smd\\";
const std::string kIsolatedFolder = "Data\\Smdgl\\";
const std::string kFeedbackFolder = "Data\\Intf\\Smd\\";

std::string Trimmed(const std::string& s) {
  std::size_t a = s.find_first_not_of(" \t\r\n"), b = s.find_last_not_of(" \t\r\n");
  return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

// The lines of a list that are neither blank nor comments, with their numbers.
std::vector<std::pair<int, std::string>> ListLines(const std::string& text) {
  std::vector<std::pair<int, std::string>> out;
  std::istringstream in(text);
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    line = Trimmed(line);
    if (!line.empty() && line[0] != '#') out.emplace_back(n, line);
  }
  return out;
}

// A text for comparison: lower case (ASCII), letters and spaces only, so
// "Brawo!" and "brawo." count as the same.
std::string Folded(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x80 || std::isalnum(c))
      out += char(std::tolower(c));
    else if (c == ' ' && !out.empty() && out.back() != ' ')
      out += ' ';
  }
  return Trimmed(out);
}

std::string TwoDigits(int n) {
  char b[8];
  std::snprintf(b, sizeof b, "%02d", n);
  return b;
}

std::vector<std::uint8_t> ReadBytes(const std::string& nativePath, bool& found) {
  std::ifstream f(nativePath, std::ios::binary);
  found = bool(f);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// Runs a program and returns what it wrote to its standard output.
std::vector<std::uint8_t> RunForOutput(const std::vector<std::string>& args) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (rc != 0) {
    close(fds[0]);
    throw std::runtime_error("cannot run " + args[0] + " (is it installed?)");
  }
  std::vector<std::uint8_t> out;
  std::uint8_t buffer[1 << 15];
  for (;;) {
    ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n > 0)
      out.insert(out.end(), buffer, buffer + n);
    else if (n == 0 || errno != EINTR)
      break;
  }
  close(fds[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(args[0] + " failed");
  return out;
}

// Speech trimmed to what is said, with soft ends, at the common level.
Samples Spoken(const std::string& text, int rate, int pitch) {
  Samples s = Trim(Speak(text, rate, pitch), 10, 25);
  FadeEnds(s, 5, 15);
  Normalise(s, kSpeechRms, kSpeechPeak);
  if (s.empty()) throw std::runtime_error("espeak-ng said nothing for \"" + text + "\"");
  return s;
}

}  // namespace

std::vector<Phrase> ParsePhrases(const std::string& listText, char letter, int count) {
  std::vector<Phrase> out;
  std::set<std::string> seen;
  for (const auto& [n, line] : ListLines(listText)) {
    auto fail = [&, n = n](const std::string& why) {
      throw std::runtime_error("phrase list line " + std::to_string(n) + ": " + why);
    };
    std::string name = line.substr(0, line.find_first_of(" \t"));
    std::string text = Trimmed(line.substr(name.size()));
    std::string want = letter + TwoDigits(int(out.size()));
    if (name != want) fail("expected " + want + ", found " + name);
    if (text.empty()) fail("no text");
    if (text[0] == '-' || text.find("[[") != std::string::npos) fail("the text would not be read as words");
    if (!seen.insert(Folded(text)).second) fail("\"" + text + "\" is already in the list");
    out.push_back({name, text});
  }
  if (int(out.size()) != count)
    throw std::runtime_error("phrase list has " + std::to_string(out.size()) + " phrases, not " + std::to_string(count));
  return out;
}

const std::vector<std::string>& IsolatedSoundNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> v;
    for (const PhonemeInfo& p : PhonemeTable) v.push_back(p.fileName);
    return v;
  }();
  return names;
}

std::vector<IsolatedSound> ParseIsolatedSounds(const std::string& tableText) {
  const auto& names = IsolatedSoundNames();
  std::vector<IsolatedSound> out(names.size());
  std::vector<bool> have(names.size());
  for (const auto& [n, line] : ListLines(tableText)) {
    auto fail = [&, n = n](const std::string& why) {
      throw std::runtime_error("isolated sound table line " + std::to_string(n) + ": " + why);
    };
    std::istringstream in(line);
    std::string name, how, input, more;
    in >> name >> how >> input;
    if (input.empty() || (in >> more)) fail("expected a name, a treatment and a phoneme input");
    auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end()) fail("unknown sound " + name);
    std::size_t i = std::size_t(it - names.begin());
    if (have[i]) fail(name + " again");
    Treatment t;
    if (how == "hold")
      t = Treatment::Hold;
    else if (how == "release")
      t = Treatment::Release;
    else if (how == "soft")
      t = Treatment::Soft;
    else
      fail("unknown treatment " + how);
    if (input.size() < 5 || input.compare(0, 2, "[[") != 0 || input.compare(input.size() - 2, 2, "]]") != 0)
      fail("the input must be phonemes in [[...]]");
    out[i] = {name, t, input};
    have[i] = true;
  }
  for (std::size_t i = 0; i < names.size(); ++i)
    if (!have[i]) throw std::runtime_error("isolated sound table lacks " + names[i]);
  return out;
}

std::string SoundDataDir() {
  return (std::filesystem::path(DATAGEN_DATA_DIR) / "sounds").string();
}

std::string ReadDataFile(const std::string& name) {
  std::string path = SoundDataDir() + "/" + name;
  std::ifstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

std::vector<SoundFile> ExpectedFiles(const CSlowa& dictionary) {
  std::vector<SoundFile> out;
  for (const CSlowa::CPaczkaEx* w : dictionary.words) {
    const std::string spelled = SpellingOfKey(w->key);
    if (spelled.empty()) throw std::runtime_error("malformed word key " + w->key);
    out.push_back({WordSoundPath(w), Kind::Word, 150, 1200, spelled});
  }
  std::vector<IsolatedSound> isolated = ParseIsolatedSounds(ReadDataFile("isolated.txt"));
  for (std::size_t i = 0; i < isolated.size(); ++i)
    out.push_back({kIsolatedFolder + isolated[i].name + ".pw", Kind::Isolated, 80, 1000, isolated[i].input, int(i)});
  for (const Phrase& p : ParsePhrases(ReadDataFile("praise.txt"), 'g', 47))
    out.push_back({kFeedbackFolder + p.name + ".pw", Kind::Praise, 200, 1500, p.text});
  for (const Phrase& p : ParsePhrases(ReadDataFile("tryagain.txt"), 'b', 40))
    out.push_back({kFeedbackFolder + p.name + ".pw", Kind::TryAgain, 200, 1600, p.text});
  out.push_back({kFeedbackFolder + "music.wav", Kind::Music, 20000, 40000, ""});
  return out;
}

bool IsVoicedFricative(const std::string& name) {
  static const std::set<std::string> names = {"zz", "z", "zzz", "dzz", "dz", "dzzz", "w", "wi"};
  return names.count(name) > 0;
}

Samples Speak(const std::string& text, int rate, int pitch) {
  return DecodeWave(RunForOutput(
      {"espeak-ng", "-v", "pl", "-s", std::to_string(rate), "-p", std::to_string(pitch), "-z", "--stdout", text}));
}

Samples MakeSound(const SoundFile& file, const std::vector<IsolatedSound>& isolated) {
  switch (file.kind) {
    case Kind::Word: {
      Samples s = Spoken(file.text, kWordRate, kWordPitch);
      if (DurationMs(s) > file.maxMs - 50) s = Spoken(file.text, kFastWordRate, kWordPitch);
      return s;
    }
    case Kind::Praise:
      return Spoken(file.text, kPraiseRate, kPraisePitch);
    case Kind::TryAgain:
      return Spoken(file.text, kTryAgainRate, kTryAgainPitch);
    case Kind::Isolated: {
      const IsolatedSound& sound = isolated.at(std::size_t(file.index));
      Samples s;
      switch (sound.treatment) {
        case Treatment::Hold:
          s = Sustain(Trim(Speak(sound.input, kHoldRate, kSoundPitch), 0, 0), kHoldMs);
          FlattenEnvelope(s);
          FadeEnds(s, 40, 90);
          break;
        case Treatment::Release:
          s = Trim(CutAfterVowel(Speak(sound.input, kPlosiveRate, kSoundPitch), 30, 25), 10, 0);
          FadeEnds(s, 5, 5);
          break;
        case Treatment::Soft:
          s = Trim(CutAfterVowel(Speak(sound.input, kPlosiveRate, kSoundPitch), 45, 35), 10, 0);
          FadeEnds(s, 5, 5);
          break;
      }
      if (IsVoicedFricative(sound.name)) RaiseVoicing(s, kVoicingRaiseDb);
      Normalise(s, kSpeechRms, kSpeechPeak);
      return s;
    }
    case Kind::Music:
      return MakeMusic();
  }
  return {};
}

namespace {

std::string Figure(double x) {
  char b[16];
  std::snprintf(b, sizeof b, "%.2f", x);
  return b;
}

// What a listener would hear wrong in a well-formed file: a voiced fricative
// that sounds voiceless, or music that dips where it comes round.
std::string HeardProblem(const SoundFile& f, const Samples& s, const std::vector<IsolatedSound>& isolated) {
  if (f.kind == Kind::Isolated && IsVoicedFricative(isolated.at(std::size_t(f.index)).name)) {
    // A held fricative is friction throughout; a released one ends in a vowel.
    double v = isolated[std::size_t(f.index)].treatment == Treatment::Hold ? Periodicity(s) : FrictionPeriodicity(s);
    if (v < kMinVoicing) return f.path + ": voicing " + Figure(v) + ", not clearly voiced";
  }
  if (f.kind == Kind::Music) {
    const std::size_t half = kRate / 2;
    double step = LevelDb(s, s.size() - half, s.size()) - LevelDb(s, 0, half);
    if (std::fabs(step) > kMaxLoopStepDb) return f.path + ": the level steps by " + Figure(step) + " dB where it loops";
  }
  return "";
}

}  // namespace

std::vector<std::string> CheckSounds(const Tree& tree) {
  std::vector<std::string> problems;
  CSlowa dictionary;
  std::vector<SoundFile> files;
  std::vector<IsolatedSound> isolated;
  try {
    files = ExpectedFiles(dictionary);
    isolated = ParseIsolatedSounds(ReadDataFile("isolated.txt"));
  } catch (const std::exception& e) {
    return {e.what()};
  }
  std::set<std::string> expected;
  for (const SoundFile& f : files) {
    expected.insert(f.path);
    bool found = false;
    std::vector<std::uint8_t> bytes = ReadBytes(tree.Native(f.path), found);
    if (!found) {
      problems.push_back(f.path + ": missing");
      continue;
    }
    std::string p = WaveProblem(bytes, f.minMs, f.maxMs);
    if (!p.empty()) {
      problems.push_back(f.path + ": " + p);
      continue;
    }
    // The program's own reader agrees on the length.
    int ms = WaveDurationMs(bytes);
    int own = int(ParseWave(bytes).dataBytes * 1000 / (2 * kRate));
    if (ms != own) problems.push_back(f.path + ": the player reads " + std::to_string(ms) + " ms, not " + std::to_string(own));
    problems.push_back(HeardProblem(f, DecodeWave(bytes), isolated));
    if (problems.back().empty()) problems.pop_back();
  }
  // The dictionary's resource report sees every recording and nothing else.
  {
    std::string was = GetCurrentDir();
    if (!SetCurrentDir(Utf8ToCp1250(std::filesystem::absolute(tree.Root()).string()))) {
      problems.push_back("cannot enter " + tree.Root());
    } else {
      CResourceCheck report = CheckWordFiles(dictionary);
      SetCurrentDir(was);
      for (const std::string& p : report.missingRecordings) problems.push_back("the resource report misses " + p);
      for (const std::string& p : report.extraRecordings) problems.push_back("the resource report finds a superfluous " + p);
    }
  }
  // Nothing stray beside the isolated and feedback sounds either.
  for (const std::string& folder : {kIsolatedFolder, kFeedbackFolder}) {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(tree.Native(folder), ec)) {
      std::string path = folder + Utf8ToCp1250(e.path().filename().string());
      if (e.is_regular_file() && !expected.count(path)) problems.push_back(path + ": not one of the program's sounds");
    }
  }
  return problems;
}

namespace {

void Generate(Tree& tree) {
  CSlowa dictionary;
  std::vector<SoundFile> files = ExpectedFiles(dictionary);
  std::vector<IsolatedSound> isolated = ParseIsolatedSounds(ReadDataFile("isolated.txt"));
  // Files left from earlier runs (recordings of words no longer in the
  // dictionary, say) would be reported as superfluous: the folders hold ours only.
  std::set<std::string> ours;
  for (const SoundFile& f : files) ours.insert(f.path);
  for (const std::string& folder : {kWordFolder, kIsolatedFolder, kFeedbackFolder}) {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(tree.Native(folder), ec))
      if (e.is_regular_file() && !ours.count(folder + Utf8ToCp1250(e.path().filename().string())))
        std::filesystem::remove(e.path());
  }
  // The music takes longest: start it first.
  std::stable_partition(files.begin(), files.end(), [](const SoundFile& f) { return f.kind == Kind::Music; });
  ParallelFor(int(files.size()), [&](int i) {
    const SoundFile& f = files[std::size_t(i)];
    try {
      tree.Write(f.path, EncodeWave(MakeSound(f, isolated)));
    } catch (const std::exception& e) {
      throw std::runtime_error(f.path + ": " + e.what());
    }
  });
}

}  // namespace

}  // namespace datagen::sounds

namespace datagen {

Module SoundsModule() { return Module{"sounds", sounds::Generate, sounds::CheckSounds}; }

}  // namespace datagen
