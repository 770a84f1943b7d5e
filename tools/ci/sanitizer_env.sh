# The sanitizers' run-time settings for the CI scripts (sourced, not run).
# abort_on_error: a report ends the program with SIGABRT, which every caller sees as a crash;
# detect_leaks: every leak at exit fails the program; none is suppressed.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1:halt_on_error=1"
# No session bus. With no address set, libdbus (opened by SDL and Qt at start) forks to launch
# one and allocates in the fork before exec. This sanitizer's allocator takes no lock around fork,
# so when another thread held an allocator lock at that moment the fork waits on it for ever
# and the program with it. An address that cannot be reached makes libdbus give up at once
# (and keeps it from holding buffers it never frees, which LeakSanitizer would report).
export DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent/bus"
