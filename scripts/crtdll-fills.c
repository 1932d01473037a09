/* What the 32-bit program's C and C++ runtime, and its tests' GoogleTest,
   ask of the C library that crtdll.dll, the one every Windows 95 has, does
   not export. Each is made of what crtdll.dll and Windows 95's KERNEL32 do
   have. scripts/i486-runtime puts them into the import library for
   crtdll.dll before libstdc++ is configured, so that libstdc++ finds them
   as every program linked with the runtime does. */

#include <errno.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <wchar.h>
#include <windows.h>

/* A function defined under the plain name a caller links to, and the import
   slot a caller that took the header's dllimport goes through. */
#define PLAIN(name) __asm__("_" #name)
#define SLOT(name, fill) void *velorin_slot_##name __asm__("__imp__" #name) = (void *)fill

/* crtdll.dll's localtime, whose time_t has 32 bits: the header's name for
   it is _localtime32, which crtdll.dll does not export. */
extern struct tm *(__cdecl *crtdll_localtime)(const __time32_t *) __asm__("__imp__localtime");
struct tm *__cdecl localtime32_fill(const __time32_t *t) PLAIN(_localtime32);
struct tm *__cdecl localtime32_fill(const __time32_t *t) { return crtdll_localtime(t); }

/* Wide streams read and write through fgetwc and fputwc, which crtdll.dll
   has; getwc and putwc are only their other names. */
wint_t __cdecl getwc_fill(FILE *file) PLAIN(getwc);
wint_t __cdecl getwc_fill(FILE *file) { return fgetwc(file); }
wint_t __cdecl putwc_fill(wchar_t c, FILE *file) PLAIN(putwc);
wint_t __cdecl putwc_fill(wchar_t c, FILE *file) { return fputwc(c, file); }

/* File positions as the C++ streams ask for them, with 64 bits, through
   crtdll.dll's _lseek, which takes 32: an offset that does not fit is
   refused, not cut. */
__int64 __cdecl lseeki64_fill(int fd, __int64 offset, int origin) PLAIN(_lseeki64);
__int64 __cdecl lseeki64_fill(int fd, __int64 offset, int origin) {
  if (offset != (long)offset) {
    errno = EINVAL;
    return -1;
  }
  return _lseek(fd, (long)offset, origin);
}

/* For std::random_device, which nothing here uses: Windows 95 has no source
   of random numbers to give it, so it fails as rand_s does without one. */
static int __cdecl rand_s_fill(unsigned *value) {
  (void)value;
  return EINVAL;
}
SLOT(rand_s, rand_s_fill);

/* crtdll.dll's messages always go where the program's kind sends them:
   there is no mode to set, and a request to set one is refused. */
static int __cdecl set_error_mode_fill(int mode) {
  (void)mode;
  errno = EINVAL;
  return -1;
}
SLOT(_set_error_mode, set_error_mode_fill);

/* A path's kind, size and times from the system, as Windows 95 tells them:
   crtdll.dll's own _stat fills a structure of another layout. */
static __time32_t unix_time(FILETIME t) {
  const ULONGLONG ticks = ((ULONGLONG)t.dwHighDateTime << 32) | t.dwLowDateTime;
  return ticks < 116444736000000000ULL ? 0 : (__time32_t)((ticks - 116444736000000000ULL) / 10000000);
}
static int __cdecl stat32_fill(const char *path, struct _stat32 *st) {
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    errno = ENOENT;
    return -1;
  }
  memset(st, 0, sizeof *st);
  st->st_nlink = 1;
  st->st_mode = _S_IREAD | (attributes & FILE_ATTRIBUTE_READONLY ? 0 : _S_IWRITE);
  st->st_mode |= attributes & FILE_ATTRIBUTE_DIRECTORY ? _S_IFDIR | _S_IEXEC : _S_IFREG;
  st->st_mode |= (st->st_mode & 0700) >> 3 | (st->st_mode & 0700) >> 6;
  /* A drive's root has no directory entry to tell its size and times. */
  WIN32_FIND_DATAA entry;
  const HANDLE find = FindFirstFileA(path, &entry);
  if (find != INVALID_HANDLE_VALUE) {
    FindClose(find);
    st->st_size = (_off_t)entry.nFileSizeLow;
    st->st_atime = unix_time(entry.ftLastAccessTime);
    st->st_mtime = unix_time(entry.ftLastWriteTime);
    st->st_ctime = unix_time(entry.ftCreationTime);
  }
  return 0;
}
SLOT(_stat32, stat32_fill);

/* A file named in UTF-16 opened by its name in the ANSI code page, the only
   names Windows 95 knows; a name that page cannot spell is not found. */
static char *ansi(const wchar_t *text) {
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, NULL, 0, NULL, NULL);
  char *narrow = size > 0 ? malloc(size) : NULL;
  if (narrow && (WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, size, NULL, &lossy) != size || lossy)) {
    free(narrow);
    narrow = NULL;
  }
  return narrow;
}
FILE *__cdecl wfopen_fill(const wchar_t *name, const wchar_t *mode) PLAIN(_wfopen);
FILE *__cdecl wfopen_fill(const wchar_t *name, const wchar_t *mode) {
  char *narrow_name = ansi(name);
  char *narrow_mode = ansi(mode);
  FILE *file = NULL;
  if (narrow_name && narrow_mode)
    file = fopen(narrow_name, narrow_mode);
  else
    errno = ENOENT;
  free(narrow_name);
  free(narrow_mode);
  return file;
}
SLOT(_wfopen, wfopen_fill);
