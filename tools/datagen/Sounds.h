// The recordings of the data tree: words, isolated speech sounds, praise,
// "try again" and the background music. Speech comes from espeak-ng's
// Polish voice; everything is RIFF WAVE PCM, mono, 22050 Hz, 16-bit.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/_cslowa.h"
#include "tools/datagen/Tree.h"

namespace datagen::sounds {

constexpr int kRate = 22050;
using Samples = std::vector<float>;  // -1 .. 1

// ---- names and texts ----
// (A word's spoken text is its key's spelling, tools/datagen/Keys.h.)

// One line of a phrase list: "g07 Bardzo dobrze!".
struct Phrase {
  std::string name;  // "g07"
  std::string text;  // UTF-8
};
// Reads a phrase list: lines "<letter><NN> <text>", '#' comments and blank
// lines skipped. The numbers must run 00 .. count-1 in order and the texts
// must differ (letter case and punctuation aside). Throws std::runtime_error
// naming the line otherwise.
std::vector<Phrase> ParsePhrases(const std::string& listText, char letter, int count);

// How an isolated speech sound is made from espeak-ng's output.
enum class Treatment {
  Hold,     // prolonged fricative: said slowly, loudness evened out
  Release,  // stop or affricate: the neutral vowel after it is cut short
  Soft,     // soft consonant: the "i" after it is cut a little later
};
struct IsolatedSound {
  std::string name;  // file name without extension: "sz", "dzzz", "pi"
  Treatment treatment;
  std::string input;  // espeak-ng phoneme input "[[SSSSS]]"
};
// The names of the 26 isolated sounds, in phoneme bit order (SZ first, D last).
const std::vector<std::string>& IsolatedSoundNames();
// Reads the isolated sound table: lines "<name> <hold|release|soft> <input>";
// every name of IsolatedSoundNames exactly once. Throws std::runtime_error.
std::vector<IsolatedSound> ParseIsolatedSounds(const std::string& tableText);

// The folder of the sound data files (phrase lists, isolated sound table).
std::string SoundDataDir();
std::string ReadDataFile(const std::string& name);

// ---- the files ----

enum class Kind { Word, Isolated, Praise, TryAgain, Music };
struct SoundFile {
  std::string path;  // program path
  Kind kind;
  int minMs, maxMs;  // the length it must have
  std::string text;  // what is said (UTF-8): a spelling, phoneme input or phrase
  int index = 0;     // into the isolated sound table for Kind::Isolated
};
// Every file the module writes, from the dictionary's words and the data files.
std::vector<SoundFile> ExpectedFiles(const CSlowa& dictionary);

// ---- RIFF WAVE ----

struct WaveInfo {
  std::string error;  // empty when the header is readable
  int format = 0, channels = 0, rate = 0, bits = 0, blockAlign = 0, byteRate = 0;
  std::size_t dataOffset = 0, dataBytes = 0;  // dataBytes as present in the file
  std::uint32_t declaredDataBytes = 0;
  std::uint32_t declaredRiffBytes = 0;
};
WaveInfo ParseWave(const std::vector<std::uint8_t>& bytes);
// Samples of a mono 16-bit 22050 Hz wave; a data size larger than the file
// (as a streaming writer leaves it) is cut to what is there. Throws
// std::runtime_error for anything else.
Samples DecodeWave(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> EncodeWave(const Samples& samples);
// What is wrong with a file that should be one of ours: format, length out
// of [minMs, maxMs], silence, a click at either end; "" when nothing is.
std::string WaveProblem(const std::vector<std::uint8_t>& bytes, int minMs, int maxMs);

// ---- shaping the sound ----

// Cuts the silence at both ends, keeping preMs before the first and postMs
// after the last audible frame. Silence throughout gives an empty result.
Samples Trim(const Samples& s, int preMs, int postMs);
// Raised-cosine fades over the first inMs and the last outMs.
void FadeEnds(Samples& s, int inMs, int outMs);
// Scales so the audible part has the given loudness (RMS level as the ear
// weighs it), but never lets the peak pass peakDb (both in dB of full scale).
void Normalise(Samples& s, double rmsDb, double peakDb);
// Evens out the loudness of a sustained sound to its median level.
void FlattenEnvelope(Samples& s);
// Lengthens a noise-like sound to about ms by overlapping pieces of its
// middle (constant-power windows at random places, the same every run);
// longer sounds stay as they are.
Samples Sustain(const Samples& s, int ms);
// Keeps a consonant and the first keepMs of the vowel after it (the loud,
// voiced part), then fades out over fadeMs. Throws when there is no vowel.
Samples CutAfterVowel(const Samples& s, int keepMs, int fadeMs);
// Raises everything below 500 Hz by db: in a voiced fricative that is the
// voice under the hiss, which the hiss's own band keeps as it was.
void RaiseVoicing(Samples& s, double db);
// Duration in milliseconds.
inline int DurationMs(const Samples& s) { return int(s.size() * 1000 / kRate); }

// ---- measuring ----

// How clearly a sound is voiced: in 40 ms windows (20 ms apart) over the
// middle three fifths of the sound, the highest normalised autocorrelation at
// lags of 2.5 to 16.7 ms (a voice of 60 to 400 Hz); the median over the
// windows. A hiss scores about 0.15 to 0.2, a held vowel near 1; 0 when the
// sound is too short for one window.
double Periodicity(const Samples& s);
// Where the vowel after a released consonant begins: just after the last
// audible frame that hisses or, in a consonant that never hisses (a soft V),
// at the first frame at half the loudest level.
std::size_t VowelOnset(const Samples& s);
// How clearly a released consonant's friction alone is voiced: Periodicity
// over the part before VowelOnset (at least one window, from the start when
// that part is shorter), so that the vowel after an affricate does not count.
double FrictionPeriodicity(const Samples& s);
// The RMS level of s[from, to) in dB of full scale (-200 for silence).
double LevelDb(const Samples& s, std::size_t from, std::size_t to);

// ---- making them ----

// The isolated sounds that are voiced fricatives or affricates (Z, Ż, Ź, DZ,
// DŻ, DŹ, W, WI), by file name: their voicing is raised when they are made
// and measured when they are checked.
bool IsVoicedFricative(const std::string& name);
// How periodic such a sound must measure at least, and how close in level
// (dB) the last and the first half second of the music must be.
constexpr double kMinVoicing = 0.6;
constexpr double kMaxLoopStepDb = 3;

// Runs espeak-ng's Polish voice on text (UTF-8; "[[...]]" for phonemes) at a
// rate in words per minute and a pitch 0..99. Throws when it cannot run.
Samples Speak(const std::string& text, int rate, int pitch);
// The finished sound of one file.
Samples MakeSound(const SoundFile& file, const std::vector<IsolatedSound>& isolated);
// The background music: a calm pentatonic tune over soft chords, a whole
// number of bars that loops seamlessly.
Samples MakeMusic();

std::vector<std::string> CheckSounds(const Tree& tree);

}  // namespace datagen::sounds
