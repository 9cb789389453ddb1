#include "tools/console/script.hpp"

#include "tools/console/interpreter.hpp"
#include "tools/console/parser.hpp"
#include "tools/console/syntax_error.hpp"

namespace panelkit2::console {

int RunScript(std::string_view text, std::ostream& out) {
    std::vector<Statement> statements;
    try {
        statements = Parser::ParseScript(text);
    } catch (const SyntaxError& error) {
        out << "syntax error at line " << error.Line() << ": " << error.what() << '\n';
        return kExitSyntaxError;
    }
    Interpreter interpreter(out);
    for (const Statement& statement : statements) interpreter.Execute(statement);
    return kExitSuccess;
}

}  // namespace panelkit2::console
