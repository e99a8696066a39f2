// The main of every GoogleTest suite: runs the tests, then names each test
// that did not run and why. With PALIMORA_FAIL_ON_SKIP set (the project's
// test script sets it), a test that did not run fails the suite: a suite
// must not pass by skipping.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace {

int ReportSkipped() {
    const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
    if (unit.skipped_test_count() == 0) return 0;
    std::cerr << unit.skipped_test_count() << " test(s) did not run:\n";
    for (int suite = 0; suite < unit.total_test_suite_count(); ++suite) {
        const ::testing::TestSuite& tests = *unit.GetTestSuite(suite);
        for (int i = 0; i < tests.total_test_count(); ++i) {
            const ::testing::TestInfo& test = *tests.GetTestInfo(i);
            if (!test.result()->Skipped()) continue;
            std::cerr << "  " << tests.name() << "." << test.name();
            const ::testing::TestResult& result = *test.result();
            for (int part = 0; part < result.total_part_count(); ++part) {
                const char* why = result.GetTestPartResult(part).message();
                if (why && *why) std::cerr << ": " << why;
            }
            std::cerr << '\n';
        }
    }
    const char* failOnSkip = std::getenv("PALIMORA_FAIL_ON_SKIP");
    return failOnSkip && *failOnSkip && std::string(failOnSkip) != "0" ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    const int skipped = ReportSkipped();
    return failed != 0 ? failed : skipped;
}
