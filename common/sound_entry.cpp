#include "sound_entry.h"
