#include "toolkit/Universalfn.h"

#include <cstdlib>

#include "platform/Random.h"
#include "platform/SysUtils.h"
#include "platform/WinApi.h"

namespace {
// The nine Polish letter pairs of code page 1250: lower, upper.
const unsigned char kCase[9][2] = {{0xB9, 0xA5}, {0xEA, 0xCA}, {0x9C, 0x8C}, {0xE6, 0xC6}, {0xF1, 0xD1},
                                   {0x9F, 0x8F}, {0xBF, 0xAF}, {0xF3, 0xD3}, {0xB3, 0xA3}};

std::string MapCase(const std::string& text, int from, int to, char lo, char hi, bool setBit) {
  std::string out = text;
  for (char& ch : out) {
    unsigned char c = (unsigned char)ch;
    if (c >= 0x80) {
      for (const auto& pair : kCase)
        if (c == pair[from]) {
          ch = char(pair[to]);
          break;
        }
    } else if (ch >= lo && ch <= hi) {
      ch = setBit ? char(c | 0x20) : char(c & ~0x20);
    }
  }
  return out;
}
}  // namespace

std::string PolishUpperCase(const std::string& text) { return MapCase(text, 0, 1, 'a', 'z', false); }

std::string PolishLowerCase(const std::string& text) { return MapCase(text, 1, 0, 'A', 'Z', true); }

std::string AddTrailingBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path;
  return path + "\\";
}

void ListFiles(const std::string& directory, const std::string& mask, TStrings* list) {
  std::string dir = directory.empty() ? directory : AddTrailingBackslash(directory);
  TSearchRec rec;
  if (FindFirst(dir + mask, faHidden, rec) == 0) {
    do {
      list->Add(rec.Name);
    } while (FindNext(rec) == 0);
    FindClose(rec);
  }
}

bool DistributeCount(const std::vector<std::int32_t>& available, std::int32_t total, std::vector<std::int32_t>& out,
                     std::int32_t requested) {
  const int n = int(available.size());
  if (requested < 0 || n == 0) return false;
  if (total < 0) {
    total = 0;
    for (std::int32_t a : available) total += a;
  }
  out.resize(std::size_t(n), 0);
  if (total == 0) {
    if (requested != 0) return false;
    for (auto& v : out) v = 0;
    return true;
  }

  // First shares, rounded half up; groups with something but a share of 0 are counted.
  std::int32_t sum = 0;
  int zeroShares = 0;
  for (int i = 0; i < n; ++i) {
    if (available[std::size_t(i)] != 0) {
      std::int64_t share = (std::int64_t(available[std::size_t(i)]) * requested * 2 + total) / (std::int64_t(total) * 2);
      out[std::size_t(i)] = std::int32_t(share);
      if (share == 0) ++zeroShares;
      else sum += std::int32_t(share);
    } else {
      out[std::size_t(i)] = 0;
    }
  }
  if (sum == requested && zeroShares == 0) return true;

  // Take items from the largest shares: always the excess, and room for the
  // zero shares while the largest share is above 1.
  if (sum > 1) {
    while (sum > requested || zeroShares > 0) {
      int m = 0;
      int t = 0;
      for (int i = 0; i < n; ++i) {
        if (out[std::size_t(i)] > out[std::size_t(m)]) {
          m = i;
          t = 1;
        } else if (out[std::size_t(i)] == out[std::size_t(m)]) {
          ++t;
        }
      }
      if (zeroShares > 0 && sum <= requested) {
        if (out[std::size_t(m)] == 1) break;
        --zeroShares;
      }
      if (t > 1) {
        // The draw falls on one of the first t groups, not necessarily a tied one.
        int r = Rand15() % t;
        if (out[std::size_t(r)] == out[std::size_t(m)]) m = r;
      }
      --out[std::size_t(m)];
      --sum;
    }
  }

  // Give the missing items out: to the drawn group when its share is 0, else
  // to the smallest share (or first zero share) met walking on from it.
  while (sum < requested) {
    int r = Rand15() % n;
    if (out[std::size_t(r)] == 0) {
      ++out[std::size_t(r)];
    } else {
      int pick = r;
      for (int step = 0; step < n; ++step) {
        int k = (r + step) % n;
        if (available[std::size_t(k)] != 0 && out[std::size_t(k)] < out[std::size_t(pick)]) {
          pick = k;
          if (out[std::size_t(k)] == 0) break;
        }
      }
      ++out[std::size_t(pick)];
    }
    ++sum;
  }
  return true;
}

