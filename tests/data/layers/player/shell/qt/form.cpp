#include <QWidget>
#include "player/shell/shell.h"
