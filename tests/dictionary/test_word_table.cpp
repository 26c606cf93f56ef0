// Acceptance of the built-in word table: every count and rule it must meet,
// checked on the compiled table and, for what the games rely on, through the
// dictionary's own selections.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/Literki.h"
#include "dictionary/Slowa_tab.h"
#include "dictionary/_cslowa.h"

namespace {

constexpr std::uint32_t kInitial = 0x10000000, kMedial = 0x20000000, kFinal = 0x40000000;
constexpr std::uint32_t kVoiceless = 0x1333555, kVoiced = 0x2CCCAAA;
constexpr std::uint32_t SZ = 0x1, ZH = 0x2, CZ = 0x4, DZH = 0x8, S = 0x10, Z = 0x20, C = 0x40, DZ = 0x80, SI = 0x100,
                        ZI = 0x200, CI = 0x400, DZI = 0x800, P = 0x1000, PI = 0x2000, B = 0x4000, BI = 0x8000,
                        K = 0x10000, KI = 0x20000, G = 0x40000, GI = 0x80000, F = 0x100000, FI = 0x200000,
                        W = 0x400000, WI = 0x800000, T = 0x1000000, D = 0x2000000;

// The 570 words, in byte order.
const char* const kKeys =
    "afrykanin agrafka agrest agresty ananas auto autobus ba^k babcia balia balkon balon banan banany "
    "bar baran barany bazie beczka biedronka biedronki biurko bluzka bocian bociany bok bokser borsuki "
    "brama brzuch budy budzik buk bul^ka bul^ki burak buraki burek butelka buty cebula cebule cegl^a cep "
    "chl^opiec chomik chomiki chusta ciastko cie^z^aro^wka ciele^ cien^ cukier cukierek cymbal^ki cyrk "
    "cyrkiel cytryna cytryny czajnik czapka czapla czarny cze^s^c^ czekolada czeres^nia czeres^nie "
    "czol^o dach dalia dama de^by delfin deszcz dezodorant dl^on^ dl^ugopis dom drabina dres dro^b "
    "dro^z^ka droga dx^wig dymy dywan dz^dz^ownica dz^ungla dzban dziadek dzwon dzwonek ekran fajka fale "
    "farby fartuch fasola fasole filiz^anka firanka flet foka foki fortepian fotel frak fryzjer futeral^ "
    "ga^bka gal^e^zie gama gar garnek gazeta ge^s^ ge^si gl^owa globus go^rnik go^ry gol^a^b gol^e^bie "
    "grabie graty gruszka gruszki grzebien^ gumka guzik hak helikopter hiacynt hotel hulajnoga hus^tawka "
    "igl^a indyk indyki jagody jajko jarze^bina jasko^l^ka jasko^l^ki jaszczurka jaszczurki jedenas^cie "
    "jez^e kaczki kaktus kal^uz^a kalafior kalafiory kalendarz kaloryfer kalosze kanapa kangur kangury "
    "kapcie kapelusz kapusta karuzela kasa kaszka kiel^basa kije klatka klej klocek klocki klucz klucze "
    "kluski koc kogut koguty kol^dra kolano komar komary komin komoda kon^ konie kora korale korba kort "
    "kos kos^c^ kosa kosz koszula koszule koszulka koszyk kot koty koz^uch koza kra kran kraty krawat "
    "krawiec krem kret krety krokodyl krokodyle krowa krowy ksie^z^yc kubek kuchenka kuchenki kuchnia "
    "kukurydza kukurydze kula kura kurnik kurtka kury kusza l^apa l^apka l^ata l^awa l^azienka l^okiec^ "
    "l^opata l^os^ l^yz^eczka lalka lampa las laska latarka latawiec leki lepy lez^ak lis liski "
    "listonosz lisy liszki lizak lodo^wka lody loki lufa lupa lustro lwy mak makaron mal^pa mal^py mapa "
    "mata mazaki mecz mewa mie^so miecz mikrofon mikser miody mis^ mis^ki miska miski ml^otek ml^otki "
    "mlecz motocykl motor motyl motyle murek muszelka muszka muzyk mydl^a mydl^o narta narty nauczyciel "
    "nic^ niedx^wiedzie nocnik noga nos nosze noz^e noz^yczki nurek obraz oczy odwaz^nik ogo^rek ogo^rki "
    "ogrodzenie okap okno okulary ol^o^wek os^ osa osiem osiol^ osy pa^k paczka paja^k paja^ki pajac "
    "palce pan panda pani paproc^ papryka papryki papuga papugi parasol pas pasek patelnia perfumy "
    "piasek pie^c^ pie^s^c^ pie^s^ci piec piece piecza^tka pienia^dze pierogi piers^cionek pies "
    "pietruszka pil^ka pil^ki pingwin pingwiny pio^rko pio^rnik pio^ro pio^ropusz piwnica piz^ama "
    "pl^aszcz pl^ot plaster plastry plecak plecy po^l^ka poduszka poko^j policjant pomidor pomidory pory "
    "porzeczki poziomka pralka prezent proszek proszki prysznic pufa ra^czki raczki rajstopy rak "
    "re^cznik re^kawiczka re^kawiczki regal^ ro^z^a rogal rolnik rower rowerek ryba ryby rydze rys^ "
    "rzodkiewka rzodkiewki s^cierka s^limak s^limaki s^ruba saksofon sal^ata sal^aty sale samolot "
    "sandal^ sandal^y sanki sarna sarny schody seler selery ser siedem siedzenie siekiera sierp sikorka "
    "siodl^o sito skarpety sl^oik sl^on^ sl^onie smoczek sopel sowa sowy spinacz spinka spo^dnica "
    "spodnie statek sto^l^ stol^ek stopa straz^ak strus^ strych sukienka suknia sum szabla szachy szafa "
    "szafka szafy szal^as szale szalik szampon szcze^ka szeryf szklanka szo^stka szorty sztuc^ce "
    "szuflada szybowce szybowiec szyja szynka szyszka tablica taca taczka tama tarka tasiemka tata "
    "teczka telefon telewizor toaleta torba tort tory tra^by traktor tramwaj tran tulipan tyczka tygrys "
    "tygrysy ubikacja ulica umywalka uszko uszy waga wagon wagony walec walizka wanna warkocz warzywa "
    "wata wazon wazy we^z^e wiadro widelec widl^y wie^zienie wielbl^a^d wielbl^a^dy wieszak wiewio^rka "
    "wiewio^rki wiez^a wilk wilki winda winogrona wio^r wir wo^r wo^z wo^zek woda worek wrak x^rebak "
    "x^ro^dl^o z^a^dl^o z^aba z^abka z^aby z^aglo^wka z^aro^wki z^ebra z^elazko z^o^l^ty z^o^l^w "
    "z^o^l^wie z^ol^e^dzie z^ol^nierz z^ubr z^uk z^uraw z^yletka z^yrafa z^yrafy z^yrandol z^yto za^b "
    "zabawki zagony zaja^c zaja^ce zamek zapal^ka zapal^ki ze^by zebra zebry zegar zegarek zero zeszyt "
    "ziarno ziemia ziemniak ziemniaki zlew zupa zygzak ";


std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

struct Piece {
  bool marked;
  std::string text;
};

std::vector<Piece> PiecesOf(const std::string& segments) {
  std::vector<Piece> out;
  std::size_t from = 0;
  for (std::size_t comma; (comma = segments.find(',', from)) != std::string::npos; from = comma + 1) {
    std::string p = segments.substr(from, comma - from);
    bool marked = !p.empty() && p[0] == '_';
    out.push_back({marked, marked ? p.substr(1) : p});
  }
  return out;
}

std::vector<std::size_t> Marks(const std::vector<Piece>& pieces) {
  std::vector<std::size_t> out;
  for (std::size_t i = 0; i < pieces.size(); ++i)
    if (pieces[i].marked) out.push_back(i);
  return out;
}

// The marked text, two marks joined with "+".
std::string MarkedText(const std::vector<Piece>& pieces) {
  std::string out;
  for (std::size_t i : Marks(pieces)) out += (out.empty() ? "" : "+") + pieces[i].text;
  return out;
}

std::string Unmarked(const std::vector<Piece>& pieces) {
  std::string out;
  for (const Piece& p : pieces) out += p.text + ",";
  return out;
}

// The Polish letters as a key writes them.
const std::map<char, std::string> kKeyLetters = {{'\271', "a^"}, {'\346', "c^"}, {'\352', "e^"},
                                                 {'\263', "l^"}, {'\361', "n^"}, {'\363', "o^"},
                                                 {'\234', "s^"}, {'\237', "x^"}, {'\277', "z^"}};

std::string KeyOfLetters(const std::string& letters) {
  std::string out;
  for (char c : letters) {
    auto it = kKeyLetters.find(c);
    out += it == kKeyLetters.end() ? std::string(1, c) : it->second;
  }
  return out;
}

std::string LettersOfKey(const std::string& key) {
  std::string out;
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (i + 1 < key.size() && key[i + 1] == '^') {
      for (const auto& [letter, written] : kKeyLetters)
        if (written[0] == key[i]) out += letter;
      ++i;
    } else {
      out += key[i];
    }
  }
  return out;
}

