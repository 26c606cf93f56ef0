#include "tools/datagen/Modules.h"

namespace datagen {

std::vector<Module> AllModules() {
  std::vector<Module> modules;
  modules.push_back(FontsModule());
  modules.push_back(ResourcesModule());
  modules.push_back(ShellPicturesModule());
  modules.push_back(Podpisz4PicturesModule());
  modules.push_back(LianyPicturesModule());
  modules.push_back(KwiatkiPicturesModule());
  modules.push_back(CoNiePasuje3PicturesModule());
  modules.push_back(CiezarowkaPicturesModule());
  modules.push_back(BackgroundsModule());
  modules.push_back(WordPicturesModule());
  modules.push_back(SoundsModule());
  modules.push_back(CompleteModule());
  return modules;
}

}  // namespace datagen
