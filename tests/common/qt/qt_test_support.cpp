// Built into the window tests: the allocations Qt and the system libraries keep for the whole
// process are not leaks of ours. The same list as tests/lsan.supp, compiled in so that the
// tests stay clean under LeakSanitizer however they are started.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6Core\n"
           "leak:libQt6Gui\n"
           "leak:libQt6Widgets\n"
           "leak:libfontconfig\n"
           "leak:libdbus\n"
           "leak:libglib\n"
           "leak:libopenal\n";
}
