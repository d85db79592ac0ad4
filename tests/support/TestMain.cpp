#include "SanitizerOptions.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

// Widgets, modal dialogs and font metrics work on the offscreen platform. Pictures are compared
// pixel for pixel, so every machine draws with the same font and Qt's plain SSE2 routines (wider
// ones may round a shade differently), which are chosen when Qt loads: hence the fresh start.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (qEnvironmentVariableIsEmpty("QT_NO_CPU_FEATURE")) {
        setenv("QT_NO_CPU_FEATURE", "sse3 ssse3 sse4.1 sse4.2 avx avx2 fma f16c avx512f", 1);
        setenv("FONTCONFIG_FILE", ZAFKU_SCHRIFTEN, 1);
        execv("/proc/self/exe", argv);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