void FlushMouseMessages(HWND hwnd, unsigned flags, UINT buttonUp) {
  struct Kept {
    TMsg msg;
    int number = 0;  // order of removal, from 1; 0 when there is none
  };
  Kept firstMove, lastMove, up, moveBeforeUp;
  TMsg m;
  int number = 0;
  while (PeekMessage(&m, hwnd, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    ++number;
    if (m.message == WM_MOUSEMOVE) {
      if (!firstMove.number) firstMove = {m, number};
      lastMove = {m, number};
    } else if (buttonUp && m.message == buttonUp && !up.number) {
      up = {m, number};
      moveBeforeUp = lastMove;
    }
  }
  auto repost = [](const TMsg& k) { PostMessage(k.hwnd, k.message, k.wParam, k.lParam); };
  int firstKept = 0;
  if ((flags & fmmKeepFirstMove) && firstMove.number) {
    repost(firstMove.msg);
    firstKept = firstMove.number;
  }
  if (up.number) {
    if (moveBeforeUp.number > firstKept) repost(moveBeforeUp.msg);
    repost(up.msg);
  }
  if ((flags & fmmKeepLastMove) && lastMove.number > firstKept && lastMove.number > up.number) repost(lastMove.msg);
  if ((flags & fmmReleaseCapture) && GetCapture() == hwnd) ReleaseCapture();
}

void FlushControlMouseMessages(TWinControl* control, unsigned flags, int button) {
  if (!control) return;
  UINT up = 0;
  switch (button) {
    case mbLeft: up = WM_LBUTTONUP; break;
    case mbRight: up = WM_RBUTTONUP; break;
    case mbMiddle: up = WM_MBUTTONUP; break;
    default: break;
  }
  FlushMouseMessages(control->Handle(), flags, up);
}

void SetControlCursor(TControl* control, TCursor cursor) {
  control->Cursor = cursor;
  SetCursor(Screen->Cursors(cursor));
}

void RestoreUncoveredBackground(TCanvas* target, TCanvas* background, int newLeft, int newTop, TRect old) {
  if (!target || !background) return;
  const int dx = newLeft - old.left, dy = newTop - old.top;
  const int w = old.right - old.left, h = old.bottom - old.top;
  if (std::abs(dx) >= w || std::abs(dy) >= h) {
    target->CopyRect(old, background, old);
    return;
  }
  // The band: full width, the rows the new place left; the strip: the columns
  // it left, over the other rows. Together the L-shaped uncovered part.
  const TRect band = dy >= 0 ? Rect(old.left, old.top, old.right, old.top + dy)
                             : Rect(old.left, old.bottom + dy, old.right, old.bottom);
  const int stripTop = dy >= 0 ? old.top + dy : old.top;
  const int stripBottom = dy >= 0 ? old.bottom : old.bottom + dy;
  const TRect strip = dx >= 0 ? Rect(old.left, stripTop, old.left + dx, stripBottom)
                              : Rect(old.right + dx, stripTop, old.right, stripBottom);
  if (dx != 0) target->CopyRect(strip, background, strip);
  if (dy != 0) target->CopyRect(band, background, band);
}

void CopyRectExcept(TCanvas* target, int destX, int destY, TRect excluded, const TRect& source, TCanvas* canvas) {
  if (!target || !canvas) return;
  const int ox = destX - source.left, oy = destY - source.top;
  auto copy = [&](const TRect& r) { target->CopyRect(Rect(r.left + ox, r.top + oy, r.right + ox, r.bottom + oy), canvas, r); };
  int top = excluded.top;
  if (source.top < excluded.top) copy(Rect(source.left, source.top, source.right, excluded.top));
  else top = source.top;
  int bottom = excluded.bottom;
  if (source.bottom > excluded.bottom) copy(Rect(source.left, excluded.bottom, source.right, source.bottom));
  else bottom = source.bottom;
  if (bottom > top) {
    if (excluded.left > source.left) copy(Rect(source.left, top, excluded.left, bottom));
    if (source.right > excluded.right) copy(Rect(excluded.right, top, source.right, bottom));
  }
}
