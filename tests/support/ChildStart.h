#pragma once
// A test program started again as a child takes seconds, many times that under the
// sanitizers on a busy machine. Waiting for it is bounded only to stop a hung child, well
// within the test's own time limit (tests/CMakeLists.txt).

namespace testsupport {

constexpr int kHungChildMs = 240000;

} // namespace testsupport
