// How the project includes RapidJSON: with its SSE2 scans for the ends of
// texts, except where memory is checked byte by byte (the fuzzing build):
// those scans use aligned 16-byte loads that may read past the end of a
// buffer within its block. RapidJSON is included through this file only,
// so that the settings always come first.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define PSR_MEMORY_CHECKED
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PSR_MEMORY_CHECKED
#endif
#endif
#if defined(__SSE2__) && !defined(PSR_MEMORY_CHECKED) && !defined(RAPIDJSON_SSE2)
#define RAPIDJSON_SSE2
#endif

#include <rapidjson/document.h>
#include <rapidjson/internal/dtoa.h>
#include <rapidjson/reader.h>
