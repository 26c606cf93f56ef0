// Generates the pictures of the vines, truck and flowers games.
#include "tools/datagen/Modules.h"

namespace datagen {

Module GamePictures2Module() { return Module{"games2", nullptr, nullptr}; }

}  // namespace datagen
