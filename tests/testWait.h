#pragma once

namespace testWait {

// The bound of a wait for an event: it only ends a hang. A loaded machine
// (a sanitizer build, two suites side by side, a busy loop on every core)
// may take seconds for what takes milliseconds alone, and a test that passes
// never waits this long.
constexpr int kHangMs = 60000;

} // namespace testWait