// Polish alphabetical order, letter by letter, a prefix first.
const std::string kAlphabet = "a\271bc\346de\352fghijkl\263mn\361o\363prs\234tuwyz\237\277";

bool PolishLess(const std::string& keyA, const std::string& keyB) {
  std::string a = LettersOfKey(keyA), b = LettersOfKey(keyB);
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
    if (a[i] != b[i]) return kAlphabet.find(a[i]) < kAlphabet.find(b[i]);
  return a.size() < b.size();
}

// The 50 pieces a word is made of.
const std::set<std::string> kPieceAlphabet = {
    "a",   "b",      "c",      "d",   "e",  "f",  "g",  "h",  "i",  "j",      "k",      "l",  "m",
    "n",   "o",      "p",      "r",   "s",  "t",  "u",  "w",  "y",  "z",      "\271",   "\346", "\352",
    "\263", "\361",  "\363",   "\234", "\237", "\277", "bi", "ch", "ci", "cz",  "dz",     "d\237", "d\277",
    "fi",  "ki",     "mi",     "ni",  "pi", "rz", "si", "sz", "wi", "zi", "dzi"};

// The phoneme a marked text spells.
const std::map<std::string, std::uint32_t> kSpelling = {
    {"sz", SZ},     {"\277", ZH},    {"rz", ZH},     {"cz", CZ},     {"d\277", DZH},  {"s", S},        {"z", Z},
    {"c", C},       {"dz", DZ},      {"\234", SI},   {"si", SI},     {"s+i", SI},     {"\237", ZI},    {"zi", ZI},
    {"z+i", ZI},    {"\346", CI},    {"ci", CI},     {"c+i", CI},    {"d\237", DZI},  {"dzi", DZI},    {"dz+i", DZI},
    {"p", P},       {"pi", PI},      {"p+i", PI},    {"b", B},       {"bi", BI},      {"b+i", BI},     {"k", K},
    {"ki", KI},     {"k+i", KI},     {"g", G},       {"g+i", GI},    {"f", F},        {"fi", FI},      {"f+i", FI},
    {"w", W},       {"wi", WI},      {"w+i", WI},    {"t", T},       {"d", D}};

