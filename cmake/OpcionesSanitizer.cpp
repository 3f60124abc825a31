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
