#include "scenario_format.h"