std::uint32_t Spelled(const std::vector<Piece>& pieces) {
  auto it = kSpelling.find(MarkedText(pieces));
  return it == kSpelling.end() ? 0 : it->second;
}

std::uint32_t PhonemeOf(const WordTableRow& r) { return r.flags & 0x3FFFFFF; }
std::uint32_t PositionOf(const WordTableRow& r) { return r.flags & 0x70000000; }

std::map<std::string, std::vector<const WordTableRow*>> RowsByKey(int from, int to) {
  std::map<std::string, std::vector<const WordTableRow*>> out;
  for (int i = from; i < to; ++i) out[WordTable[i].key].push_back(&WordTable[i]);
  return out;
}

std::map<int, int> Histogram(const std::map<std::string, std::vector<const WordTableRow*>>& byKey) {
  std::map<int, int> out;
  for (const auto& [key, rows] : byKey) ++out[int(rows.size())];
  return out;
}

// ---------------------------------------------------------------- A. Shape and order

TEST(WordTable, ShapeAndOrder) {
  // W1
  ASSERT_EQ(WordTableSize, 1230);
  for (int i = 0; i < WordTableSize; ++i) EXPECT_EQ(WordTable[i].primary, i < 930 ? 1 : 0) << i;

  // W2: exactly the listed keys, each with a primary row.
  const std::vector<std::string> keys = Words(kKeys);
  ASSERT_EQ(keys.size(), 570u);
  std::set<std::string> inTable, withPrimary;
  for (int i = 0; i < WordTableSize; ++i) {
    inTable.insert(WordTable[i].key);
    if (WordTable[i].primary) withPrimary.insert(WordTable[i].key);
  }
  EXPECT_EQ(inTable, std::set<std::string>(keys.begin(), keys.end()));
  EXPECT_EQ(withPrimary, inTable);

  // W3: each run in Polish order, a word's rows together.
  for (auto [from, to] : {std::pair{0, 930}, std::pair{930, 1230}})
    for (int i = from + 1; i < to; ++i) {
      std::string a = WordTable[i - 1].key, b = WordTable[i].key;
      if (a != b) { EXPECT_TRUE(PolishLess(a, b)) << a << " before " << b; }
    }
  EXPECT_TRUE(PolishLess("banany", "bazie"));
  EXPECT_TRUE(PolishLess("bazie", "ba^k"));
  EXPECT_TRUE(PolishLess("zygzak", "x^rebak"));
  EXPECT_TRUE(PolishLess("x^ro^dl^o", "z^aba"));

  // W4: the key list itself.
  std::vector<std::string> longest;
  std::size_t maxLength = 0;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const std::string& k = keys[i];
    if (i > 0) { EXPECT_LT(keys[i - 1], k); }
    for (std::size_t j = 0; j < k.size(); ++j) {
      char c = k[j];
      EXPECT_TRUE((c >= 'a' && c <= 'z' && c != 'q' && c != 'v') || c == '^') << k;
      if (c == 'x') { EXPECT_TRUE(j + 1 < k.size() && k[j + 1] == '^') << k; }
    }
    if (k.size() > maxLength) {
      maxLength = k.size();
      longest.clear();
    }
    if (k.size() == maxLength) longest.push_back(k);
  }
  EXPECT_EQ(maxLength, 13u);
  EXPECT_EQ(longest, (std::vector<std::string>{"cie^z^aro^wka", "niedx^wiedzie"}));
}

