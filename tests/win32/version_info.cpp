// Prints a program file's version resource, one "Name=Value" a line.
// Usage: version_info.exe FILE

#include <windows.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
  if (size == 0) return 1;
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(argv[1], 0, size, data.data())) return 1;
  const auto print_version = [](const char* name, DWORD high, DWORD low) {
    std::printf("%s=%u.%u.%u.%u\n", name, unsigned{HIWORD(high)}, unsigned{LOWORD(high)}, unsigned{HIWORD(low)},
                unsigned{LOWORD(low)});
  };
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length)) {
    print_version("FILEVERSION", fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    print_version("PRODUCTVERSION", fixed->dwProductVersionMS, fixed->dwProductVersionLS);
  }
  for (const char* name : {"Comments", "FileDescription", "FileVersion", "InternalName", "OriginalFilename",
                           "ProductName", "ProductVersion"}) {
    char path[128];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\040704B0\\%s", name);
    char* value = nullptr;
    if (VerQueryValueA(data.data(), path, reinterpret_cast<void**>(&value), &length))
      std::printf("%s=%s\n", name, value);
  }
  return 0;
}
