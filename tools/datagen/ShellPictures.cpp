// Generates the pictures of the main window, dialogs, splash and about box.
//
// Main window and about box: a background per art set in the program's
// scenery with a large plain plate for the controls. The wait picture: a
// smiling sun asking to wait. The message box, the end-of-game window and
// the splash: one size each. The loudspeaker toggle: off (crossed out) and
// on (sound waves), as exact BMP pairs.
#include <cmath>
#include <functional>

#include "shell/PictureLayout.h"
#include "tools/datagen/Modules.h"
#include "tools/datagen/Scenery.h"
#include "tools/datagen/SceneryChecks.h"

namespace datagen {

namespace {

using namespace scenery;
using checks::Problems;

const std::string kSpec = "Data\\Intf\\Spec\\";
const std::string kProgramName = "Trelamondo";
const std::string kPleaseWait = "Prosz\xC4\x99 czeka\xC4\x87\xE2\x80\xA6";  // UTF-8 "Proszę czekać…"

// A full-screen background: its name, its size, and the screens that show it.
struct Backdrop {
  std::string name;
  int width, height;
  std::vector<TPoint> screens;
};

// The main window's backgrounds by art set, at the art size.
const std::vector<Backdrop>& MainBackdrops() {
  static const std::vector<Backdrop> list = {
      {kSpec + "R2_mainT.xji", 800, 600, {{800, 600}}},
      {kSpec + "R3_mainT.xji", 1024, 768, {{1024, 768}}},
      {kSpec + "R8_mainT.xji", 1280, 1024, {{1280, 960}, {1280, 1024}}},
  };
  return list;
}

// The about box's backgrounds by the first prefix: "R5" serves 1280x960,
// "R8" the 1280x1024 game area.
const std::vector<Backdrop>& AboutBackdrops() {
  static const std::vector<Backdrop> list = {
      {kSpec + "R2_oprT.xji", 800, 600, {{800, 600}}},
      {kSpec + "R3_oprT.xji", 1024, 768, {{1024, 768}}},
      {kSpec + "R5_oprT.xji", 1280, 960, {{1280, 960}}},
      {kSpec + "R8_oprT.xji", 1280, 1024, {{1280, 1024}}},
  };
  return list;
}

// The plain plate of the main window, in design pixels: controls go here.
constexpr double kMainPlate[4] = {picturelayout::kMainPlate.left, picturelayout::kMainPlate.top,
                                  picturelayout::kMainPlate.width, picturelayout::kMainPlate.height};
// The free band above it, for the tab markers.
constexpr double kTabBand = 140;
// The scene's design height: a taller picture (the 1280x1024 game area)
// continues its grass below, where the window's bottom buttons stand.
constexpr double kSceneHeight = 960;
// The main window's sun, in front of the top right corner of the plate: its
// rays stay right of the tabs, above the controls' area inside the plate
// and inside the picture.
constexpr double kMainSun[3] = {1230, 134, 30};

// One-size pictures.
constexpr int kMessageW = 400, kMessageH = 200;
constexpr int kEndW = 480, kEndH = 320;
constexpr int kSplashW = 480, kSplashH = 320;

// The wait picture: designed 384x320 and scaled with the art set.
struct WaitPicture {
  std::string base;
  int width, height;
};
const std::vector<WaitPicture>& WaitPictures() {
  static const std::vector<WaitPicture> list = {
      {kSpec + "R2_wait", 240, 200},
      {kSpec + "R3_wait", 307, 256},
      {kSpec + "R5_wait", 384, 320},
  };
  return list;
}

// The loudspeaker toggle: "R2_glos" for art set 2, "R3_glos" for the others.
struct Loudspeaker {
  std::string base;
  int size;
};
const std::vector<Loudspeaker>& Loudspeakers() {
  static const std::vector<Loudspeaker> list = {{kSpec + "R2_glos", 48}, {kSpec + "R3_glos", 64}};
  return list;
}

// ------------------------------------------------------------- drawing

// The ground of a full-screen scene: hills from `top` and flowers at the
// sides of the bottom strip.
void Meadow(cairo_t* cr, double top, double bottom, Dice& dice) {
  Hills(cr, kDesignWidth, top, bottom, dice);
  FlowerBed(cr, 20, bottom - 110, 300, 60, 8, dice, 15);
  FlowerBed(cr, 960, bottom - 110, 300, 60, 8, dice, 15);
}

// A large plain plate for controls or text, with a light inner line.
void ControlPlate(cairo_t* cr, double x, double y, double w, double h) {
  Plate(cr, x, y, w, h, 36, kCream, 1.0, 0.6);
  RoundedRect(cr, x + 12, y + 12, w - 24, h - 24, 26);
  SetColor(cr, kWood, 0.35);
  cairo_set_line_width(cr, 2.5);
  double dash[2] = {14, 8};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

// The row of the main window's six tabs in a picture's pixels, as the window
// lays it out: 150 x 56 tabs (118 x 44 in the 800 x 600 art set), a gap of 6
// and a top of 14 at 1024 x 768, scaled.
TRect TabRow(const Art& art) {
  CDisplay d = checks::DisplayFor(art.Width(), art.Height());
  const int tabW = d.ArtSet == 2 ? 118 : 150, tabH = d.ArtSet == 2 ? 44 : 56;
  const int row = 6 * tabW + 5 * d.Scale(4, 6);
  return Bounds((art.Width() - row) / 2, d.Scale(4, 14), row, tabH);
}

// The controls' area of the main window in a picture's pixels: the plate
// inside its margin.
TRect ControlArea(const Art& art) {
  CDisplay d = checks::DisplayFor(art.Width(), art.Height());
  auto P = [&d](int v) { return d.Scale(16, v); };
  const picturelayout::Plate& p = picturelayout::kMainPlate;
  const int inset = P(30);
  return Rect(P(p.left) + inset, P(p.top) + inset, P(p.left + p.width) - inset, P(p.top + p.height) - inset);
}

// The tabs are opaque pictures with a cream margin around their rounded
// plates; they stand on a cream shelf so the margins don't show.
void TabShelf(cairo_t* cr, const Stage& st, const Art& art) {
  const TRect row = TabRow(art);
  const int margin = checks::DisplayFor(art.Width(), art.Height()).Scale(4, 8);
  Plate(cr, st.ToDesign(row.left - margin), st.ToDesign(row.top - margin), st.ToDesign(row.Width() + 2 * margin),
        st.ToDesign(row.Height() + 2 * margin), st.ToDesign(margin + 10), kCream, 1.0, 0.6);
}

void DrawMainBackground(Art& art) {
  cairo_t* cr = art.cr();
  Stage st(cr, art.Width());
  const double H = st.ToDesign(art.Height());
  const double* sun = kMainSun;
  Dice dice(5);
  Sky(cr, kDesignWidth, H, 760);
  SunGlow(cr, sun[0], sun[1], sun[2]);
  Cloud(cr, 330, 60, 150);
  Cloud(cr, 1090, 50, 170);
  Cloud(cr, 760, 96, 110);
  cairo_rectangle(cr, 0, kSceneHeight, kDesignWidth, std::max(0.0, H - kSceneHeight));
  SetColor(cr, kGrassDark);
  cairo_fill(cr);
  Meadow(cr, 760, kSceneHeight, dice);
  const double* p = kMainPlate;
  ControlPlate(cr, p[0], p[1], p[2], p[3]);
  TabShelf(cr, st, art);
  SunDisc(cr, sun[0], sun[1], sun[2]);
}

void DrawAboutBackground(Art& art) {
  cairo_t* cr = art.cr();
  Stage st(cr, art.Width());
  const double H = st.ToDesign(art.Height());
  Dice dice(9);
  Sky(cr, kDesignWidth, H, 700);
  Sun(cr, 130, 120, 66, true);
  Cloud(cr, 420, 70, 180);
  Cloud(cr, 1060, 110, 200);
  Meadow(cr, 700, H, dice);
  AppleTree(cr, 1196, 930, 260);
  // The program's name on a wooden sign, then a plate for the credits.
  const double sx = 400, sy = 70, sw = 480, sh = 110;
  WoodenFrame(cr, sx, sy, sw, sh, 16, 24, kCream);
  SetColor(cr, kText);
  CentredText(cr, Face::SansBold, 60, kProgramName, sx + sw / 2, sy + sh / 2);
  ControlPlate(cr, 200, 240, 880, 580);
}

// Bunting across the top of a small window: flags in the palette's colours.
void Bunting(cairo_t* cr, double w, double top, double sag, double flag) {
  auto rope = [&](double x) { return top + sag * 4 * (x / w) * (1 - x / w); };
  cairo_move_to(cr, 0, rope(0));
  for (double x = 8; x <= w; x += 8) cairo_line_to(cr, x, rope(x));
  SetColor(cr, kOutline, 0.7);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  int i = 0;
  for (double x = flag * 0.8; x + flag * 0.8 < w; x += flag * 1.35, ++i) {
    double y0 = rope(x), y1 = rope(x + flag);
    cairo_move_to(cr, x, y0);
    cairo_line_to(cr, x + flag, y1);
    cairo_line_to(cr, x + flag / 2, (y0 + y1) / 2 + flag * 1.1);
    cairo_close_path(cr);
    FillOutlined(cr, kPetals[i % 5], 1.8);
  }
}

// A window border along a 25x25 rounded window region.
void WindowBorder(cairo_t* cr, double w, double h) {
  RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, 12);
  StrokeOutline(cr, 3);
  cairo_new_path(cr);
}

void DrawMessageBox(Art& art) {
  cairo_t* cr = art.cr();
  const double w = art.Width(), h = art.Height();
  Dice dice(31);
  Sky(cr, w, h, h);
  Hills(cr, w, 148, h, dice);
  FlowerBed(cr, 18, 166, 50, 10, 2, dice, 7);
  FlowerBed(cr, 336, 166, 50, 10, 2, dice, 7);
  const picturelayout::DialogPlate& p = picturelayout::kMessagePlate;
  Plate(cr, p.margin, p.top, w - 2 * p.margin, p.height, 18, kCream, 0.95, 0.55);
  WindowBorder(cr, w, h);
}

void DrawEndOfGame(Art& art) {
  cairo_t* cr = art.cr();
  const double w = art.Width(), h = art.Height();
  Dice dice(37);
  Sky(cr, w, h, h);
  Bunting(cr, w, 6, 22, 26);
  Hills(cr, w, 232, h, dice);
  FlowerBed(cr, 16, 268, 70, 22, 4, dice, 9);
  FlowerBed(cr, 396, 268, 70, 22, 4, dice, 9);
  // Four lines of counts on the plate; the two buttons stand on the grass below.
  const picturelayout::DialogPlate& p = picturelayout::kEndOfGamePlate;
  Plate(cr, p.margin, p.top, w - 2 * p.margin, p.height, 18, kCream, 0.95, 0.55);
  WindowBorder(cr, w, h);
}

void DrawSplash(Art& art) {
  cairo_t* cr = art.cr();
  const double w = art.Width(), h = art.Height();
  Dice dice(41);
  Sky(cr, w, h, 230);
  Sun(cr, 64, 62, 36, true);
  Cloud(cr, 300, 44, 90);
  Cloud(cr, 420, 92, 70);
  Hills(cr, w, 214, h, dice);
  AppleTree(cr, 424, 300, 120);
  FlowerBed(cr, 20, 270, 150, 30, 6, dice, 10);
  FlowerBed(cr, 200, 280, 150, 20, 5, dice, 10);
  // The name in the palette's colours, letter by letter, on a wooden sign.
  const double sx = 84, sy = 116, sw = 312, sh = 84;
  WoodenFrame(cr, sx, sy, sw, sh, 10, 18, kCream);
  const double size = 46;
  double total = 0, tw, th;
  std::vector<double> widths;
  cairo_set_font_face(cr, FontFace(Face::SansBold));
  cairo_set_font_size(cr, size);
  for (char c : kProgramName) {
    cairo_text_extents_t e;
    char s[2] = {c, 0};
    cairo_text_extents(cr, s, &e);
    widths.push_back(e.x_advance);
    total += e.x_advance;
  }
  TextSize(cr, Face::SansBold, size, kProgramName, tw, th);
  double x = sx + (sw - total) / 2, baseline = sy + sh / 2 + th / 2;
  for (std::size_t i = 0; i < kProgramName.size(); ++i) {
    char s[2] = {kProgramName[i], 0};
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, s);
    const unsigned colours[6] = {kRed, kOrange, 0xf5b700, kGrassDark, kTeal, kPurple};
    SetColor(cr, colours[i % 6]);
    cairo_fill_preserve(cr);
    StrokeOutline(cr, 2.2, 0.9);
    cairo_new_path(cr);
    x += widths[i];
  }
  WindowBorder(cr, w, h);
}

void DrawWait(Art& art) {
  cairo_t* cr = art.cr();
  cairo_save(cr);
  cairo_scale(cr, art.Width() / 384.0, art.Height() / 320.0);
  RoundedRect(cr, 6, 6, 372, 308, 44);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 6, 0, 314);
  cairo_pattern_add_color_stop_rgb(p, 0, 0xe8 / 255.0, 0xf7 / 255.0, 0xff / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, 0xff / 255.0, 0xf8 / 255.0, 0xec / 255.0);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  StrokeOutline(cr, 4);
  cairo_new_path(cr);
  Cloud(cr, 306, 66, 80);
  Sun(cr, 192, 132, 62, true);
  SetColor(cr, kText);
  CentredText(cr, Face::SansBold, 36, kPleaseWait, 192, 270);
  cairo_restore(cr);
}