// ---------------------------------------------------------------- B. Row format

TEST(WordTable, RowFormat) {
  std::size_t mostPieces = 0;
  std::map<std::string, std::string> primaryPieces;
  for (int i = 0; i < WordTableSize; ++i) {
    const WordTableRow& r = WordTable[i];
    SCOPED_TRACE(std::to_string(i) + " " + r.key + " " + r.segments);
    // W5
    EXPECT_EQ(r.flags & ~0x73FFFFFFu, 0u);
    EXPECT_EQ(std::popcount(r.flags & 0x3FFFFFFu), 1);
    EXPECT_EQ(std::popcount(r.flags & 0x70000000u), 1);

    // W6
    const std::string segments = r.segments;
    ASSERT_FALSE(segments.empty());
    EXPECT_EQ(segments.back(), ',');
    const std::vector<Piece> pieces = PiecesOf(segments);
    for (const Piece& p : pieces) EXPECT_TRUE(kPieceAlphabet.count(p.text)) << p.text;
    EXPECT_LE(pieces.size(), 10u);
    mostPieces = std::max(mostPieces, pieces.size());
    if (std::string(r.key) == "dezodorant" || std::string(r.key) == "helikopter") { EXPECT_EQ(pieces.size(), 10u); }

    // W7
    std::string letters;
    for (const Piece& p : pieces) letters += p.text;
    EXPECT_EQ(KeyOfLetters(letters), r.key);

    // W8
    const std::vector<std::size_t> marks = Marks(pieces);
    ASSERT_TRUE(marks.size() == 1 || marks.size() == 2);
    if (marks.size() == 2) {
      EXPECT_EQ(marks[1], marks[0] + 1);
      EXPECT_EQ(pieces[marks[1]].text, "i");
      EXPECT_TRUE(std::set<std::string>({"b", "c", "dz", "f", "g", "k", "p", "s", "w", "z"}).count(pieces[marks[0]].text));
    }

    // W9
    std::uint32_t position = marks.front() == 0 ? kInitial : marks.back() + 1 == pieces.size() ? kFinal : kMedial;
    EXPECT_EQ(PositionOf(r), position);

    // W10
    if (r.primary) {
      auto [it, fresh] = primaryPieces.emplace(r.key, Unmarked(pieces));
      if (!fresh) { EXPECT_EQ(it->second, Unmarked(pieces)); }
    }
  }
  EXPECT_EQ(mostPieces, 10u);
}

// ---------------------------------------------------------------- C. Spelling and devoicing

TEST(WordTable, SpellingAndDevoicing) {
  int spelledExclusions = 0;
  std::map<std::pair<std::string, std::uint32_t>, int> pronounced;
  int voicedExclusions = 0;
  for (int i = 0; i < WordTableSize; ++i) {
    const WordTableRow& r = WordTable[i];
    SCOPED_TRACE(std::to_string(i) + " " + r.key + " " + r.segments);
    const std::vector<Piece> pieces = PiecesOf(r.segments);
    const std::uint32_t spelled = Spelled(pieces);
    // W11
    if (r.primary) {
      EXPECT_EQ(PhonemeOf(r), spelled);
      continue;
    }
    if (PhonemeOf(r) & kVoiced) ++voicedExclusions;
    if (PhonemeOf(r) == spelled) {
      ++spelledExclusions;
      continue;
    }
    // W12: a letter pronounced as its voiceless partner.
    const std::vector<std::size_t> marks = Marks(pieces);
    ASSERT_EQ(marks.size(), 1u);
    ++pronounced[{pieces[marks[0]].text, PhonemeOf(r)}];
    const std::size_t m = marks[0];
    EXPECT_TRUE(m + 1 == pieces.size() || pieces[m + 1].text == "k" || pieces[m + 1].text == "ki" ||
                pieces[m + 1].text == "c");
    ASSERT_LT(i + 1, WordTableSize);
    const WordTableRow& twin = WordTable[i + 1];
    EXPECT_EQ(twin.primary, 0);
    EXPECT_STREQ(twin.key, r.key);
    EXPECT_STREQ(twin.segments, r.segments);
    EXPECT_EQ(twin.flags, spelled | PositionOf(r));
    EXPECT_TRUE(spelled & (B | D | G | ZH | W | Z));
  }
  EXPECT_EQ(spelledExclusions, 270);
  const std::map<std::pair<std::string, std::uint32_t>, int> expected = {
      {{"b", P}, 6}, {{"d", T}, 3}, {{"g", K}, 1}, {{"rz", SZ}, 2}, {{"\277", SZ}, 1}, {{"w", F}, 12}, {{"z", S}, 5}};
  EXPECT_EQ(pronounced, expected);
  // The exclusion rows of voiced phonemes are exactly the 30 twins.
  EXPECT_EQ(voicedExclusions, 30);
}

