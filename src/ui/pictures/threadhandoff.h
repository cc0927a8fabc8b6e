#pragma once

// Work handed from one thread to another through Qt's own synchronisation (the thread pool's
// queue, a QSemaphore). Debian's Qt is built without the thread sanitizer, which so cannot see
// that what the giving thread wrote before the hand-off is there for the taking thread, and would
// report it as a race. Each hand-off is marked on both sides with the same address: handed over
// just before the giving thread lets go, taken over just after the taking thread has it.
// In a build without the thread sanitizer both are nothing.
#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#define ULMARO_HANDED_OVER(address) __tsan_release(static_cast<void*>(address))
#define ULMARO_TAKEN_OVER(address) __tsan_acquire(static_cast<void*>(address))
#else
#define ULMARO_HANDED_OVER(address) static_cast<void>(address)
#define ULMARO_TAKEN_OVER(address) static_cast<void>(address)
#endif
