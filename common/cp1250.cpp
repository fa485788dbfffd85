#include "cp1250.h"