// ---------------------------------------------------------------- D. Count tables

struct Cell {
  std::uint32_t phoneme;
  int initial, medial, final, exclusions;
};

const Cell kCells[] = {{SZ, 17, 21, 4, 13}, {ZH, 23, 21, 0, 3},  {CZ, 8, 16, 6, 9},   {DZH, 2, 1, 0, 0},
                       {S, 28, 29, 9, 24},  {Z, 17, 14, 0, 5},   {C, 7, 13, 5, 18},   {DZ, 3, 6, 0, 0},
                       {SI, 7, 12, 5, 8},   {ZI, 6, 6, 0, 0},    {CI, 3, 5, 8, 5},    {DZI, 2, 4, 0, 0},
                       {P, 31, 26, 3, 22},  {PI, 16, 4, 0, 7},   {B, 30, 32, 0, 6},   {BI, 3, 6, 0, 0},
                       {K, 54, 65, 31, 93}, {KI, 1, 6, 23, 22},  {G, 21, 34, 0, 1},   {GI, 0, 0, 2, 0},
                       {F, 12, 11, 1, 18},  {FI, 1, 2, 0, 2},    {W, 18, 21, 0, 12},  {WI, 16, 13, 0, 0},
                       {T, 15, 56, 9, 29},  {D, 17, 42, 0, 3}};

TEST(WordTable, CountTables) {
  std::map<std::uint32_t, int> primary, exclusions;
  std::map<std::uint32_t, std::set<std::string>> words;
  std::map<std::uint32_t, int> positions, primaryPositions, exclusionPositions;
  for (int i = 0; i < WordTableSize; ++i) {
    const WordTableRow& r = WordTable[i];
    ++positions[PositionOf(r)];
    if (r.primary) {
      ++primary[r.flags];
      words[r.flags].insert(r.key);
      ++primaryPositions[PositionOf(r)];
    } else {
      ++exclusions[PhonemeOf(r)];
      ++exclusionPositions[PositionOf(r)];
    }
  }
  // W13, W14
  for (const Cell& c : kCells) {
    SCOPED_TRACE(c.phoneme);
    EXPECT_EQ(primary[c.phoneme | kInitial], c.initial);
    EXPECT_EQ(primary[c.phoneme | kMedial], c.medial);
    EXPECT_EQ(primary[c.phoneme | kFinal], c.final);
    EXPECT_EQ(exclusions[c.phoneme], c.exclusions);
    for (std::uint32_t pos : {kInitial, kMedial, kFinal}) {
      std::uint32_t cell = c.phoneme | pos;
      int expectedWords = cell == (K | kMedial) ? 62 : cell == (T | kMedial) ? 55 : cell == (DZI | kMedial) ? 3 : primary[cell];
      EXPECT_EQ(int(words[cell].size()), expectedWords);
    }
  }
  // W15
  EXPECT_EQ(positions, (std::map<std::uint32_t, int>{{kInitial, 428}, {kMedial, 599}, {kFinal, 203}}));
  EXPECT_EQ(primaryPositions, (std::map<std::uint32_t, int>{{kInitial, 358}, {kMedial, 466}, {kFinal, 106}}));
  EXPECT_EQ(exclusionPositions, (std::map<std::uint32_t, int>{{kInitial, 70}, {kMedial, 133}, {kFinal, 97}}));

  // W16: rows with two marks.
  int twoMarks = 0, twoMarkPrimary = 0;
  std::map<std::uint32_t, int> twoMarkPositions;
  std::map<std::string, int> firstMarks;
  for (int i = 0; i < WordTableSize; ++i) {
    const std::vector<Piece> pieces = PiecesOf(WordTable[i].segments);
    const std::vector<std::size_t> marks = Marks(pieces);
    if (marks.size() != 2) continue;
    ++twoMarks;
    twoMarkPrimary += WordTable[i].primary;
    ++twoMarkPositions[PositionOf(WordTable[i])];
    ++firstMarks[pieces[marks[0]].text];
    EXPECT_EQ(pieces[marks[1]].text, "i");
  }
  EXPECT_EQ(twoMarks, 73);
  EXPECT_EQ(twoMarkPrimary, 47);
  EXPECT_EQ(twoMarkPositions, (std::map<std::uint32_t, int>{{kInitial, 15}, {kMedial, 13}, {kFinal, 45}}));
  EXPECT_EQ(firstMarks, (std::map<std::string, int>{{"k", 42}, {"w", 11}, {"p", 9}, {"f", 3}, {"b", 2}, {"g", 2},
                                                    {"dz", 1}, {"z", 1}, {"c", 1}, {"s", 1}}));
}

// ---------------------------------------------------------------- E. Per word

