// Defaults of the sanitizer build, linked into every program of it;
// ASAN_OPTIONS and UBSAN_OPTIONS given by hand still win.
//
// new_delete_type_mismatch is off: Qt WebEngine 6.4 (Chromium, not built
// with the sanitizer) deletes with the wrong size inside its own page
// teardown. Our own code is kept from that fault at compile time by
// -Wdelete-non-virtual-dtor, which -Wall turns on.
extern "C" const char* __asan_default_options()
{
    return "new_delete_type_mismatch=0:detect_leaks=1";
}

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

// LeakSanitizer's tracer crashes scanning the thread-local storage of this
// glibc when a test ends right after closing its sockets ("Tracer caught
// signal 11"), so that storage is not scanned. What is kept only there then
// looks leaked: GLib's allocations, and the message of the last failed
// dlopen, which glibc formats with vasprintf and keeps per thread.
extern "C" const char* __lsan_default_options()
{
    return "use_tls=0";
}

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libglib-2.0.so\n"
           "leak:_dlerror_run\n"
           "leak:__vasprintf_internal\n";
}
