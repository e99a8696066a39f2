#include "common/InstanceLock.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

namespace palimora {
namespace {

TEST(InstanceLock, OneCopyAtATimeAndTheNextWhenItEnds) {
    testing::TempFolder temp;
    const auto file = temp.Path() / "palimora.lock";
    auto first = std::make_unique<InstanceLock>(file);
    ASSERT_TRUE(first->Held());
    EXPECT_FALSE(InstanceLock(file).Held());
    first.reset();
    EXPECT_TRUE(InstanceLock(file).Held());
}

// A second copy of the program, in a process of its own, holds the lock and
// is then killed as a crash would end it: the next start takes the lock over.
TEST(InstanceLock, ALockLeftByACopyThatCrashedIsTakenOver) {
    testing::TempFolder temp;
    const auto file = temp.Path() / "palimora.lock";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t copy = ::fork();
    ASSERT_GE(copy, 0);
    if (copy == 0) {
        InstanceLock held(file);
        const char answer = held.Held() ? '1' : '0';
        if (::write(ready[1], &answer, 1) != 1) ::_exit(2);
        ::pause();  // runs until it is killed
        ::_exit(0);
    }
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    EXPECT_EQ(answer, '1');
    EXPECT_FALSE(InstanceLock(file).Held());  // the other copy runs

    ::kill(copy, SIGKILL);
    int status = 0;
    ::waitpid(copy, &status, 0);
    EXPECT_TRUE(InstanceLock(file).Held());
    ::close(ready[0]);
    ::close(ready[1]);
}

}  // namespace
}  // namespace palimora
