// Failing statements, syntax errors and hostile input.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/console/console_harness.hpp"

namespace panelkit2::console_test {
namespace {

// A failing statement changes no variable and the script goes on.
TEST(ConsoleErrors, AFailingStatementPrintsAnErrorLine) {
    const ConsoleRun run = RunConsole(R"pnk(t = new Test.Thing
x = 1
x = t.Fail(-2147221503)
t.Missing = 1
print t.Sum(1, 2, 3, 4)
n = 2000000000
t.Double(n)
x = new No.Such
print t.Nope.Name
print x
print n
)pnk");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output,
              "error -2147221503 Test.Thing.Fail: Failure -2147221503\n"
              "error 438 PanelKit2: Object doesn't support this property or method\n"
              "error 450 PanelKit2: Wrong number of arguments or invalid property assignment\n"
              "error 6 PanelKit2: Overflow\n"
              "error 429 PanelKit2: Cannot create object: no class is registered as \"No.Such\"\n"
              "error 438 PanelKit2: Object doesn't support this property or method\n"
              "1\n2000000000\n");
}

TEST(ConsoleErrors, UndefinedVariablesAndMembersOfNonObjects) {
    EXPECT_EQ(Output(R"pnk(t = new Test.Thing
print nope
t.Double(nope)
i = 5
i.Name = "x"
e = t.Ping
print e.Name
on i
print t.Name.Length
)pnk"),
              "error 500 panelkit-console: Variable is undefined: 'nope'\n"
              "error 500 panelkit-console: Variable is undefined: 'nope'\n"
              "error 424 panelkit-console: Object required\n"
              "error 91 panelkit-console: Object variable or With block variable not set\n"
              "error 424 panelkit-console: Object required\n"
              "error 424 panelkit-console: Object required\n");
}

struct SyntaxCase {
    const char* line;
    const char* message;
};

class ConsoleSyntax : public testing::TestWithParam<SyntaxCase> {};

// Nothing of a script with a syntax error runs, not even the lines before it.
TEST_P(ConsoleSyntax, ReportsTheLineAndExitsWithStatusTwo) {
    const ConsoleRun run = RunConsole(std::string("print 1\n\n# comment\n") + GetParam().line);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output, std::string("syntax error at line 4: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConsoleSyntax,
    testing::Values(SyntaxCase{"print \"a\"\"", "unterminated string"},
                    SyntaxCase{"print \x01", "unexpected character '\\x01'"},
                    SyntaxCase{"x = \xC3\xA9", "unexpected character '\\xC3'"},
                    SyntaxCase{"print 1e", "malformed number"},
                    SyntaxCase{"print 0x", "malformed hexadecimal literal"},
                    SyntaxCase{"print -1e400", "numeric literal out of range"},
                    SyntaxCase{"x = print", "expected an expression, found 'print'"},
                    SyntaxCase{"x 5", "expected '=' or '.' after 'x', found number 5"},
                    SyntaxCase{"new = 5", "expected a statement, found 'new'"},
                    SyntaxCase{"print \"a\".Len", "expected end of statement, found '.'"},
                    SyntaxCase{"x.5", "expected a member name after '.', found number 5"},
                    SyntaxCase{"x.M(1 2)", "expected ',' or ')', found number 2"},
                    SyntaxCase{"x.#abc", "expected a dispatch identifier after '#'"},
                    SyntaxCase{"x.#4294967296", "dispatch identifier out of range"},
                    SyntaxCase{
                        "x = new A.",
                        "expected a name after '.' in a program identifier, found end of line"},
                    SyntaxCase{"on true", "expected a variable name after 'on', found 'true'"}));

TEST(ConsoleLimits, DeepNestingIsASyntaxErrorNotAStackOverflow) {
    std::string script = "t = new Test.Thing\nprint ";
    for (int i = 0; i < 100000; ++i) script += "t.Describe(";
    EXPECT_EQ(RunConsole(script).output, "syntax error at line 2: expression nested too deeply\n");
}

TEST(ConsoleLimits, HugeInputsRunToTheEnd) {
    const std::string text(1 << 20, 'x');
    EXPECT_EQ(Output("print \"" + text + "\"\n"), text + "\n");
    std::string chain = "t = new Test.Thing\nt.Name = \"end\"\nprint t";
    for (int i = 0; i < 100000; ++i) chain += ".Me";
    EXPECT_EQ(Output(chain + ".Name\n"), "end\n");
    EXPECT_EQ(Output("print " + std::string(5000, '9')),
              "syntax error at line 1: numeric literal out of range\n");
}

// Random bytes and random mixes of the language's own tokens: each run either runs or
// reports a syntax error; the sanitizers watch for anything worse.
TEST(ConsoleLimits, RandomInputNeverCrashes) {
    const std::vector<std::string> pieces = {"t",      " = ",   "new Test.Thing",
                                             ".",      "#",     "#0x68030009",
                                             "(",      ")",     ",",
                                             "\"s\"",  "\"",    "-",
                                             "1",      "0x",    "1e",
                                             "print ", "on ",   "save ",
                                             "load ",  "Name",  "Me",
                                             "Double", "Value", "Items",
                                             "Item",   "True",  "\n",
                                             " ",      "\r",    "\xFF"};
    std::mt19937 random(20240601);
    for (int round = 0; round < 400; ++round) {
        std::string script = "t = new Test.Thing\nn = 1\n";
        for (size_t i = random() % 80; i > 0; --i)
            script += round % 4 ? pieces[random() % pieces.size()] : std::string(1, char(random()));
        const int status = RunConsole(script).status;
        EXPECT_TRUE(status == 0 || status == 2) << script;
    }
}

}  // namespace
}  // namespace panelkit2::console_test
