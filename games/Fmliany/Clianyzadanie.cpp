#include "games/Fmliany/Clianyzadanie.h"

#include <algorithm>
#include <numeric>

#include "platform/Random.h"
#include "shell/_custgry.h"
#include "shell/_gloskifn.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Universalfn.h"

namespace {
constexpr PhonemeMask kVoiced = 0x2CCCAAA;
constexpr PhonemeMask kVoiceless = 0x1333555;

// A copy of the shape with the word's picture composed into its colour
// through the picture window; the alpha stays the shape's.
void ComposeLeaf(CTransBitmap& leaf, const CTransBitmap& shape, TBitmap* word, TBitmap* window, TPoint at) {
  leaf.Assign(shape);
  const TRect clip = Rect(0, 0, word->Width(), word->Height());
  Composite(leaf.Colour, at.x, at.y, word, window, &clip, leaf.Colour, at.x, at.y, 255);
}
}  // namespace

TRect CLianyZadanie::CListek::Bounds() const {
  const int w = picture.Colour ? picture.Colour->Width() : 0;
  const int h = picture.Colour ? picture.Colour->Height() : 0;
  return ::Bounds(x, y, w, h);
}

int CLianyZadanie::FirstUncutCorrect() const {
  for (std::size_t i = 0; i < leaves.size(); ++i)
    if (leaves[i]->correct && !leaves[i]->cut) return int(i);
  return -1;
}

TPoint CLianyZadanie::TakeCollectPoint(int width) {
  const TPoint p{collectX, collectY};
  collectX -= width;
  return p;
}

void CLianyZadanie::Land(int i, TPoint p) {
  CListek& leaf = *leaves[std::size_t(i)];
  leaf.x = p.x;
  leaf.y = p.y;
  leaf.cut = 1;
  if (remaining > 0) --remaining;
}

int UncutCorrectLeaves(const LianyTasks& tasks) {
  int n = 0;
  for (const auto& t : tasks) n += t->remaining;
  return n;
}

LianyLevel LianyLevelOf(int level) {
  switch (level) {
    case 1:
      return {5, 6, 3};
    case 2:
      return {7, 8, 4};
    case 3:
      return {9, 10, 5};
    default:
      return {4, 6, 3};
  }
}

bool LianyUsablePhonemes(const CSlowa& dictionary, const CUstGry& settings, std::vector<int>& phonemes,
                         std::vector<int>& counts) {
  const PhonemeMask mask = PhonemeMask(settings.PhonemeMask | settings.PositionMask);
  dictionary.UsablePhonemes(phonemes, mask, &counts, LianyLevelOf(settings.Level).correctLeafCount + 2);
  return !phonemes.empty();
}

void LianyWrongWordPool(const CSlowa& dictionary, std::int32_t phoneme, PhonemeMask positions, int wrong,
                        std::vector<CSlowa::CPaczkaEx*>& pool) {
  const PhonemeMask sound = PhonemeMask(phoneme) & CSlowa::AllPhonemes;
  const PhonemeMask partner = PhonemeMask(OppositeMask(std::int32_t(sound)));
  auto select = [&](PhonemeMask mask, int enough) {
    pool.clear();
    dictionary.SelectWordsExcluding(pool, mask, sound);
    return int(pool.size()) >= enough;
  };
  positions &= CSlowa::AllPositions;
  bool enough = select(partner | positions, wrong + 2);
  if (!enough && positions != CSlowa::AllPositions) enough = select(partner | CSlowa::AllPositions, wrong + 2);
  if (!enough) enough = select(((sound & kVoiced) ? kVoiceless : kVoiced) | CSlowa::AllPositions, wrong);
  if (!enough) {
    pool.clear();
    dictionary.SelectWordsWithoutExcluding(pool, sound | CSlowa::AllPositions, sound);
  }
}

LianyTasks GenerateLianyTasks(CSlowa& dictionary, const CUstGry& settings, const std::vector<int>& usablePhonemes,
                              const std::vector<int>& usableWordCounts, int taskCount, const SLianyArt& art) {
  LianyTasks tasks;
  const int n = int(usablePhonemes.size());
  if (n == 0 || taskCount <= 0) return tasks;
  const LianyLevel level = LianyLevelOf(settings.Level);
  const int K = level.correctLeafCount, N = level.leafCount, W = N - K;
  const PhonemeMask positions = PhonemeMask(settings.PositionMask) & CSlowa::AllPositions;

  // Tasks per sound in proportion to its words, then the sounds in random order.
  std::vector<std::int32_t> shares;
  DistributeCount(usableWordCounts, -1, shares, taskCount);
  std::vector<int> order;
  for (int i = 0; i < n && i < int(shares.size()); ++i)
    order.insert(order.end(), std::size_t(std::max(shares[std::size_t(i)], 0)), i);
  order.resize(std::size_t(taskCount), 0);
  ShuffleInts(order, taskCount);

  std::vector<int> anchorOrder(10);
  std::iota(anchorOrder.begin(), anchorOrder.end(), 0);
  const int leafWidth = art.leaf[0] && art.leaf[0]->Colour ? art.leaf[0]->Colour->Width() : 0;

  for (int t = 0; t < taskCount; ++t) {
    auto task = std::make_unique<CLianyZadanie>();
    task->leaves.reserve(10);
    task->remaining = K;
    task->collectX = art.collectBase.x + leafWidth * (K - 2) / 2;
    task->collectY = art.collectBase.y;
    task->phoneme = usablePhonemes[std::size_t(order[std::size_t(t)])];

    // The correct words and, beyond them when the sound has enough, the title word.
    std::vector<CSlowa::CPaczkaEx*> pool, correct, wrong;
    dictionary.SelectWords(pool, PhonemeMask(task->phoneme) | positions);
    if (int(pool.size()) > K) {
      dictionary.DrawWords(correct, K + 1, pool);
      task->titleWord = correct.back();
      correct.pop_back();
    } else {
      dictionary.DrawWords(correct, K, pool);
      task->titleWord = correct[std::size_t(Rand15() % K)];
    }
    task->titlePicture.reset(
        LoadWordPicture(task->titleWord->key, art.titleMask->Width(), art.titleMask->Height(), true, true));

    LianyWrongWordPool(dictionary, task->phoneme, positions, W, pool);
    dictionary.DrawWords(wrong, W, pool);
    for (int i = 0; i < N; ++i) {
      auto leaf = std::make_unique<CLianyZadanie::CListek>();
      leaf->correct = i < K;
      leaf->word = i < K ? correct[std::size_t(i)] : wrong[std::size_t(i - K)];
      task->leaves.push_back(std::move(leaf));
    }

    // Each leaf on its anchor, the word's picture composed into both looks.
    ShuffleInts(anchorOrder, 10);
    for (int i = 0; i < N; ++i) {
      CLianyZadanie::CListek& leaf = *task->leaves[std::size_t(i)];
      const int a = anchorOrder[std::size_t(i)];
      const int s = a <= 5 ? 0 : 1;
      leaf.leftShape = s == 0;
      leaf.x = art.anchors[a].x;
      leaf.y = art.anchors[a].y;
      leaf.cut = 0;
      TBitmap* window = art.pictureMask[s];
      std::unique_ptr<TBitmap> picture(LoadWordPicture(leaf.word->key, window->Width(), window->Height(), true, true));
      ComposeLeaf(leaf.picture, *art.leaf[s], picture.get(), window, art.pictureOffset[s]);
      ComposeLeaf(leaf.highlightPicture, *art.leafLit[s], picture.get(), window, art.pictureOffset[s]);
    }
    tasks.push_back(std::move(task));
  }
  return tasks;
}
