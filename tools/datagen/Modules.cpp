#include "tools/datagen/Modules.h"

namespace datagen {

std::vector<Module> AllModules() {
  std::vector<Module> modules;
  modules.push_back(FontsModule());
  modules.push_back(ResourcesModule());
  modules.push_back(ShellPicturesModule());
  modules.push_back(GamePictures1Module());
  modules.push_back(GamePictures2Module());
  modules.push_back(WordPicturesModule());
  modules.push_back(SoundsModule());
  modules.push_back(CompleteModule());
  return modules;
}

}  // namespace datagen
