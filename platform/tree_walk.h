#pragma once
// One walk of a directory tree for several file names at once, shared by the
// Linux and the Windows platform. Breadth-first: every directory of one depth
// is read before any of the next, so each name is answered at the shallowest
// depth where it occurs, and the walk stops as soon as every name is. Of the
// matches at that depth the one whose path sorts first is reported, so the
// answer depends neither on the order in which the system lists a directory
// nor on the number of threads that read them.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace velorin {

enum class EntryKind { File, Directory, Link, Other };
// The root is taken as given, through a link if it is one; a directory below
// it is listed only if it is still no link when it is opened.
enum class Reached { AsRoot, FromParent };

// How one system lists directories, compares names and runs threads. Texts
// are in the system's own encoding: UTF-8 on Linux, the ANSI code page on
// Windows, so that a length limit counts what the caller's buffer holds.
class DirectorySource {
 public:
  virtual ~DirectorySource() = default;
  // Whether a link in the directory being listed leads to a file that
  // exists: asked only of links whose name matches, and decided from the
  // directory as it was opened, so that no link on the way to it counts.
  using LeadsToFile = std::function<bool(std::string_view name)>;
  using Entry = std::function<void(std::string_view name, EntryKind kind, const LeadsToFile& leads_to_file)>;
  // Every entry but "." and ".."; a link, to a directory or not, is a Link.
  // False when the directory cannot be read or is to be passed over.
  virtual bool list(const std::string& path, Reached reached, const Entry& entry) = 0;
  // The name as the system compares it: without regard to letter case. Only
  // names beyond ASCII are asked for; ASCII ones are folded by the walk.
  virtual std::string fold(std::string_view name) = 0;
  virtual char separator() = 0;
  // Runs read(0) .. read(count - 1) on threads of the system's own, below
  // the priority of the window's thread, and returns when every one has
  // ended. A thread the system refuses is one reader fewer: its read never
  // runs; where it gives none, read(0) runs here. No read throws.
  virtual void read_on_threads(unsigned count, const std::function<void(unsigned)>& read) = 0;
  // What the walk times its levels by, to tell a disk from memory.
  virtual std::chrono::steady_clock::time_point now() { return std::chrono::steady_clock::now(); }
};

// For each name, the full path of its match, at most `longest` bytes long; a
// match with a longer path cannot be reported and is passed over. Root and
// names end at their first NUL, as C strings handed to the system do. What
// a reader throws is thrown here, once every reader has ended. With
// progress, each directory read is counted, and once it says stop the walk
// ends within a directory's reading, answering nothing.
std::vector<std::optional<std::string>> walk_tree(DirectorySource& source, const std::string& root,
                                                  const std::vector<std::string>& names, std::size_t longest,
                                                  unsigned threads, SearchProgress* progress = nullptr);

// The tree search as the checker uses it: one name alone, or a run of
// searches (see SearchRun). Each search and each run lists through a
// source of its own, so that a run left to end by itself shares nothing
// with the next.
class TreeSearch final {
 public:
  using Sources = std::function<std::unique_ptr<DirectorySource>()>;
  TreeSearch(Sources sources, unsigned threads) : sources_(std::move(sources)), threads_(threads) {}
  std::optional<std::string> find(const std::string& root, const std::string& name, std::size_t longest) const;
  // As Platform::SearchTreeForFile: a path that does not fit the buffer counts as not found.
  std::int32_t SearchTreeForFile(std::string_view root, std::string_view name,
                                 std::span<char, kSearchPathBuffer> buffer) const;
  std::shared_ptr<SearchRun> begin(std::vector<std::string> names, std::shared_ptr<SearchProgress> progress) const;

 private:
  Sources sources_;
  unsigned threads_;
};

// Threads to read directories on: as many as there are cores, at most four.
// Each platform counts its cores its own way.
unsigned search_threads();

}  // namespace velorin
