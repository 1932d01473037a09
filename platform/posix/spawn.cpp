#include "platform/posix/spawn.h"

#include <spawn.h>
#include <cerrno>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace velorin {

bool spawn_detached(const std::vector<std::string>& argv, Find find) {
  if (argv.empty()) return false;
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  // The started program gets the session's environment (its display, its
  // desktop); this program reads none of it.
  const auto spawn = find == Find::OnPath ? posix_spawnp : posix_spawn;
  if (spawn(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
  std::thread([pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return true;
}

}  // namespace velorin
