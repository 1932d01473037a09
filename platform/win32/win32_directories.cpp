#include "platform/win32/win32_directories.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/later_functions.h"

namespace velorin {
namespace {

// Windows 7 on: no short names, and bigger reads from the file system.
constexpr auto kInfoBasic = static_cast<FINDEX_INFO_LEVELS>(1);
constexpr DWORD kLargeFetch = 2;

struct Reader {
  const std::function<void(unsigned)>* read;
  unsigned index;
};

DWORD WINAPI run_reader(void* parameter) {
  const auto* reader = static_cast<const Reader*>(parameter);
  (*reader->read)(reader->index);
  return 0;
}

}  // namespace

Win32Directories::Win32Directories()
    : find_first_ex_(win32::later<decltype(&FindFirstFileExA)>("kernel32.dll", "FindFirstFileExA")) {}

HANDLE Win32Directories::find_first(const std::string& pattern, Level level, WIN32_FIND_DATAA& found,
                                    bool& short_names) const {
  short_names = true;
  if (!find_first_ex_) return FindFirstFileA(pattern.c_str(), &found);
  if (level == Level::Fast) {
    const HANDLE find = find_first_ex_(pattern.c_str(), kInfoBasic, &found, FindExSearchNameMatch, nullptr, kLargeFetch);
    if (find != INVALID_HANDLE_VALUE || GetLastError() != ERROR_INVALID_PARAMETER) {  // else before Windows 7
      short_names = false;
      return find;
    }
  }
  return find_first_ex_(pattern.c_str(), FindExInfoStandard, &found, FindExSearchNameMatch, nullptr, 0);
}

template <class Each>
bool Win32Directories::each_entry(const std::string& pattern, Level level, const Each& each) const {
  WIN32_FIND_DATAA found;
  bool short_names = true;
  HANDLE find = find_first(pattern, level, found, short_names);
  if (find == INVALID_HANDLE_VALUE) return false;
  // Closed on every way out, a throwing entry's too.
  struct Close {
    HANDLE find;
    ~Close() { FindClose(find); }
  } closing{find};
  do {
    const char* n = found.cFileName;
    if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'))) continue;
    each(found, short_names);
  } while (FindNextFileA(find, &found));
  return true;
}

// Reparse points below the root are never listed as directories, so a
// directory reached from its parent is one. A link to a file is reported
// as a file, so none is ever asked after. A drive without a medium answers
// "not ready" at once: the program's error mode keeps the system from asking
// for a disk. Where a name has a character the code page lacks, the system
// puts "?", which no real name holds, and a path made of it opens nothing:
// such an entry goes by its short name, which the code page always spells.
// The fast listing has none, so a folder that holds such names is asked
// again for them. A volume without short names keeps such a folder unsearched.
bool Win32Directories::list(const std::string& path, Reached, const Entry& entry) {
  std::string pattern = path;
  if (pattern.back() != '\\') pattern += '\\';
  pattern += '*';
  const LeadsToFile no_links = [](std::string_view) { return false; };
  bool unspelled = false;
  const auto report = [&](const WIN32_FIND_DATAA& found, bool short_names) {
    const char* name = found.cFileName;
    if (std::strchr(name, '?')) {
      unspelled = unspelled || !short_names;
      name = found.cAlternateFileName;
      if (!name[0]) return;
    }
    const DWORD attributes = found.dwFileAttributes;
    EntryKind kind = EntryKind::File;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
      kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? EntryKind::Other : EntryKind::Directory;
    entry(name, kind, no_links);
  };
  if (!each_entry(pattern, Level::Fast, report)) return false;
  if (unspelled) {
    each_entry(pattern, Level::WithShortNames, [&](const WIN32_FIND_DATAA& found, bool short_names) {
      if (std::strchr(found.cFileName, '?')) report(found, short_names);
    });
  }
  return true;
}

std::string Win32Directories::fold(std::string_view name) {
  std::string folded(name);
  if (!folded.empty()) CharLowerBuffA(folded.data(), static_cast<DWORD>(folded.size()));
  return folded;
}

void Win32Directories::read_on_threads(unsigned count, const std::function<void(unsigned)>& read) {
  std::vector<Reader> readers(count);
  std::vector<HANDLE> threads;
  // Waited for on every way out: the readers share this frame's data.
  struct Wait {
    std::vector<HANDLE>& threads;
    ~Wait() {
      for (HANDLE t : threads) {
        WaitForSingleObject(t, INFINITE);
        CloseHandle(t);
      }
    }
  } wait{threads};
  for (unsigned r = 0; r < count; ++r) {
    readers[r] = Reader{&read, r};
    DWORD id = 0;  // Windows 95 wants somewhere to put it
    HANDLE thread = CreateThread(nullptr, 0, run_reader, &readers[r], 0, &id);
    if (!thread) break;  // the readers there are share the level
    // Below the window's thread, which the system then always serves first.
    SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL);
    threads.push_back(thread);
  }
  if (threads.empty()) read(0);
}

unsigned search_threads() {
  SYSTEM_INFO info = {};
  GetSystemInfo(&info);
  return std::clamp<unsigned>(info.dwNumberOfProcessors, 1u, 4u);
}

}  // namespace velorin
