// Literals, printing, comments and variables.

#include <gtest/gtest.h>

#include "tests/console/console_harness.hpp"

namespace panelkit2::console_test {
namespace {

// The callee sees the literal's own type when its parameter accepts any type.
TEST(ConsoleLiterals, IntegersAreLongWhenTheyFitAndDoubleOtherwiseHexIsA32BitPattern) {
    EXPECT_EQ(Output("t = new Test.Thing\nprint t.Describe(2147483647)\n"
                     "print t.Describe(-2147483648)\nprint t.Describe(2147483648)\n"
                     "print t.Describe(-2147483649)\nprint t.Describe(0xFFFFFFFF)\n"
                     "print t.Describe(-0x10)\nprint t.Describe(1.0)\nprint t.Describe(\"5\")\n"
                     "print t.Describe(True)\nprint t.Describe(t)\n"),
              "Long:2147483647\nLong:-2147483648\nDouble:2147483648\nDouble:-2147483649\n"
              "Long:-1\nLong:-16\nDouble:1\nString:5\nBoolean:True\n"
              "Object:<Test.Thing>\n");
}

TEST(ConsoleLiterals, ValuesPrintAsAUserReadsThem) {
    EXPECT_EQ(Output(R"pnk(print "say ""hi"""
print "a # not a comment"   # but this is
print "  Grüße  "
PRINT tRUE
print 0.1
print 1e20
print -0
t = new Test.Thing
print t
print t.Ping
print
)pnk"),
              "say \"hi\"\na # not a comment\n  Grüße  \nTrue\n0.1\n1E+20\n0\n<Test.Thing>\n\n\n");
}

TEST(ConsoleScript, CommentsBlankLinesAndLineEndingsAreIgnored) {
    EXPECT_EQ(Output("# a comment\n\n   \t\nprint 1  # trailing\r\n#print 2\nprint 3"), "1\n3\n");
    EXPECT_EQ(Output("\xEF\xBB\xBFprint 4\n"), "4\n");
}

// Names ignore case; a method without a result still defines the variable, as Empty.
TEST(ConsoleVariables, AssignmentCopiesValuesSharesObjectsAndKeepsEmpty) {
    EXPECT_EQ(Output(R"pnk(a = 1
b = A
a = "two"
t = new Test.Thing
u = t
u.Name = "shared"
x = t.Ping()
print a
print b
print t.Name
print x
print t.Describe(x)
)pnk"),
              "two\n1\nshared\n\nEmpty:\n");
}

}  // namespace
}  // namespace panelkit2::console_test
