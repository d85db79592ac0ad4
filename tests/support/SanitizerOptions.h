#pragma once

// Options of the sanitizer tree, built into every test binary so that ctest and the test
// discovery at build time need no environment. Any undefined behaviour ends the test.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
extern "C" const char* __asan_default_options() {
    return "detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:"
           "check_initialization_order=1";
}
extern "C" const char* __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1";
}
// Caches that fontconfig and the graphics stack keep for the process's life.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif
#endif
