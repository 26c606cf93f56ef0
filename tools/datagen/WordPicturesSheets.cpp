// Reviewing aids: contact sheets of the word pictures a tree holds, and one
// picture or drawing rendered to a file.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

#include "dictionary/_cslowa.h"
#include "platform/SysUtils.h"
#include "toolkit/Cbitmapy.h"
#include "tools/datagen/Art.h"
#include "tools/datagen/Tree.h"
#include "tools/datagen/WordPictures.h"

namespace datagen::words {

namespace {

constexpr int SheetColumns = 10, SheetRows = 6, Label = 30, Gap = 8;

// Paints a 24-bit bitmap at (x, y).
void PaintBitmap(cairo_t* cr, const TBitmap& b, double x, double y) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, b.Width(), b.Height());
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int row = 0; row < b.Height(); ++row) {
    const std::uint8_t* src = b.ScanLine(row);
    auto* dst = reinterpret_cast<std::uint32_t*>(data + row * stride);
    for (int col = 0; col < b.Width(); ++col)
      dst[col] = std::uint32_t(src[3 * col + 2]) << 16 | std::uint32_t(src[3 * col + 1]) << 8 | src[3 * col];
  }
  cairo_surface_mark_dirty(s);
  cairo_set_source_surface(cr, s, x, y);
  cairo_paint(cr);
  cairo_surface_destroy(s);
}

// One labelled cell of a sheet: paint(cr) draws the picture into cell x cell at the origin.
struct Cell {
  std::string label;
  std::function<void(cairo_t*, int cell)> paint;
};

// The cells in rows of columns on white, each with its label under it, as a PNG file.
void WriteSheet(const std::vector<Cell>& cells, int columns, int cell, const std::string& file) {
  const int rows = int((cells.size() + std::size_t(columns) - 1) / std::size_t(columns));
  const int cols = std::min(columns, int(cells.size()));
  Art sheet(cols * (cell + Gap) + Gap, rows * (cell + Label + Gap) + Gap);
  cairo_t* cr = sheet.cr();
  SetColor(cr, 0xffffff);
  cairo_paint(cr);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int x = Gap + int(i % std::size_t(columns)) * (cell + Gap), y = Gap + int(i / std::size_t(columns)) * (cell + Label + Gap);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rectangle(cr, 0, 0, cell, cell);
    cairo_clip(cr);
    cells[i].paint(cr, cell);
    cairo_restore(cr);
    SetColor(cr, 0x202020);
    CentredText(cr, Face::SansBold, 19, cells[i].label, x + cell / 2.0, y + cell + Label / 2.0);
  }
  cairo_surface_flush(sheet.Surface());
  if (cairo_surface_write_to_png(sheet.Surface(), file.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + file);
}

}  // namespace

std::vector<std::string> WriteContactSheets(const Tree& tree, const std::string& folder) {
  std::vector<std::string> problems;
  std::map<std::string, std::string> words;
  for (const Entry& e : LoadTable(problems)) words[e.key] = e.word;
  std::vector<std::string> keys;
  CSlowa dictionary;
  for (const CSlowa::CPaczkaEx* w : dictionary.words) keys.push_back(w->key);
  std::sort(keys.begin(), keys.end());

  std::filesystem::create_directories(folder);
  const std::string out = std::filesystem::absolute(folder).string();
  // The program's loader reads the pictures from the tree's root.
  const std::string previous = GetCurrentDir();
  if (!SetCurrentDir(Utf8ToCp1250(std::filesystem::absolute(tree.Root()).string())))
    throw std::runtime_error("cannot enter " + tree.Root());
  std::vector<std::string> files;
  const std::size_t perSheet = SheetColumns * SheetRows;
  try {
    for (std::size_t first = 0; first < keys.size(); first += perSheet) {
      std::vector<Cell> cells;
      for (std::size_t i = first; i < keys.size() && i < first + perSheet; ++i) {
        const std::string key = keys[i];
        auto word = words.find(key);
        cells.push_back({word == words.end() ? key : word->second, [key](cairo_t* cr, int cell) {
                           std::unique_ptr<TBitmap> pic(LoadWordPicture(key, cell, cell, true, true));
                           PaintBitmap(cr, *pic, 0, 0);
                         }});
      }
      char name[32];
      std::snprintf(name, sizeof name, "words-%02zu.png", first / perSheet + 1);
      files.push_back((std::filesystem::path(out) / name).string());
      WriteSheet(cells, SheetColumns, 200, files.back());
    }
  } catch (...) {
    SetCurrentDir(previous);
    throw;
  }
  SetCurrentDir(previous);
  return files;
}

bool RenderToPng(const std::vector<std::string>& names, const std::string& file) {
  std::vector<std::string> problems;
  const std::vector<Entry> table = LoadTable(problems);
  std::vector<Cell> cells;
  for (const std::string& name : names) {
    auto it = std::find_if(table.begin(), table.end(), [&](const Entry& e) { return e.key == name; });
    Entry entry;
    std::u32string emoji;
    if (it != table.end()) entry = *it;
    else if (FindDrawing(name)) {
      entry.key = entry.word = name;
      entry.pictures = {Subject{U"", name}};
    } else if (ParseCodePoints(name, emoji) && EmojiGlyph(emoji)) {
      entry.key = entry.word = name;
      entry.pictures = {Subject{emoji, ""}};
    } else
      return false;
    cells.push_back({entry.word, [entry](cairo_t* cr, int cell) {
                       cairo_scale(cr, double(cell) / PictureSize, double(cell) / PictureSize);
                       DrawPicture(cr, entry);
                     }});
  }
  if (cells.size() == 1) {  // the picture alone
    Art art(PictureSize, PictureSize);
    cells[0].paint(art.cr(), PictureSize);
    cairo_surface_flush(art.Surface());
    return cairo_surface_write_to_png(art.Surface(), file.c_str()) == CAIRO_STATUS_SUCCESS;
  }
  WriteSheet(cells, 3, PictureSize, file);
  return true;
}

}  // namespace datagen::words
