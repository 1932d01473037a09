#pragma once
// The operations the window needs from the system, at the level of the
// Windows calls they stand for. They report failure as those calls do (a zero
// return, an HRESULT, an untouched buffer) and are not meant to throw; the
// handlers treat a throw like any other failed step. Buffers and NUL handling
// stay with the caller, so every edge case can be produced by a fake.

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velorin {

// OSVERSIONINFOA, byte for byte.
struct VersionRecord final {
  std::uint32_t dwOSVersionInfoSize = 0;
  std::uint32_t dwMajorVersion = 0;
  std::uint32_t dwMinorVersion = 0;
  std::uint32_t dwBuildNumber = 0;
  std::uint32_t dwPlatformId = 0;
  char szCSDVersion[128] = {};
};
static_assert(sizeof(VersionRecord) == 148);

using WindowHandle = std::uintptr_t;  // the owner window for shell calls, 0 for none
using ItemIdList = std::uintptr_t;    // the shell's item identifier list, 0 for none

inline constexpr std::size_t kFolderPathBuffer = 512;
inline constexpr std::size_t kSearchPathBuffer = 160;

// What a long search reports and obeys: its threads count the directories
// they read and look at `stop` before each one; the window's thread reads
// the count and may set `stop`, after which the search soon finds nothing.
struct SearchProgress final {
  std::atomic<std::uint32_t> directories{0};  // lock-free on a 486 too
  std::atomic<bool> stop{false};
};

// A run of searches: each root walked once for all of the run's names, and
// the calls that follow answered from that walk. The run holds all it needs
// and lives as long as its last holder, so that a search the window no
// longer waits for (after a cancel, on a disk that hangs) ends by itself:
// it touches nothing but its run and what it was handed, and frees both.
// One call at a time, on any thread.
class SearchRun {
 public:
  virtual ~SearchRun() = default;
  // As Platform::SearchTreeForFile, for a name of the run or any other.
  virtual std::int32_t SearchTreeForFile(std::string_view root, std::string_view name,
                                         std::span<char, kSearchPathBuffer> buffer) = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Fills the record; its result is not looked at.
  virtual std::int32_t GetVersionExA(VersionRecord& record) = 0;
  // 0 on success, with list set; any other value on failure.
  virtual std::int32_t SHGetSpecialFolderLocation(WindowHandle owner, std::int32_t folder, ItemIdList& list) = 0;
  // Nonzero on success, with the NUL-ended path written into buffer.
  virtual std::int32_t SHGetPathFromIDListA(ItemIdList list, std::span<char, kFolderPathBuffer> buffer) = 0;
  virtual void free_item_list(ItemIdList list) = 0;

  // Nonzero when a file of that name lies in the tree under root, with its
  // NUL-ended full path written into buffer; 0 when there is none.
  virtual std::int32_t SearchTreeForFile(std::string_view root, std::string_view name,
                                         std::span<char, kSearchPathBuffer> buffer) = 0;
  // A run of searches about to ask for these names; its searches report
  // to, and obey, progress. Nothing is kept beyond the run.
  virtual std::shared_ptr<SearchRun> begin_searches(const std::vector<std::string>& names,
                                                    std::shared_ptr<SearchProgress> progress) = 0;

  // Opens a file, folder, address or program with what the system associates
  // with it, without waiting; the result is not looked at.
  virtual std::intptr_t ShellExecuteA(WindowHandle owner, std::string_view operation, std::string_view file,
                                      std::int32_t show) = 0;
  // Starts the program at this full path without waiting; 0 when it could
  // not be started. The path reaches the system as one whole, blanks and all.
  virtual std::int32_t start_program(std::string_view program, std::int32_t window_style) = 0;
  // The folder the running program file lies in, and the system's path separator.
  virtual std::string application_folder() = 0;
  virtual char path_separator() = 0;

  // The system's ANSI code page, both ways.
  virtual std::string to_ansi(std::u16string_view text) = 0;
  virtual std::u16string from_ansi(std::string_view text) = 0;
  // Lower case as the system maps letters.
  virtual std::u16string lower_case(std::u16string_view text) = 0;
};

}  // namespace velorin
