#pragma once

// Whether the byte and character loops use the processor's vector
// instructions, decided once here for every file that has such loops: SSE2,
// which every x86-64 has, unless the build is made with MI_SIMD=OFF. Such a
// build compiles only the loops that take one character or byte at a time, as
// a processor without SSE2 runs them, so that they are tested on x86-64 too.
#if !defined(MI_OHNE_SIMD) && (defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64))
#include <emmintrin.h>
#define MI_SSE2
#endif
