// Generates the resource library pictures: letter tiles, buttons, scroll knob, toggles, cursors.
#include "tools/datagen/Modules.h"

namespace datagen {

Module ResourcesModule() { return Module{"resources", nullptr, nullptr}; }

}  // namespace datagen
