#pragma once

#include <QApplication>

#include "fonts.h"

namespace tavrel::testing {

// The one application object of a Qt test program, with the chart font substitutions installed.
inline QApplication& QtApplication() {
    static int argc = 1;
    static char name[] = "tavrel_qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* created = new QApplication(argc, argv);
        InstallFontSubstitutions();
        return created;
    }();
    return *app;
}

}  // namespace tavrel::testing
