#pragma once
// Handlers run statement by statement: a statement that fails is skipped and
// the next one runs. Wrap each statement that can fail (anything that calls
// out to the platform) in step().

namespace velorin {

template <class Statement>
void step(Statement&& statement) noexcept {
  try {
    statement();
  } catch (...) {
  }
}

}  // namespace velorin
