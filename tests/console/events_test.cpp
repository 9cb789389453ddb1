// `on`: events printed as they are raised.

#include <gtest/gtest.h>

#include "tests/console/console_harness.hpp"

namespace panelkit2::console_test {
namespace {

TEST(ConsoleEvents, EventsPrintFromOnOnwardsInlineWithTheOutput) {
    EXPECT_EQ(Output(R"pnk(t = new Test.Thing
t.Fire("before")
on t
t.Fire("hello, world")
t.Ping
print t.Fire("")
)pnk"),
              "event t.Changed(hello, world, 2)\nevent t.Clicked()\nevent t.Changed(, 3)\n\n");
}

// The name given to `on` keeps naming the object, whatever the variable holds later.
TEST(ConsoleEvents, EachVariableNamesTheObjectOnceInItsEvents) {
    EXPECT_EQ(Output(R"pnk(t = new Test.Thing
on t
on T
u = t.Me
on u
t = new Test.Thing
t.Fire("new object")
u.Fire("old object")
)pnk"),
              "event t.Changed(old object, 1)\nevent u.Changed(old object, 1)\n");
}

}  // namespace
}  // namespace panelkit2::console_test
