#pragma once
// Starts a program with an argument vector, never through a shell, and does
// not wait for it; a thread of its own collects it when it ends, so that no
// zombie is left behind.

#include <string>
#include <vector>

namespace velorin {

// Where argv[0] is found: looked up on PATH as a desktop finds its programs,
// or exactly at the path given.
enum class Find { OnPath, AtPath };

// False when the program could not be started.
bool spawn_detached(const std::vector<std::string>& argv, Find find);

}  // namespace velorin
