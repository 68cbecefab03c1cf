// The sanitized build's leak check: libdbus keeps the read buffers of its shared bus connections
// (Qt's and SDL's) until the process ends and offers no way to free them while either library may
// still use the bus. Those blocks are reported as leaks at exit; only they are suppressed here.
// In a build without the sanitizer nothing calls this function.

extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }
