#include "tools/datagen/GamePictures2Layout.h"

namespace datagen::games2 {

const ArtSetInfo kSets[3] = {
    {2, "R2", "R2", 800, 600, 800.0 / 1280},
    {4, "R3", "R3", 1024, 768, 1024.0 / 1280},
    {16, "R5", "R8", 1280, 960, 1.0},
};

ArtScale DisplayFor(int set) {
  ArtScale d;
  d.ArtSet = set;
  d.ArtWidth = set == 2 ? 800 : set == 4 ? 1024 : 1280;
  d.ArtHeight = set == 2 ? 600 : set == 4 ? 768 : 960;
  return d;
}

int ArtScale::Scale(int from, int v) const {
  if (from == 16 && ArtSet == 2) return 5 * v / 8;
  if (from == 16 && ArtSet == 4) return 8 * v / 10;
  if (from == 2 && ArtSet == 4) return 32 * v / 25;
  if (from == 2 && ArtSet == 16) return 8 * v / 5;
  return v;
}

int ArtScale::ScaleRounded(int from, int v) const {
  if (from == 16 && ArtSet == 2) return (5 * v + 4) / 8;
  if (from == 16 && ArtSet == 4) return (8 * v + 5) / 10;
  if (from == 2 && ArtSet == 4) return (64 * v + 25) / 50;
  if (from == 2 && ArtSet == 16) return (16 * v + 5) / 10;
  return v;
}

namespace {
TPoint Pt(int x, int y) { return TPoint{x, y}; }
TRect Button(int x, int y) { return Bounds(x, y, kButton.w, kButton.h); }
}  // namespace

VinesPlaces VinesPlacesFor(const ArtScale& d) {
  // Leaf anchors as designed; the right-shape leaves (6-9) are moved left
  // and every leaf is moved up.
  static const TPoint design[10] = {{330, 59},  {303, 302}, {569, 81},  {546, 372},  {759, 25},
                                    {804, 462}, {663, 218}, {906, 253}, {1117, 120}, {1141, 322}};
  VinesPlaces p;
  for (int i = 0; i < 10; ++i) {
    int x = d.ScaleRounded(16, design[i].x) - (i >= 6 ? d.ScaleRounded(16, 171) : 0);
    int y = d.ScaleRounded(16, design[i].y) - d.ScaleRounded(16, 14);
    p.anchors[i] = Pt(x, y);
  }
  p.windowLeft = Pt(d.ScaleRounded(16, 16), d.ScaleRounded(16, 6));
  p.windowRight = Pt(d.ScaleRounded(16, 26), d.ScaleRounded(16, 6));
  p.title = Pt(d.Scale(16, 132), d.Scale(16, 473));
  p.foreground = Pt(d.Scale(16, 300), d.Scale(16, 900));
  p.collect = Pt(d.Scale(16, 785), d.Scale(16, 768));
  p.cutMark = Pt(d.Scale(16, -13), d.Scale(16, 117));
  int bx = d.Scale(2, 6), top30 = d.Scale(16, 30);
  p.buttons = {Button(bx + 2, 8), Button(bx, 82), Button(bx, top30 + 164), Button(bx, top30 + 245)};
  return p;
}

TruckPlaces TruckPlacesFor(const ArtScale& d) {
  TruckPlaces p;
  p.truckY = d.Scale(16, 692);
  p.truckStopX = d.Scale(16, 30);
  p.truckText = Pt(d.Scale(16, 304), d.Scale(16, 90));
  p.loadPoint = Pt(d.Scale(16, 242), d.Scale(16, 54));
  p.planeY = d.Scale(16, 10);
  p.bannerOverlap = d.Scale(16, 12);
  p.caption = Pt(d.Scale(16, 30), d.Scale(16, 34));
  p.names = Pt(d.Scale(16, 343), d.Scale(16, 34));
  p.namesWidth = d.Scale(16, 240);
  p.face = Rect(d.ScaleRounded(16, 24), d.ScaleRounded(16, 8), d.ScaleRounded(16, 152), d.ScaleRounded(16, 142));
  p.dropLeft = d.Scale(16, 320);
  p.dropRight = d.ArtWidth - 4;
  bool small = d.ArtSet == 2;
  p.buttons = {Button(18, small ? 364 : d.Scale(2, 378)), Button(15, small ? 288 : d.Scale(2, 310))};
  return p;
}

FlowersPlaces FlowersPlacesFor(const ArtScale& d, bool class128) {
  static const TPoint flowers[8] = {{96, 104}, {367, 88},  {208, 291}, {404, 401},
                                    {756, 444}, {964, 368}, {784, 178}, {987, 36}};
  static const TPoint slots[8] = {{300, 728}, {398, 682}, {479, 748}, {575, 684},
                                  {656, 807}, {713, 683}, {871, 741}, {973, 658}};
  static const TPoint landing[3][8] = {
      {{126, 123}, {526, 140}, {244, 445}, {543, 414}, {767, 567}, {1135, 486}, {821, 192}, {1109, 204}},
      {{238, 120}, {488, 227}, {211, 349}, {539, 555}, {839, 451}, {1029, 528}, {963, 297}, {1167, 98}},
      {{115, 233}, {399, 103}, {345, 306}, {418, 530}, {866, 603}, {1085, 376}, {803, 315}, {1019, 55}},
  };
  auto scaled = [&](TPoint q) { return Pt(d.Scale(16, q.x), d.Scale(16, q.y)); };
  FlowersPlaces p;
  for (int k = 0; k < 8; ++k) {
    p.flowers[k] = scaled(flowers[k]);
    p.slots[k] = scaled(slots[k]);
    for (int l = 0; l < 3; ++l) p.landing[l][k] = scaled(landing[l][k]);
  }
  // The button column at the right edge: "nast", "pop", "pomoc", "stop".
  int w = d.ArtWidth, h = d.ArtHeight, s = d.ScaleRounded(2, 7);
  int stop, help, prev, next;
  if (d.ArtSet == 2) {
    next = 300, prev = 370, help = 460, stop = 530;
  } else {
    bool four = d.ArtSet == 4;
    stop = h - 70 + (class128 ? 30 : 0);
    help = stop - (four ? 76 : 90);
    prev = help - (four ? 112 : 140);
    next = prev - (four ? 86 : 102);
  }
  p.buttons = {Button(w - 70 - s, next), Button(w - 70 - s, prev), Button(w - 70 - s, help),
               Button(w - 68 - s, stop)};
  return p;
}

}  // namespace datagen::games2
