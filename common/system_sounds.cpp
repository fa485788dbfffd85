#include "system_sounds.h"
