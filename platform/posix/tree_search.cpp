#include "platform/posix/tree_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

#include "platform/posix/case_mapping.h"
#include "platform/posix/utf.h"

namespace velorin {
namespace {

// The devices of the mounted pseudo file systems: what they hold are no files.
std::set<dev_t> pseudo_devices() {
  static constexpr std::string_view kPseudo[] = {
      "proc",     "sysfs",      "devtmpfs", "devpts",     "cgroup", "cgroup2",  "debugfs",
      "tracefs",  "securityfs", "pstore",   "bpf",        "configfs", "fusectl", "mqueue",
      "hugetlbfs", "binfmt_misc", "efivarfs", "selinuxfs", "nsfs",   "rpc_pipefs", "autofs",
  };
  std::set<dev_t> devices;
  FILE* mounts = std::fopen("/proc/self/mountinfo", "re");
  if (!mounts) return devices;
  char line[4096];
  while (std::fgets(line, sizeof line, mounts)) {
    // "36 35 98:0 /root /mnt options - fstype source ..."
    unsigned major = 0, minor = 0;
    if (std::sscanf(line, "%*u %*u %u:%u", &major, &minor) != 2) continue;
    const char* dash = std::strstr(line, " - ");
    if (!dash) continue;
    const std::string_view rest(dash + 3);
    const std::string_view type = rest.substr(0, rest.find(' '));
    if (std::find(std::begin(kPseudo), std::end(kPseudo), type) != std::end(kPseudo))
      devices.insert(makedev(major, minor));
  }
  std::fclose(mounts);
  return devices;
}

bool is_ascii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A name compared without regard to letter case; ASCII names, nearly all of
// them, take the short way.
class CaseBlindName final {
 public:
  explicit CaseBlindName(std::string_view name)
      : ascii_(is_ascii(name)), ascii_lower_(name), folded_(lower_case(code_points(name))) {
    std::transform(ascii_lower_.begin(), ascii_lower_.end(), ascii_lower_.begin(), ascii_lower);
  }

  bool matches(std::string_view entry) const {
    if (ascii_ && is_ascii(entry)) {
      return entry.size() == ascii_lower_.size() &&
             std::equal(entry.begin(), entry.end(), ascii_lower_.begin(),
                        [](char a, char b) { return ascii_lower(a) == b; });
    }
    return lower_case(code_points(entry)) == folded_;
  }

 private:
  bool ascii_;
  std::string ascii_lower_;
  std::u32string folded_;
};

std::string join(const std::string& directory, const char* name) {
  std::string path = directory;
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  return path;
}

// What an entry is, without following a link.
unsigned entry_type(DIR* directory, const dirent* entry) {
  if (entry->d_type != DT_UNKNOWN) return entry->d_type;
  struct stat st;
  if (fstatat(dirfd(directory), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return DT_UNKNOWN;
  if (S_ISDIR(st.st_mode)) return DT_DIR;
  if (S_ISLNK(st.st_mode)) return DT_LNK;
  return S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
}

bool links_to_file(DIR* directory, const char* name) {
  struct stat st;
  return fstatat(dirfd(directory), name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::optional<std::string> search_tree(const std::string& root, std::string_view name, std::size_t longest) {
  const CaseBlindName wanted(name);
  const std::set<dev_t> pseudo = pseudo_devices();
  std::vector<std::string> level{root};
  while (!level.empty()) {
    std::vector<std::string> below;
    std::optional<std::string> best;
    for (const std::string& path : level) {
      DIR* directory = opendir(path.c_str());
      if (!directory) continue;  // unreadable or gone: passed over
      struct stat st;
      if (!pseudo.empty() && fstat(dirfd(directory), &st) == 0 && pseudo.count(st.st_dev)) {
        closedir(directory);
        continue;
      }
      while (const dirent* entry = readdir(directory)) {
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'))) continue;
        const unsigned type = entry_type(directory, entry);
        if (type == DT_DIR) {
          // A directory whose path leaves no room for a name can hold no reportable match.
          std::string sub = join(path, n);
          if (sub.size() + 2 <= longest) below.push_back(std::move(sub));
        } else if (wanted.matches(n) && (type == DT_REG || (type == DT_LNK && links_to_file(directory, n)))) {
          std::string found = join(path, n);
          if (found.size() <= longest && (!best || found < *best)) best = std::move(found);
        }
      }
      closedir(directory);
    }
    if (best) return best;
    level = std::move(below);
  }
  return std::nullopt;
}

}  // namespace velorin
