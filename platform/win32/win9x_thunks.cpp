// The C and C++ runtimes of the 32-bit program call three Unicode functions
// that Windows 95, 98 and ME export only as stubs that fail: the runtime's
// locks (CreateSemaphoreW) and its look-ups of optional DLLs
// (GetModuleHandleW, LoadLibraryW). Their import slots are filled here with
// the ANSI functions every Windows has, so the program file never names the
// stubs and its runtime works alike on every system.

#include <windows.h>

#include <string>

#include "platform/win32/ansi.h"

namespace {

// The runtime only names system DLLs, in ASCII.
std::string narrow(const wchar_t* text) {
  return velorin::ansi_from_utf16(reinterpret_cast<const char16_t*>(text));
}

HANDLE WINAPI create_semaphore(SECURITY_ATTRIBUTES* attributes, LONG initial, LONG most, const wchar_t* name) {
  return CreateSemaphoreA(attributes, initial, most, name ? narrow(name).c_str() : nullptr);
}

HMODULE WINAPI module_handle(const wchar_t* name) { return GetModuleHandleA(name ? narrow(name).c_str() : nullptr); }

HMODULE WINAPI load_library(const wchar_t* name) { return name ? LoadLibraryA(narrow(name).c_str()) : nullptr; }

}  // namespace

extern "C" {
void* velorin_create_semaphore asm("__imp__CreateSemaphoreW@16") = reinterpret_cast<void*>(&create_semaphore);
void* velorin_module_handle asm("__imp__GetModuleHandleW@4") = reinterpret_cast<void*>(&module_handle);
void* velorin_load_library asm("__imp__LoadLibraryW@4") = reinterpret_cast<void*>(&load_library);
}
