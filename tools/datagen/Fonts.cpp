// Generates the bitmap font set.
#include "tools/datagen/Modules.h"

namespace datagen {

Module FontsModule() { return Module{"fonts", nullptr, nullptr}; }

}  // namespace datagen
