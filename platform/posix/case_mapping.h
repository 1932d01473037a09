#pragma once
// Unicode's lower case, letter by letter, whatever locale the environment
// names: Ä becomes ä, and a name on disk compares with the one searched for.

#include <string>

namespace velorin {

std::u32string lower_case(std::u32string text);

}  // namespace velorin
