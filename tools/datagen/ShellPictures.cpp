// Generates the pictures of the main window, dialogs, splash and about box.
#include "tools/datagen/Modules.h"

namespace datagen {

Module ShellPicturesModule() { return Module{"shell", nullptr, nullptr}; }

}  // namespace datagen
