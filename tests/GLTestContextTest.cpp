// What a test that cannot draw does: skip on a developer's machine, fail
// under CI=true.
#include "tests/GLTestContext.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace qor::test {
namespace {

class cScopedCi {
  public:
    explicit cScopedCi(const char* value) {
        if (const char* old = std::getenv("CI"))
            m_old = old;
        if (value)
            setenv("CI", value, 1);
        else
            unsetenv("CI");
    }
    ~cScopedCi() {
        if (m_old)
            setenv("CI", m_old->c_str(), 1);
        else
            unsetenv("CI");
    }

  private:
    std::optional<std::string> m_old;
};

// Failures ReportCannotDraw adds under the given CI value.
int FailuresUnder(const char* ci) {
    cScopedCi scoped(ci);
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        ReportCannotDraw("no GL here");
    }
    return results.size();
}

TEST(GLTestContext, CannotDrawFailsOnlyUnderCi) {
    const struct {
        const char* ci;
        int failures;
    } cases[] = {{"true", 1}, {"TRUE", 1}, {"1", 1}, {nullptr, 0}, {"", 0}, {"false", 0}, {"0", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(FailuresUnder(c.ci), c.failures) << (c.ci ? c.ci : "(unset)");
    cScopedCi ci("true");
    EXPECT_FATAL_FAILURE(ReportCannotDraw("no GL here"), "cannot draw under CI=true");
}

}  // namespace
}  // namespace qor::test
