// The handlers the main window installs in the engine's hooks before anything can reach the engine.
#pragma once

#include <cstdint>

// Installs ProgressHandler, ReadHandler, WriteHandler and MathErrorHandler.
void InstallEngineHooks();

// Move count bytes between buffer and the main window's open library file; answer the number moved.
std::int32_t ReadHandler(void* buffer, std::int32_t count);
std::int32_t WriteHandler(const void* buffer, std::int32_t count);

// Shows the math library's report "function: KIND error" in a message box captioned "Orvane"; the
// calculation then goes on with the error value.
void MathErrorHandler(const char* function, const char* kind);
