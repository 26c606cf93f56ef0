// Generates the pictures of the label-it and odd-one-out games and the magnifier.
#include "tools/datagen/Modules.h"

namespace datagen {

Module GamePictures1Module() { return Module{"games1", nullptr, nullptr}; }

}  // namespace datagen