void DrawLoudspeaker(Art& art, bool on) {
  cairo_t* cr = art.cr();
  cairo_save(cr);
  cairo_scale(cr, art.Width() / 64.0, art.Height() / 64.0);
  IconPlate(cr, 3, 3, 58, on ? 0xa8e08c : 0xf4b6b2);
  // The loudspeaker: a box and a cone.
  cairo_move_to(cr, 11, 25);
  cairo_line_to(cr, 20, 25);
  cairo_line_to(cr, 32, 14);
  cairo_line_to(cr, 32, 50);
  cairo_line_to(cr, 20, 39);
  cairo_line_to(cr, 11, 39);
  cairo_close_path(cr);
  SetColor(cr, kText);
  cairo_fill_preserve(cr);
  SetColor(cr, kText);
  cairo_set_line_width(cr, 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  if (on) {
    for (int i = 0; i < 3; ++i) {
      cairo_arc(cr, 32, 32, 7 + 7 * i, -0.28 * M_PI, 0.28 * M_PI);
      cairo_new_sub_path(cr);
    }
    SetColor(cr, kText);
    cairo_set_line_width(cr, 3.6);
    cairo_stroke(cr);
  } else {
    for (double width : {7.5, 4.5}) {
      cairo_move_to(cr, 39, 23);
      cairo_line_to(cr, 54, 41);
      cairo_move_to(cr, 54, 23);
      cairo_line_to(cr, 39, 41);
      SetColor(cr, width > 5 ? kText : kRed);
      cairo_set_line_width(cr, width);
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
}

// ------------------------------------------------------------------ module

void Generate(Tree& tree) {
  std::vector<std::function<void()>> jobs;
  for (const auto& b : MainBackdrops())
    jobs.push_back([&tree, &b] {
      Art art(b.width, b.height);
      DrawMainBackground(art);
      tree.Jpeg(b.name, *art.Over(clWhite));
    });
  for (const auto& b : AboutBackdrops())
    jobs.push_back([&tree, &b] {
      Art art(b.width, b.height);
      DrawAboutBackground(art);
      tree.Jpeg(b.name, *art.Over(clWhite));
    });
  for (const auto& w : WaitPictures())
    jobs.push_back([&tree, &w] {
      Art art(w.width, w.height);
      DrawWait(art);
      tree.JpegPair(w.base, art);
    });
  jobs.push_back([&tree] {
    Art art(kMessageW, kMessageH);
    DrawMessageBox(art);
    tree.Jpeg(kSpec + "mKom_kp.xji", *art.Over(clWhite));
  });
  jobs.push_back([&tree] {
    Art art(kEndW, kEndH);
    DrawEndOfGame(art);
    tree.Jpeg(kSpec + "mKon_kp.xji", *art.Over(clWhite));
  });
  jobs.push_back([&tree] {
    Art art(kSplashW, kSplashH);
    DrawSplash(art);
    tree.Jpeg(kSpec + "splash.xji", *art.Over(clWhite));
  });
  for (const auto& l : Loudspeakers())
    jobs.push_back([&tree, &l] {
      for (bool on : {false, true}) {
        Art art(l.size, l.size);
        DrawLoudspeaker(art, on);
        tree.BmpPair(l.base + (on ? "_A" : "_D"), art);
      }
    });
  ParallelFor(int(jobs.size()), [&](int i) { jobs[i](); });
}

int Luma(const TBitmap& b, int x, int y) {
  const std::uint8_t* p = b.ScanLine(y) + 3 * x;
  return (11 * p[0] + 59 * p[1] + 30 * p[2] + 50) / 100;
}

// The main window's sun drawn alone: it must leave the tabs, the controls'
// area and the picture's edges clear, and show in the picture in front of
// the plate.
void CheckMainSun(const Backdrop& b, const TBitmap& picture, Problems& out) {
  Art art(b.width, b.height);
  {
    Stage st(art.cr(), art.Width());
    SunDisc(art.cr(), kMainSun[0], kMainSun[1], kMainSun[2]);
  }
  auto alpha = art.AlphaMask();
  const TRect keepClear[2] = {TabRow(art), ControlArea(art)};
  const char* names[2] = {"the tabs", "the controls' area"};
  for (int y = 0; y < art.Height(); ++y)
    for (int x = 0; x < art.Width(); ++x) {
      if (alpha->ScanLine(y)[3 * x] == 0) continue;
      for (int i = 0; i < 2; ++i)
        if (keepClear[i].Contains(x, y)) {
          out.push_back(b.name + ": the sun reaches " + names[i] + " at (" + std::to_string(x) + ", " +
                        std::to_string(y) + ")");
          return;
        }
      if (x == 0 || y == 0 || x == art.Width() - 1) {
        out.push_back(b.name + ": the sun is cut by the picture's edge");
        return;
      }
    }
  const double k = b.width / kDesignWidth;
  const std::uint8_t* centre = picture.ScanLine(int(kMainSun[1] * k)) + 3 * int(kMainSun[0] * k);
  if (centre[2] < 220 || centre[1] < 180 || centre[0] > 140) out.push_back(b.name + ": the sun is not in front");
}

void CheckMain(const Tree& tree, const Backdrop& b, Problems& out) {
  for (TPoint s : b.screens) checks::Background(tree, b.name, s.x, s.y, out);
  auto bg = checks::Jpeg(tree, b.name, b.width, b.height, out);
  if (!bg) return;
  CheckMainSun(b, *bg, out);
  // The plate in the middle is plain and light, and the tab band above it
  // is free of the plate.
  const double k = b.width / kDesignWidth, m = 24;
  const double* p = kMainPlate;
  if (p[1] < kTabBand) out.push_back(b.name + ": the plate reaches into the tab band");
  int lo = 255, hi = 0;
  for (int y = int((p[1] + m) * k); y < int((p[1] + p[3] - m) * k); ++y)
    for (int x = int((p[0] + m) * k); x < int((p[0] + p[2] - m) * k); ++x) {
      int v = Luma(*bg, x, y);
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
  if (lo < 200 || hi - lo > 30)
    out.push_back(b.name + ": the middle is not plain (luma " + std::to_string(lo) + ".." + std::to_string(hi) + ")");
}

void CheckWait(const Tree& tree, const WaitPicture& w, Problems& out) {
  auto pair = checks::JpegPair(tree, w.base, out);
  if (!pair) return;
  int pw = pair->Colour->Width(), ph = pair->Colour->Height();
  if (pw != w.width || ph != w.height) {
    out.push_back(w.base + "B/W.xji: " + std::to_string(pw) + "x" + std::to_string(ph));
    return;
  }
  checks::ExpectAlpha(*pair, w.base + " sun", pw / 2, ph * 132 / 320, 255, 255, out);
  checks::ExpectAlpha(*pair, w.base + " plate", pw / 8, ph / 2, 250, 255, out);
  checks::ExpectAlpha(*pair, w.base + " corner", 0, 0, 0, 4, out);
  checks::ExpectAlpha(*pair, w.base + " corner", pw - 1, ph - 1, 0, 4, out);
}

void CheckLoudspeaker(const Tree& tree, const Loudspeaker& l, Problems& out) {
  for (const char* state : {"_D", "_A"}) {
    std::string base = l.base + state;
    auto pair = checks::BmpPair(tree, base, out);
    if (!pair) continue;
    int w = pair->Colour->Width(), h = pair->Colour->Height();
    if (w != l.size || h != l.size) {
      out.push_back(base + "B/W.xbi: " + std::to_string(w) + "x" + std::to_string(h) + ", wanted " +
                    std::to_string(l.size) + " square");
      continue;
    }
    checks::ExpectAlpha(*pair, base, w / 2, h / 2, 255, 255, out);
    checks::ExpectAlpha(*pair, base, w / 5, h / 8, 255, 255, out);
    checks::ExpectAlpha(*pair, base, 0, 0, 0, 0, out);
    checks::ExpectAlpha(*pair, base, w - 1, h - 1, 0, 0, out);
  }
}

std::vector<std::string> Check(const Tree& tree) {
  std::vector<std::function<void(Problems&)>> checks;
  for (const auto& b : MainBackdrops()) checks.push_back([&](Problems& out) { CheckMain(tree, b, out); });
  for (const auto& b : AboutBackdrops())
    checks.push_back([&](Problems& out) {
      for (TPoint s : b.screens) checks::Background(tree, b.name, s.x, s.y, out);
      checks::Jpeg(tree, b.name, b.width, b.height, out);
    });
  for (const auto& w : WaitPictures()) checks.push_back([&](Problems& out) { CheckWait(tree, w, out); });
  for (const auto& l : Loudspeakers()) checks.push_back([&](Problems& out) { CheckLoudspeaker(tree, l, out); });
  checks.push_back([&](Problems& out) {
    checks::Jpeg(tree, kSpec + "mKom_kp.xji", kMessageW, kMessageH, out);
    checks::Jpeg(tree, kSpec + "mKon_kp.xji", kEndW, kEndH, out);
    checks::Jpeg(tree, kSpec + "splash.xji", kSplashW, kSplashH, out);
  });
  std::vector<Problems> found(checks.size());
  ParallelFor(int(checks.size()), [&](int i) { checks[i](found[i]); });
  Problems all;
  for (auto& f : found) all.insert(all.end(), f.begin(), f.end());
  return all;
}

}  // namespace

Module ShellPicturesModule() { return Module{"shell", Generate, Check}; }

}  // namespace datagen
