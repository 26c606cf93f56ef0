#include "platform/Forms.h"

namespace {
TScreen g_screen;
}
TScreen* Screen = &g_screen;
