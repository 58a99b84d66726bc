// Linked into every program of the sanitizer build, and only there
// (TALLOMAT_KEEP_LIBRARIES_LOADED). A library unloaded before the program ends (a Qt plugin, the
// graphics driver that EGL loads) takes its data and its symbols with it: LeakSanitizer no longer
// sees what its data still points to and reports it as leaked, with frames from "<unknown module>"
// that no suppression can name. The program's own dlclose comes before the C library's for every
// caller, and unloads nothing.
extern "C" int dlclose(void*) {
    return 0;
}