TEST(WordTable, PerWord) {
  const auto primary = RowsByKey(0, 930);
  const auto exclusion = RowsByKey(930, 1230);
  const auto all = RowsByKey(0, 1230);
  // W17, W18, W19
  EXPECT_EQ(Histogram(primary), (std::map<int, int>{{1, 300}, {2, 191}, {3, 68}, {4, 11}}));
  std::map<int, int> exclusionsPerWord = Histogram(exclusion);
  exclusionsPerWord[0] = 570 - int(exclusion.size());
  EXPECT_EQ(exclusionsPerWord, (std::map<int, int>{{0, 382}, {1, 106}, {2, 59}, {3, 19}, {4, 2}, {5, 1}, {6, 1}}));
  EXPECT_EQ(Histogram(all), (std::map<int, int>{{1, 139}, {2, 254}, {3, 134}, {4, 37}, {5, 4}, {6, 1}, {7, 1}}));
  EXPECT_EQ(all.at("rzodkiewki").size(), 7u);

  // W20: primary rows of one word with the same flags, on different pieces.
  std::map<std::string, std::uint32_t> sameFlags;
  for (const auto& [key, rows] : primary)
    for (std::size_t a = 0; a < rows.size(); ++a)
      for (std::size_t b = a + 1; b < rows.size(); ++b)
        if (rows[a]->flags == rows[b]->flags) {
          sameFlags[key] = rows[a]->flags;
          EXPECT_STRNE(rows[a]->segments, rows[b]->segments) << key;
        }
  EXPECT_EQ(sameFlags, (std::map<std::string, std::uint32_t>{{"jasko^l^ka", K | kMedial},
                                                             {"sikorka", K | kMedial},
                                                             {"szklanka", K | kMedial},
                                                             {"statek", T | kMedial},
                                                             {"niedx^wiedzie", DZI | kMedial}}));

  // W21: one pair of identical rows.
  std::map<std::tuple<int, std::string, std::string, std::uint32_t>, int> seen;
  for (int i = 0; i < WordTableSize; ++i) {
    const WordTableRow& r = WordTable[i];
    ++seen[{r.primary, r.key, r.segments, r.flags}];
  }
  int repeated = 0;
  for (const auto& [row, n] : seen)
    if (n > 1) {
      ++repeated;
      EXPECT_EQ(n, 2);
      EXPECT_EQ(row, std::make_tuple(0, std::string("re^kawiczka"), std::string("r,\352,_k,a,w,i,cz,k,a,"),
                                     std::uint32_t(K | kMedial)));
    }
  EXPECT_EQ(repeated, 1);
  std::multiset<std::uint32_t> rekawiczka;
  for (const WordTableRow* r : exclusion.at("re^kawiczka")) rekawiczka.insert(PhonemeOf(*r));
  EXPECT_EQ(rekawiczka, (std::multiset<std::uint32_t>{K, K, CZ}));

  // W22
  EXPECT_EQ(primary.at("dezodorant").size(), 3u);
  std::set<std::uint32_t> kaszka;
  for (const WordTableRow* r : primary.at("kaszka")) kaszka.insert(r->flags);
  EXPECT_TRUE(kaszka.count(K | kInitial) && kaszka.count(K | kMedial));
  EXPECT_EQ(primary.at("statek").size(), 4u);
}

// ---------------------------------------------------------------- F. The rows the table must show

struct Telling {
  int primary;
  const char* key;
  const char* segments;
  std::uint32_t flags;
  const char* phonemeText;
  const char* firstMark;
  const char* secondMark;
};

