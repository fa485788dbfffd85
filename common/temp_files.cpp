#include "temp_files.h"
