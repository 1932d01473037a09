#pragma once
// A number or flag that several threads read and change at once: the few
// operations the search needs, each whole and in order. It stands in for
// std::atomic, whose header the Windows programs cannot include: from GCC 13
// on, it brings in the Win32 thread model's waiting code, which is declared
// only for Windows Vista and later. The compiler's own built-ins underneath
// are what std::atomic is made of; they become the same few instructions
// (lock xadd, xchg, mov), which every processor from the 80486 on has.

#include <type_traits>

namespace velorin {

template <class T>
class Atomic final {
  static_assert(std::is_integral_v<T>);
  // No call into a runtime library: the 486 has no eight-byte exchange.
  static_assert(__atomic_always_lock_free(sizeof(T), 0));

 public:
  constexpr Atomic(T value = T{}) noexcept : value_(value) {}
  Atomic(const Atomic&) = delete;
  Atomic& operator=(const Atomic&) = delete;

  T load() const noexcept { return __atomic_load_n(&value_, __ATOMIC_SEQ_CST); }
  void store(T value) noexcept { __atomic_store_n(&value_, value, __ATOMIC_SEQ_CST); }
  // Each returns the value before the change.
  T exchange(T value) noexcept { return __atomic_exchange_n(&value_, value, __ATOMIC_SEQ_CST); }
  T fetch_add(T n) noexcept { return __atomic_fetch_add(&value_, n, __ATOMIC_SEQ_CST); }

  operator T() const noexcept { return load(); }
  T operator=(T value) noexcept {
    store(value);
    return value;
  }
  T operator++() noexcept { return fetch_add(1) + 1; }

 private:
  alignas(sizeof(T)) T value_;
};

}  // namespace velorin