const Telling kTelling[] = {
    {1, "afrykanin", "a,_f,r,y,k,a,n,i,n,", 0x20100000, "F", "F", ""},
    {1, "brzuch", "b,_rz,u,ch,", 0x20000002, "RZ", "RZ", ""},
    {1, "budzik", "b,u,_dz,_i,k,", 0x20000800, "DZI", "DZ", "I"},
    {1, "chomiki", "ch,o,m,i,_k,_i,", 0x40020000, "KI", "K", "I"},
    {1, "cie^z^aro^wka", "ci,\352,_\277,a,r,\363,w,k,a,", 0x20000002, "\257", "\257", ""},
    {1, "cukier", "c,u,_ki,e,r,", 0x20020000, "KI", "KI", ""},
    {1, "dezodorant", "d,e,z,o,_d,o,r,a,n,t,", 0x22000000, "D", "D", ""},
    {1, "dziadek", "_dzi,a,d,e,k,", 0x10000800, "DZI", "DZI", ""},
    {1, "niedx^wiedzie", "n,i,e,_d\237,wi,e,dzi,e,", 0x20000800, "D\217", "D\217", ""},
    {1, "niedx^wiedzie", "n,i,e,d\237,wi,e,_dzi,e,", 0x20000800, "DZI", "DZI", ""},
    {1, "osiem", "o,_si,e,m,", 0x20000100, "SI", "SI", ""},
    {1, "papugi", "p,a,p,u,_g,_i,", 0x40080000, "GI", "G", "I"},
    {1, "pil^ka", "_p,_i,\263,k,a,", 0x10002000, "PI", "P", "I"},
    {1, "statek", "_s,t,a,t,e,k,", 0x10000010, "S", "S", ""},
    {1, "statek", "s,_t,a,t,e,k,", 0x21000000, "T", "T", ""},
    {1, "statek", "s,t,a,_t,e,k,", 0x21000000, "T", "T", ""},
    {1, "statek", "s,t,a,t,e,_k,", 0x40010000, "K", "K", ""},
    {1, "x^rebak", "_\237,r,e,b,a,k,", 0x10000200, "\217", "\217", ""},
    {1, "z^yto", "_\277,y,t,o,", 0x10000002, "\257", "\257", ""},
    {0, "agrafka", "a,g,r,a,f,_k,a,", 0x20010000, "K", "K", ""},
    {0, "ge^si", "g,\352,_s,_i,", 0x40000100, "SI", "S", "I"},
    {0, "re^kawiczka", "r,\352,_k,a,w,i,cz,k,a,", 0x20010000, "K", "K", ""},
    {0, "rzodkiewki", "rz,o,d,ki,e,w,_k,_i,", 0x40020000, "KI", "K", "I"},
    {0, "za^b", "z,\271,_b,", 0x40001000, "B", "B", ""},
    {0, "za^b", "z,\271,_b,", 0x40004000, "B", "B", ""},
    {0, "zlew", "z,l,e,_w,", 0x40100000, "W", "W", ""},
    {0, "zlew", "z,l,e,_w,", 0x40400000, "W", "W", ""},
    {0, "z^yto", "\277,y,_t,o,", 0x21000000, "T", "T", ""},
};

bool Same(const WordTableRow& r, const Telling& t) {
  return r.primary == t.primary && std::string(r.key) == t.key && std::string(r.segments) == t.segments &&
         r.flags == t.flags;
}

TEST(WordTable, TellingRows) {
  // W23: in the table's order within each kind.
  int at[2] = {0, 930};
  for (const Telling& t : kTelling) {
    int& i = at[t.primary ? 0 : 1];
    const int end = t.primary ? 930 : WordTableSize;
    while (i < end && !Same(WordTable[i], t)) ++i;
    ASSERT_LT(i, end) << t.key << " " << t.segments << " not found in order";
    ++i;
  }
  EXPECT_TRUE(Same(WordTable[0], kTelling[0]));
  EXPECT_TRUE(Same(WordTable[929], kTelling[18]));
  EXPECT_TRUE(Same(WordTable[930], kTelling[19]));
  EXPECT_TRUE(Same(WordTable[1229], kTelling[27]));
  for (int i = 930; i + 1 < WordTableSize; ++i) {
    if (Same(WordTable[i], kTelling[23])) { EXPECT_TRUE(Same(WordTable[i + 1], kTelling[24])); }
    if (Same(WordTable[i], kTelling[25])) { EXPECT_TRUE(Same(WordTable[i + 1], kTelling[26])); }
  }

  // The texts the dictionary derives from them.
  CSlowa dictionary;
  for (const Telling& t : kTelling) {
    SCOPED_TRACE(std::string(t.key) + " " + t.segments);
    bool found = false;
    for (const CSlowa::SPaczka& r : t.primary ? dictionary.records : dictionary.exclusions)
      if (r.key == t.key && r.segments == t.segments && r.flags == t.flags) {
        found = true;
        EXPECT_EQ(r.phonemeText, t.phonemeText);
        EXPECT_EQ(r.firstMark, t.firstMark);
        EXPECT_EQ(r.secondMark, t.secondMark);
      }
    EXPECT_TRUE(found);
  }
}

// ---------------------------------------------------------------- G. Letter tiles

TEST(WordTable, EveryPieceHasItsTile) {
  // W24
  std::set<std::string> plain, marked;
  const std::set<std::string> tiles(LetterTileNames, LetterTileNames + LetterTileCount);
  for (int i = 0; i < WordTableSize; ++i)
    for (const Piece& p : PiecesOf(WordTable[i].segments)) {
      (p.marked ? marked : plain).insert(p.text);
      std::string segment = (p.marked ? "_" : "") + p.text;
      EXPECT_TRUE(tiles.count(SegmentToTileName(segment))) << segment;
    }
  EXPECT_EQ(plain, kPieceAlphabet);
  const std::set<std::string> expectedMarked = {"b",   "bi",    "c",     "\346", "ci",  "cz", "d",  "dz",
                                                "dzi", "d\277", "d\237", "f",    "fi",  "g",  "i",  "k",
                                                "ki",  "p",     "pi",    "rz",   "s",   "si", "\234", "sz",
                                                "t",   "w",     "wi",    "z",    "zi",  "\277", "\237"};
  EXPECT_EQ(marked, expectedMarked);
  EXPECT_FALSE(plain.count("gi") || marked.count("gi"));
  // The red tiles are the marked pieces and gi, j, l, ni, r.
  std::set<std::string> red;
  for (const std::string& t : tiles)
    if (t.size() > 4 && t.ends_with("_red")) red.insert(TileNameToSegment(t).substr(1));
  std::set<std::string> unused;
  std::set_difference(red.begin(), red.end(), marked.begin(), marked.end(), std::inserter(unused, unused.end()));
  EXPECT_EQ(unused, (std::set<std::string>{"gi", "j", "l", "ni", "r"}));
  EXPECT_EQ(red.size(), 36u);
}

