// Generates word, sound, feedback and music recordings.
#include "tools/datagen/Modules.h"

namespace datagen {

Module SoundsModule() { return Module{"sounds", nullptr, nullptr}; }

}  // namespace datagen
