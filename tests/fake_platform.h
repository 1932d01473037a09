#pragma once
// A platform whose every answer the test sets, and which can fail or throw
// in any operation. Its "ANSI" code page is Latin-1, so that conversions are
// visible in the results.

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace velorin::testing {

enum class Outcome { Succeed, Fail, Throw };

class FakePlatform final : public Platform {
 public:
  // GetVersionExA copies this record (all but its size) when it succeeds.
  VersionRecord version;
  Outcome version_outcome = Outcome::Succeed;

  // SHGetSpecialFolderLocation knows folder 38 only; the path call writes
  // folder_bytes into the buffer as they are (no NUL is added).
  std::string folder_bytes = std::string("C:\\Programme") + '\0';
  Outcome location_outcome = Outcome::Succeed;
  Outcome path_outcome = Outcome::Succeed;
  int lists_handed_out = 0;
  int lists_freed = 0;
  std::size_t path_buffer_size = 0;
  std::string path_buffer_before;  // what the caller handed in
  WindowHandle last_owner = 0;

  // SearchTreeForFile asks tree for the path of a name under a root and
  // copies what it answers into the buffer, with a NUL where there is room.
  std::function<std::optional<std::string>(const std::string& root, const std::string& name)> tree =
      [](const std::string&, const std::string&) { return std::nullopt; };
  Outcome search_outcome = Outcome::Succeed;
  struct Search {
    std::string root, name;
    bool in_batch = false;  // asked for through a run of begin_searches
    bool operator==(const Search&) const = default;
  };
  std::vector<Search> searches;
  // The names of each run of searches, and whether the latest still lives.
  std::vector<std::vector<std::string>> batches;
  bool in_batch = false;
  SearchProgress* progress = nullptr;  // the latest run's, while it lives
  std::atomic<int> live_runs{0};       // a search left running holds its run

  // Every shell open and program start, as the platform received them.
  struct ShellCall {
    WindowHandle owner;
    std::string operation, file;
    std::int32_t show;
    bool operator==(const ShellCall&) const = default;
  };
  std::vector<ShellCall> opened;
  Outcome shell_outcome = Outcome::Succeed;
  struct Start {
    std::string program;
    std::int32_t window_style;
    bool operator==(const Start&) const = default;
  };
  std::vector<Start> started;
  Outcome start_outcome = Outcome::Succeed;
  std::string program_folder = "C:\\Tools";
  char separator = '\\';

  Outcome conversion_outcome = Outcome::Succeed;
  Outcome case_outcome = Outcome::Succeed;
  std::uint32_t version_size_seen = 0;

  std::int32_t GetVersionExA(VersionRecord& record) override {
    version_size_seen = record.dwOSVersionInfoSize;
    if (act(version_outcome)) return 0;
    const std::uint32_t size = record.dwOSVersionInfoSize;
    record = version;
    record.dwOSVersionInfoSize = size;
    return 1;
  }

  std::int32_t SHGetSpecialFolderLocation(WindowHandle owner, std::int32_t folder, ItemIdList& list) override {
    last_owner = owner;
    if (act(location_outcome) || folder != 38) return static_cast<std::int32_t>(0x80070057);
    list = 0x3800 + static_cast<ItemIdList>(++lists_handed_out);
    return 0;
  }

  std::int32_t SHGetPathFromIDListA(ItemIdList list, std::span<char, kFolderPathBuffer> buffer) override {
    path_buffer_size = buffer.size();
    path_buffer_before.assign(buffer.data(), buffer.size());
    if (list == 0 || act(path_outcome)) return 0;
    folder_bytes.copy(buffer.data(), std::min(folder_bytes.size(), buffer.size()));
    return 1;
  }

  void free_item_list(ItemIdList list) override {
    if (list != 0) ++lists_freed;
  }

  std::int32_t SearchTreeForFile(std::string_view root, std::string_view name,
                                 std::span<char, kSearchPathBuffer> buffer) override {
    searches.push_back({std::string(root), std::string(name), in_batch});
    if (act(search_outcome)) return 0;
    const std::optional<std::string> path = tree(std::string(root), std::string(name));
    if (!path) return 0;
    const std::size_t n = path->copy(buffer.data(), buffer.size());
    if (n < buffer.size()) buffer[n] = '\0';
    return 1;
  }

  // A run's searches are the platform's own.
  class Run final : public SearchRun {
   public:
    Run(FakePlatform& platform, std::shared_ptr<SearchProgress> progress)
        : platform_(platform), progress_(std::move(progress)) {
      platform_.in_batch = true;
      platform_.progress = progress_.get();
      ++platform_.live_runs;
    }
    ~Run() override {
      if (platform_.progress == progress_.get()) {  // not yet a later run's
        platform_.in_batch = false;
        platform_.progress = nullptr;
      }
      --platform_.live_runs;
    }
    std::int32_t SearchTreeForFile(std::string_view root, std::string_view name,
                                   std::span<char, kSearchPathBuffer> buffer) override {
      return platform_.SearchTreeForFile(root, name, buffer);
    }

   private:
    FakePlatform& platform_;
    std::shared_ptr<SearchProgress> progress_;
  };

  std::shared_ptr<SearchRun> begin_searches(const std::vector<std::string>& names,
                                            std::shared_ptr<SearchProgress> run_progress) override {
    batches.push_back(names);
    return std::make_shared<Run>(*this, std::move(run_progress));
  }

  std::intptr_t ShellExecuteA(WindowHandle owner, std::string_view operation, std::string_view file,
                              std::int32_t show) override {
    opened.push_back({owner, std::string(operation), std::string(file), show});
    return act(shell_outcome) ? 2 : 42;  // 2: ERROR_FILE_NOT_FOUND
  }

  std::int32_t start_program(std::string_view program, std::int32_t window_style) override {
    started.push_back({std::string(program), window_style});
    return act(start_outcome) ? 0 : 1;
  }

  std::string application_folder() override { return program_folder; }
  char path_separator() override { return separator; }

  std::string to_ansi(std::u16string_view text) override {
    act_or_throw();
    std::string out;
    for (char16_t c : text) out += c < 0x100 ? static_cast<char>(c) : '?';
    return out;
  }

  std::u16string from_ansi(std::string_view text) override {
    act_or_throw();
    std::u16string out;
    for (char c : text) out += static_cast<char16_t>(static_cast<unsigned char>(c));
    return out;
  }

  std::u16string lower_case(std::u16string_view text) override {
    if (case_outcome == Outcome::Throw) throw std::runtime_error("case mapping failure");
    std::u16string out(text);
    for (char16_t& c : out)
      if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 0x20;
    return out;
  }

  // Every operation fails, or throws.
  void break_everything(Outcome outcome) {
    version_outcome = location_outcome = path_outcome = search_outcome = shell_outcome = start_outcome =
        conversion_outcome = case_outcome = outcome;
  }

  void set_version(std::uint32_t platform, std::uint32_t major, std::uint32_t minor, std::uint32_t build,
                   std::string_view service_pack) {
    version = VersionRecord{};
    version.dwPlatformId = platform;
    version.dwMajorVersion = major;
    version.dwMinorVersion = minor;
    version.dwBuildNumber = build;
    service_pack.copy(version.szCSDVersion, std::min(service_pack.size(), sizeof version.szCSDVersion));
  }

 private:
  // True when the operation is to report failure; throws when it is to throw.
  static bool act(Outcome outcome) {
    if (outcome == Outcome::Throw) throw std::runtime_error("platform failure");
    return outcome == Outcome::Fail;
  }
  void act_or_throw() const {
    if (conversion_outcome != Outcome::Succeed) throw std::runtime_error("conversion failure");
  }
};

}  // namespace velorin::testing