// ---------------------------------------------------------------- H. What the games rely on

TEST(WordTable, GameContent) {
  CSlowa d;
  // W25: no word mixes the voicing classes in its primary rows.
  int voiced = 0, voiceless = 0;
  for (const CSlowa::CPaczkaEx* w : d.words) {
    EXPECT_TRUE((w->phonemes & ~kVoiced) == 0 || (w->phonemes & ~kVoiceless) == 0) << w->key;
    (w->phonemes & kVoiced ? voiced : voiceless) += 1;
  }

  // W26: words per phoneme over all positions.
  std::vector<int> usable, counts;
  const int total = d.UsablePhonemes(usable, 0x73FFFFFF, &counts, 5);
  EXPECT_EQ(usable.size(), 23u);
  EXPECT_EQ(d.CountWords(DZH | 0x70000000), 2);
  EXPECT_EQ(d.CountWords(GI | 0x70000000), 2);
  EXPECT_EQ(d.CountWords(FI | 0x70000000), 3);
  EXPECT_EQ(d.CountWords(DZI | 0x70000000), 5);
  for (int bit = 0; bit < 26; ++bit) {
    std::uint32_t p = 1u << bit;
    bool expectedUsable = p != DZH && p != GI && p != FI;
    EXPECT_EQ(d.CountWords(p | 0x70000000) >= 5, expectedUsable) << p;
    EXPECT_EQ(std::count(usable.begin(), usable.end(), int(p)), expectedUsable ? 1 : 0) << p;
  }

  // W27: K alone has a rounded share of ten draws.
  EXPECT_EQ(total, 894);
  ASSERT_EQ(counts.size(), usable.size());
  int largestOther = 0;
  for (std::size_t i = 0; i < usable.size(); ++i) {
    if (std::uint32_t(usable[i]) == K) {
      EXPECT_EQ(counts[i], 138);
      EXPECT_GE(10 * counts[i], total);
    } else {
      EXPECT_GT(total, 10 * counts[i]);
      largestOther = std::max(largestOther, counts[i]);
    }
  }
  EXPECT_EQ(largestOther, 75);
  EXPECT_EQ(d.CountWords(T | 0x70000000), 75);

  // W28: the vines game's fallbacks for wrong words.
  std::size_t least3 = 9999, least4 = 9999;
  std::uint32_t at3 = 0, at4 = 0;
  for (int bit = 0; bit < 26; ++bit) {
    const std::uint32_t p = 1u << bit;
    std::vector<CSlowa::CPaczkaEx*> step3, step4;
    d.SelectWordsExcluding(step3, ((p & kVoiced) ? kVoiceless : kVoiced) | 0x70000000, p);
    d.SelectWordsWithoutExcluding(step4, p | 0x70000000, p);
    EXPECT_GE(step3.size(), 191u) << p;
    EXPECT_GE(step4.size(), 345u) << p;
    if (step3.size() < least3) least3 = step3.size(), at3 = p;
    if (step4.size() < least4) least4 = step4.size(), at4 = p;
  }
  EXPECT_EQ(least3, 191u);
  EXPECT_EQ(least4, 345u);
  EXPECT_EQ(at3, K);
  EXPECT_EQ(at4, K);

  // W29
  EXPECT_EQ(d.CountWords(K | kFinal), 31);
  EXPECT_EQ(d.CountWords(G | kFinal), 0);
  EXPECT_EQ(voiced, 278);
  EXPECT_EQ(voiceless, 292);
  // The same classes through the selections: disjoint, together every word.
  std::vector<CSlowa::CPaczkaEx*> voicedWords, voicelessWords;
  d.SelectWords(voicedWords, kVoiced | 0x70000000);
  d.SelectWords(voicelessWords, kVoiceless | 0x70000000);
  EXPECT_EQ(voicedWords.size(), 278u);
  EXPECT_EQ(voicelessWords.size(), 292u);
  std::set<CSlowa::CPaczkaEx*> both(voicedWords.begin(), voicedWords.end());
  both.insert(voicelessWords.begin(), voicelessWords.end());
  EXPECT_EQ(both.size(), 570u);
}

}  // namespace
