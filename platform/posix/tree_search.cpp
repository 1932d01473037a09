#include "platform/posix/tree_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <thread>

#include "platform/posix/case_mapping.h"
#include "platform/posix/utf.h"

namespace velorin {
namespace {

std::set<dev_t> pseudo_devices() {
  static constexpr std::string_view kPseudo[] = {
      "proc",      "sysfs",       "devtmpfs", "devpts",    "cgroup", "cgroup2",    "debugfs",
      "tracefs",   "securityfs",  "pstore",   "bpf",       "configfs", "fusectl",  "mqueue",
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

// The raw record getdents64 fills its buffer with.
struct LinuxDirent64 {
  ino64_t d_ino;
  off64_t d_off;
  unsigned short d_reclen;
  unsigned char d_type;
  char d_name[];
};

EntryKind kind_of(int directory, const char* name, unsigned char type) {
  if (type == DT_UNKNOWN) {
    struct stat st;
    if (fstatat(directory, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::Other;
    if (S_ISDIR(st.st_mode)) return EntryKind::Directory;
    if (S_ISLNK(st.st_mode)) return EntryKind::Link;
    return S_ISREG(st.st_mode) ? EntryKind::File : EntryKind::Other;
  }
  switch (type) {
    case DT_DIR:
      return EntryKind::Directory;
    case DT_REG:
      return EntryKind::File;
    case DT_LNK:
      return EntryKind::Link;
    default:
      return EntryKind::Other;
  }
}

constexpr int kDirectory = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// Kernels before 5.6 lack openat2, and a container's or service's system
// call filter may refuse it: there the path is opened one directory at a
// time, none of them a link.
std::atomic<bool> kernel_resolves{true};

// Errors the path itself causes, which opening it a part at a time would meet too.
bool path_error(int error) {
  return error == ENOENT || error == ENOTDIR || error == ELOOP || error == EXDEV || error == EACCES;
}

// The readers yield the processor to the window, and to everything else:
// a walk that keeps every core busy in the kernel leaves the window's
// thread next to nothing at an equal share. A thread may lower its own
// priority without privileges.
constexpr int kReaderNice = 19;

int open_step_by_step(int root, const std::string& below) {
  int at = root;
  for (std::size_t begin = 0; begin < below.size();) {
    const std::size_t end = std::min(below.find('/', begin), below.size());
    const int next = openat(at, below.substr(begin, end - begin).c_str(), kDirectory | O_NOFOLLOW);
    if (at != root) close(at);
    if (next < 0) return -1;
    at = next;
    begin = end + 1;
  }
  return at == root ? -1 : at;
}

}  // namespace

PosixDirectories::PosixDirectories() : pseudo_(pseudo_devices()) {}

PosixDirectories::~PosixDirectories() {
  if (root_ >= 0) close(root_);
}

int PosixDirectories::open_root(const std::string& path) {
  if (root_ >= 0) close(root_);
  root_ = open(path.c_str(), kDirectory);
  root_length_ = path.size() + (path.empty() || path.back() == '/' ? 0 : 1);
  return root_;
}

int PosixDirectories::open_below(const std::string& path) const {
  if (root_ < 0 || path.size() <= root_length_) return -1;
  const std::string below = path.substr(root_length_);
  if (kernel_resolves) {
    open_how how = {};
    how.flags = kDirectory;
    how.resolve = RESOLVE_NO_SYMLINKS;
    const int fd = static_cast<int>(syscall(SYS_openat2, root_, below.c_str(), &how, sizeof how));
    if (fd >= 0 || path_error(errno)) return fd;
    // Refused as a call, not for this path: never asked again.
    if (errno == ENOSYS || errno == EPERM || errno == EINVAL || errno == E2BIG) kernel_resolves = false;
  }
  return open_step_by_step(root_, below);
}

bool PosixDirectories::list(const std::string& path, Reached reached, const Entry& entry) {
  const int fd = reached == Reached::AsRoot ? open_root(path) : open_below(path);
  if (fd < 0) return false;  // unreadable, gone or reached through a link: passed over
  // Closed on every way out, the root only by the next walk.
  struct Close {
    int fd;
    bool keep;
    ~Close() {
      if (!keep) close(fd);
    }
  } closing{fd, reached == Reached::AsRoot};
  struct stat st;
  if (!pseudo_.empty() && fstat(fd, &st) == 0 && pseudo_.count(st.st_dev)) return false;
  // The link itself lies in this directory, opened through no link.
  const LeadsToFile leads_to_file = [fd](std::string_view name) {
    struct stat st;
    return fstatat(fd, std::string(name).c_str(), &st, 0) == 0 && S_ISREG(st.st_mode);
  };
  alignas(LinuxDirent64) char buffer[64 * 1024];
  for (long got; (got = syscall(SYS_getdents64, fd, buffer, sizeof buffer)) > 0;) {
    for (long at = 0; at < got;) {
      const auto* d = reinterpret_cast<const LinuxDirent64*>(buffer + at);
      at += d->d_reclen;
      const char* n = d->d_name;
      if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'))) continue;
      entry(n, kind_of(fd, n, d->d_type), leads_to_file);
    }
  }
  return true;
}

std::string PosixDirectories::fold(std::string_view name) { return utf8_from_code_points(lower_case(code_points(name))); }

void PosixDirectories::read_on_threads(unsigned count, const std::function<void(unsigned)>& read) {
  std::vector<std::thread> readers;
  // Joined on every way out: a joinable thread left behind ends the program.
  struct Join {
    std::vector<std::thread>& threads;
    ~Join() {
      for (std::thread& t : threads) t.join();
    }
  } join{readers};
  try {
    for (unsigned reader = 0; reader < count; ++reader)
      readers.emplace_back([&read, reader] {
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kReaderNice);
        read(reader);
      });
  } catch (const std::system_error&) {
    // The system gives no more threads: the readers there are share the level.
  }
  if (readers.empty()) read(0);
}

unsigned search_threads() { return std::clamp(std::thread::hardware_concurrency(), 1u, 4u); }

std::optional<std::string> search_tree(const std::string& root, std::string_view name, std::size_t longest,
                                       unsigned threads) {
  PosixDirectories directories;
  return walk_tree(directories, root, {std::string(name)}, longest, threads).front();
}

}  // namespace velorin
