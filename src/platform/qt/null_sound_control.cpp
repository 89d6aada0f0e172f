#include "platform/qt/null_sound_control.h"
