// The program file's load configuration. Its one setting: every DLL the file
// imports comes from the system folder, never from the folder the program
// was started from (Windows 10 1607 on; older systems ignore the field).
// GNU ld before 2.45 does not enter it in the file's header: load_config.py
// does that after the link. The layout is Windows XP's; all else is zero,
// which every Windows takes as its default, and as no SafeSEH table.

#include <cstddef>
#include <cstdint>

namespace velorin::win32 {

using Word = std::uintptr_t;

struct LoadConfig {
  std::uint32_t size;
  std::uint32_t time_date_stamp;
  std::uint16_t major_version, minor_version;
  std::uint32_t global_flags_clear, global_flags_set;
  std::uint32_t critical_section_default_timeout;
  Word decommit_free_block_threshold, decommit_total_free_threshold;
  Word lock_prefix_table, maximum_allocation_size, virtual_memory_threshold;
#ifdef _WIN64
  Word process_affinity_mask;
  std::uint32_t process_heap_flags;
#else
  std::uint32_t process_heap_flags;
  Word process_affinity_mask;
#endif
  std::uint16_t csd_version;
  std::uint16_t dependent_load_flags;
  Word edit_list, security_cookie;
  Word se_handler_table, se_handler_count;
};
static_assert(offsetof(LoadConfig, dependent_load_flags) == (sizeof(Word) == 8 ? 78 : 54));

// Windows XP takes a 32-bit file's directory only at 64 bytes, which ends
// before the SafeSEH fields.
constexpr LoadConfig load_config() {
  LoadConfig config{};
  config.size = sizeof(Word) == 8 ? sizeof(LoadConfig) : 64;
  config.dependent_load_flags = 0x800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  return config;
}

}  // namespace velorin::win32

// The name Microsoft's linker, and GNU ld from 2.45 on, look for.
extern "C" [[gnu::used]] constinit const velorin::win32::LoadConfig _load_config_used = velorin::win32::load_config();
