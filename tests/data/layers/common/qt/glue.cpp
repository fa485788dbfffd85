#include <QString>
#include "common/cp1250.h"
