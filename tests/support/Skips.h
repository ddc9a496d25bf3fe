#pragma once

#include <QtTest>

// Checks that cannot run on this machine (a reader or a locale not installed, a right the user
// has or lacks) skip with their reason through ZETRA_SKIP. A program that skipped something
// and failed nothing exits with kSkipExitCode, which ctest counts as skipped (the tests'
// SKIP_RETURN_CODE); scripts/test.sh lists the reasons at its end.
namespace test_skips {
constexpr int kSkipExitCode = 77;
inline int& count() {
    static int skipped = 0;
    return skipped;
}
inline int exitCode(int failures) {
    return failures == 0 && count() > 0 ? kSkipExitCode : failures;
}
} // namespace test_skips

#define ZETRA_SKIP(reason)                                                                         \
    do {                                                                                           \
        ++test_skips::count();                                                                     \
        QSKIP(reason);                                                                             \
    } while (false)

#define ZETRA_TEST_MAIN_WRAPPER(TestObject, ...)                                                   \
    int main(int argc, char* argv[]) {                                                             \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                         \
        __VA_ARGS__                                                                                \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return test_skips::exitCode(QTest::qExec(&tc, argc, argv));                                \
    }
// QTEST_MAIN and QTEST_GUILESS_MAIN, with the skips counted.
#define ZETRA_TEST_MAIN(TestObject) ZETRA_TEST_MAIN_WRAPPER(TestObject, QTEST_MAIN_SETUP())
#define ZETRA_TEST_GUILESS_MAIN(TestObject)                                                        \
    ZETRA_TEST_MAIN_WRAPPER(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
#define ZETRA_TEST_APPLESS_MAIN(TestObject) ZETRA_TEST_MAIN_WRAPPER(TestObject)
