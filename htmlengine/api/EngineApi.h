#pragma once
// What every header of the engine's C interface shares: how functions are exported and called,
// and the handle of a document element. The engine's interface is C, so any part of the program
// can call it without sharing the engine's C++ types.

#ifdef HTMLENGINE_BUILD
#define HTMLENGINE_IMPORT_EXPORT __declspec(dllexport)
#else
#define HTMLENGINE_IMPORT_EXPORT __declspec(dllimport)
#endif

#ifdef __cplusplus
#define HTMLENGINE_API extern "C" HTMLENGINE_IMPORT_EXPORT
#else
#define HTMLENGINE_API HTMLENGINE_IMPORT_EXPORT
#endif

// One calling convention for every export, so 32-bit names stay undecorated and both sides agree.
#define HTMLENGINE_CALL __cdecl

// An element of a loaded document; null means no element.
typedef void* HELEMENT;
