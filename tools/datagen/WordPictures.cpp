// Generates the 570 scrambled word pictures.
#include "tools/datagen/Modules.h"

namespace datagen {

Module WordPicturesModule() { return Module{"words", nullptr, nullptr}; }

}  // namespace datagen
