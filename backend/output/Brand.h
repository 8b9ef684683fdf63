#pragma once
// The maker's name wherever the back end prints it (the test report).

namespace Brand {

inline constexpr char kMakerName[] = "Vantorel";

} // namespace Brand
