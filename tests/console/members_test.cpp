// Properties, methods, arguments and dispatch identifiers.

#include <gtest/gtest.h>

#include "tests/console/console_harness.hpp"

namespace panelkit2::console_test {
namespace {

TEST(ConsoleMembers, GetLetAndCallWithOrWithoutParentheses) {
    EXPECT_EQ(Output(R"pnk(t = new Test.Thing
t.Name = "first"
print t.name()
T.NAME() = "second"
print t.Name
t.Value("1") = "True"
print t.Value(0)
print t.Value(1.0)
)pnk"),
              "first\nsecond\nFalse\nTrue\n");
}

TEST(ConsoleArguments, VariablesReceiveByReferenceWritesAlsoInLets) {
    EXPECT_EQ(Output(R"pnk(t = new Test.Thing
n = 5
t.Double(n)
t.Double(n)
m = n
t.Double(m)
print n
print m
i = 9
t.Value(i) = True
print i
s = "quiet"
t.Upper = s
print s
k = 3
t.Name = t.Double(k)
print k
print t.Sum(t.Describe(t.Double(k)), k)
print k
)pnk"),
              "20\n40\n3\nQUIET\n6\nerror 13 PanelKit2: Type mismatch\n12\n");
}

TEST(ConsoleArguments, OptionalArgumentsMayBeLeftOutOrSkipped) {
    EXPECT_EQ(Output("t = new Test.Thing\nprint t.Sum(1)\nprint t.Sum(1, 2)\nprint t.Sum(1, , 5)\n"
                     "print t.Sum(1, 2, )\nprint t.Sum(, 2)\n"),
              "11\n3\n16\n3\nerror 449 PanelKit2: Argument not optional\n");
}

TEST(ConsoleMembers, DispatchIdentifiersInHexOrDecimal) {
    EXPECT_EQ(Output(R"pnk(t = new Test.Thing
t.#0x68030006 = "by id"
print t.#1745027078()
n = 4
t.#0x60030001(n)
print n
c = new Test.Control
c.Left = 120
print c.#0x80010000
print c.#-2147418112
)pnk"),
              "by id\n8\n120\n120\n");
}

TEST(ConsoleMembers, ChainsAndCollections) {
    EXPECT_EQ(Output(R"pnk(t = new Test.Thing
t.Me.Me.Name = "deep"
print t.Me.Me.Me.Name
cc = t.Items
cc.Add("one")
t.Items.Add(2)
print cc.Count
print cc.Item(1)
print t.Items.Item(2)
print cc
)pnk"),
              "deep\n2\none\n2\n<Test.Items>\n");
}

}  // namespace
}  // namespace panelkit2::console_test
