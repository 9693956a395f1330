#pragma once

namespace qor::test {
// Call when a test process creates a GL context (see tests/TestMain.cpp).
void MarkGLUsed();
}  // namespace qor::test
