// The parts of the data tree, each made by one module of the generator.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "tools/datagen/Tree.h"

namespace datagen {

struct Module {
  std::string name;
  std::function<void(Tree&)> generate;
  // Loads what the module wrote through the program's own loaders; returns
  // the problems found (empty when all is well).
  std::function<std::vector<std::string>(const Tree&)> check;
};

Module FontsModule();  // the bitmap font set
Module ResourcesModule();  // the resource library pictures: letter tiles, buttons, scroll knob, toggles, cursors
Module ShellPicturesModule();  // the pictures of the main window, dialogs, splash and about box
// The pictures of each game, in the order of the main window's tabs.
Module Podpisz4PicturesModule();      // label-it
Module LianyPicturesModule();         // vines
Module KwiatkiPicturesModule();       // flowers
Module CoNiePasuje3PicturesModule();  // odd-one-out and the magnifier
Module CiezarowkaPicturesModule();    // truck
Module BackgroundsModule();  // every window background of the tree covers its screens' game area
Module WordPicturesModule();  // the 570 scrambled word pictures
Module SoundsModule();    // word, sound, feedback and music recordings
Module CompleteModule();  // the whole tree through the program's resource report

// Every module, in the order they run.
std::vector<Module> AllModules();

}  // namespace datagen
