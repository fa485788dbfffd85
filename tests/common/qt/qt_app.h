// The one application object of a window test program. It is never destroyed: Qt tears down
// its own statics at exit, and an application object destroyed after them crashes.
#pragma once

#include <QApplication>

namespace vek {

inline QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "vek_qt_test";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

}  // namespace vek
