#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/TempDir.h"
#include "toolkit/Ctransbitmap.h"
#include "toolkit/Resource.h"

namespace {

using testsupport::TempDir;
using LibraryEntry = bool (*)(const char*, TBitmap*);

// The file of the resource library this program was linked with.
std::string LinkedLibraryPath() {
  void* h = dlopen("libtwresource.so", RTLD_LAZY | RTLD_NOLOAD);
  if (!h) return {};
  link_map* map = nullptr;
  std::string path;
  if (dlinfo(h, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name) path = map->l_name;
  dlclose(h);
  return path;
}

// A copy of the library in a scratch folder, loaded on its own, so that its
// pictures can be laid out in "Resource" beside it.
class LibraryCopy {
 public:
  LibraryCopy() {
    std::string original = LinkedLibraryPath();
    if (original.empty()) return;
    std::filesystem::copy_file(original, dir_.File("libtwresource.so"));
    std::filesystem::create_directories(dir_.File("Resource"));
    handle_ = dlopen(dir_.File("libtwresource.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_) entry_ = reinterpret_cast<LibraryEntry>(dlsym(handle_, "OtworzBMP"));
  }
  ~LibraryCopy() {
    if (handle_) dlclose(handle_);
  }
  bool Loaded() const { return entry_ != nullptr; }
  bool Open(const char* name, TBitmap* bitmap) const { return entry_(name, bitmap); }
  void* Handle() const { return handle_; }
  // Writes a picture into the library's folder of pictures.
  void Put(const std::string& fileName, const TBitmap& picture) const {
    picture.SaveToFile(dir_.File("Resource/" + fileName));
  }
  void PutBytes(const std::string& fileName, const std::string& bytes) const {
    dir_.Write("Resource/" + fileName, bytes);
  }
  const TempDir& Dir() const { return dir_; }

 private:
  TempDir dir_;
  void* handle_ = nullptr;
  LibraryEntry entry_ = nullptr;
};

std::unique_ptr<TBitmap> Picture(TPixelFormat pf, int w, int h) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf);
  if (pf == pf8bit) SetGreyPalette(b.get());
  b->SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->Canvas()->SetPixel(x, y, RGB(10 * x, 20 * y, 200));
  return b;
}

TEST(ResourceLibrary, LoadsThePictureOfANameIntoTheCallersBitmap) {
  LibraryCopy lib;
  ASSERT_TRUE(lib.Loaded()) << dlerror();
  lib.Put("stop_D.bmp", *Picture(pf24bit, 7, 5));
  lib.Put("scroll_M.bmp", *Picture(pf32bit, 3, 9));

  TBitmap b;
  ASSERT_TRUE(lib.Open("stop_D", &b));
  EXPECT_EQ(b.Width(), 7);
  EXPECT_EQ(b.Height(), 5);
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(b.HandleType(), bmDIB);
  EXPECT_EQ(b.PixelColor(0, 0), RGB(0, 0, 200));
  EXPECT_EQ(b.PixelColor(6, 4), RGB(60, 80, 200));

  // Every picture comes as 24 bits per pixel.
  TBitmap m;
  ASSERT_TRUE(lib.Open("scroll_M", &m));
  EXPECT_EQ(m.Width(), 3);
  EXPECT_EQ(m.Height(), 9);
  EXPECT_EQ(m.PixelFormat(), pf24bit);
  EXPECT_EQ(m.PixelColor(2, 8), RGB(20, 160, 200));

  // The folder was fixed when the library was loaded, not by the current folder.
  TempDir elsewhere;
  testsupport::ScopedCwd cwd(elsewhere.Path());
  TBitmap again;
  EXPECT_TRUE(lib.Open("stop_D", &again));
}

TEST(ResourceLibrary, MissingOrUnusablePicturesAreFalseAndLeaveTheBitmapAlone) {
  LibraryCopy lib;
  ASSERT_TRUE(lib.Loaded()) << dlerror();
  lib.Put("Mixed_Case.bmp", *Picture(pf24bit, 4, 4));
  lib.PutBytes("broken.bmp", "BM this is no picture at all, only some text");
  lib.PutBytes("empty.bmp", "");
  std::filesystem::create_directories(lib.Dir().File("Resource/folder.bmp"));
  lib.Put("../outside.bmp", *Picture(pf24bit, 4, 4));

  TBitmap b;
  EXPECT_FALSE(lib.Open("missing", &b));
  EXPECT_FALSE(lib.Open("mixed_case", &b));  // names keep their case
  EXPECT_FALSE(lib.Open("broken", &b));
  EXPECT_FALSE(lib.Open("empty", &b));
  EXPECT_FALSE(lib.Open("folder", &b));
  EXPECT_FALSE(lib.Open("../outside", &b));  // names stay inside the folder
  EXPECT_FALSE(lib.Open("..\\outside", &b));
  EXPECT_FALSE(lib.Open("", &b));
  EXPECT_FALSE(lib.Open(nullptr, &b));
  EXPECT_EQ(b.Width(), 0);
  EXPECT_EQ(b.Height(), 0);
  EXPECT_EQ(b.PixelFormat(), pfDevice);

  EXPECT_FALSE(lib.Open("Mixed_Case", nullptr));
  EXPECT_TRUE(lib.Open("Mixed_Case", &b));
  EXPECT_EQ(b.Width(), 4);
}

TEST(ResourceLibrary, ExportsItsEntryAndNothingOfThePlatform) {
  LibraryCopy lib;
  ASSERT_TRUE(lib.Loaded()) << dlerror();
  EXPECT_NE(dlsym(lib.Handle(), "OtworzBMP"), nullptr);
  EXPECT_EQ(dlsym(lib.Handle(), "_ZN7TBitmap14LoadFromStreamEP7TStream"), nullptr);
  EXPECT_EQ(dlsym(lib.Handle(), "_ZN7TCanvas4DrawEiiPK8TGraphic"), nullptr);
}

TEST(ResourceLibrary, ToolkitEntryGoesToTheLinkedLibraryUnlessAProviderStandsIn) {
  ASSERT_FALSE(LinkedLibraryPath().empty());
  TBitmap b;
  EXPECT_FALSE(OtworzBMP("no_such_picture_anywhere", &b));
  EXPECT_EQ(b.Width(), 0);
  {
    std::string asked;
    ScopedResourceProvider fake([&](const std::string& name, TBitmap* bitmap) {
      asked = name;
      bitmap->SetSize(3, 2);
      return true;
    });
    EXPECT_TRUE(OtworzBMP("no_such_picture_anywhere", &b));
    EXPECT_EQ(asked, "no_such_picture_anywhere");
    EXPECT_EQ(b.Width(), 3);
    asked.clear();
    EXPECT_FALSE(OtworzBMP("x", nullptr));
    EXPECT_TRUE(asked.empty());
  }
  TBitmap c;
  EXPECT_FALSE(OtworzBMP("no_such_picture_anywhere", &c));
  EXPECT_EQ(c.Width(), 0);
}

}  // namespace
