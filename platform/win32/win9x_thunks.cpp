// The C and C++ runtimes of the 32-bit program call three Unicode functions
// that Windows 95, 98 and ME export only as stubs that fail: the runtime's
// locks (CreateSemaphoreW) and its look-ups of optional DLLs
// (GetModuleHandleW, LoadLibraryW). Their import slots are filled here with
// the ANSI functions every Windows has, so the program file never names the
// stubs and its runtime works alike on every system. GCC 14's thread support
// also names two functions Windows 95 lacks; the program never compares
// threads or tries a lock, so where the system has no such function, the
// call answers as it does when it fails.

#include <windows.h>

#include <string>

#include "platform/win32/ansi.h"
#include "platform/win32/later_functions.h"

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

// Vista on: a thread's id from its handle; 0 when none is told.
DWORD WINAPI thread_id(HANDLE thread) {
  const auto system = velorin::win32::later<DWORD(WINAPI*)(HANDLE)>("KERNEL32", "GetThreadId");
  return system ? system(thread) : 0;
}

// NT 4.0 on: takes the lock only when it is free; without it, never taken.
BOOL WINAPI try_enter(CRITICAL_SECTION* section) {
  const auto system = velorin::win32::later<BOOL(WINAPI*)(CRITICAL_SECTION*)>("KERNEL32", "TryEnterCriticalSection");
  return system ? system(section) : FALSE;
}

}  // namespace

extern "C" {
void* velorin_create_semaphore asm("__imp__CreateSemaphoreW@16") = reinterpret_cast<void*>(&create_semaphore);
void* velorin_module_handle asm("__imp__GetModuleHandleW@4") = reinterpret_cast<void*>(&module_handle);
void* velorin_load_library asm("__imp__LoadLibraryW@4") = reinterpret_cast<void*>(&load_library);
void* velorin_thread_id asm("__imp__GetThreadId@4") = reinterpret_cast<void*>(&thread_id);
void* velorin_try_enter asm("__imp__TryEnterCriticalSection@4") = reinterpret_cast<void*>(&try_enter);
}
