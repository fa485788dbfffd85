#include <QCoreApplication>
#include "editor/checker/checker.h"
#include "editor/ui/main_window.h"
