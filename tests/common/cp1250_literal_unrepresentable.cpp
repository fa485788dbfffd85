// Compiled by the test suite, never linked: a text the code page cannot hold must stop the build.
#include "common/cp1250_literal.h"

namespace vek {
const char* kUnrepresentable = "Dobrý den ☺"_cp;
}  // namespace vek
