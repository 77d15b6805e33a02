#pragma once
// Flush-to-zero and denormals-are-zero while an object of this type lives, the caller's mode
// restored when it goes. After a loud passage the engine's filters decay through denormal values
// for as long as silence follows, which costs some processors a hundred times the work; flushed
// to zero the output stays the same.

#if defined(__SSE__)
#include <xmmintrin.h>

class DenormalsFlushed {
public:
    DenormalsFlushed() : saved_(_mm_getcsr()) { _mm_setcsr(saved_ | kFlushToZero | kDenormalsAreZero); }
    ~DenormalsFlushed() { _mm_setcsr(saved_); }
    DenormalsFlushed(const DenormalsFlushed&) = delete;
    DenormalsFlushed& operator=(const DenormalsFlushed&) = delete;

private:
    static constexpr unsigned kFlushToZero = 0x8000;
    static constexpr unsigned kDenormalsAreZero = 0x0040;
    unsigned saved_;
};
#else
class DenormalsFlushed {
public:
    DenormalsFlushed() {}
};
#endif
