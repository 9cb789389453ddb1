#include "tools/panelkit-run/core/answers.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/panelkit-run/core/answer_error.hpp"
#include "tools/panelkit-run/core/kind.hpp"

namespace panelkit2::run {

namespace {

// "LINE:COLUMN" of a byte offset, both counted from 1.
std::string LineAndColumn(const std::string& text, size_t offset) {
    size_t line = 1;
    size_t column = 1;
    for (size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return std::to_string(line) + ":" + std::to_string(column);
}

std::string Ids(const std::vector<std::string>& ids) {
    std::string joined;
    for (const std::string& id : ids) joined += (joined.empty() ? "" : ", ") + id;
    return joined.empty() ? "none" : joined;
}

// What the parser says after its own "... line L, column C: " prefix, from "syntax error
// while parsing ... - " on.
std::string Explanation(const std::string& what) {
    const size_t dash = what.find(" - ");
    return dash == std::string::npos ? std::string() : ": " + what.substr(dash + 3);
}

}  // namespace

Answers Answers::FromFile(const std::string& path, const Assistant& assistant) {
    std::error_code error;
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (file && !std::filesystem::is_directory(path, error)) text << file.rdbuf();
    if (!file || file.bad() || std::filesystem::is_directory(path, error))
        throw AnswerError(path + ": cannot read the answers file");
    return FromText(std::move(text).str(), path, assistant);
}

Answers Answers::FromText(const std::string& text, const std::string& name,
                          const Assistant& assistant) {
    Answers answers;
    answers.mstrName = name;
    Json parsed;
    try {
        parsed = Json::parse(text);
    } catch (const Json::parse_error& error) {
        const size_t offset = error.byte > 0 ? error.byte - 1 : 0;
        throw AnswerError(name + ":" + LineAndColumn(text, offset) + ": not valid JSON" +
                          Explanation(error.what()));
    }
    if (!parsed.is_object())
        throw AnswerError(name + ": expected an object of page ids, or a result with \"pages\"");
    if (parsed.contains("pages") && parsed["pages"].is_array())
        answers.ReadResultForm(parsed, assistant);
    else
        answers.ReadPlainForm(parsed, assistant);
    return answers;
}

void Answers::ReadResultForm(const Json& result, const Assistant& assistant) {
    for (const Json& page : result["pages"]) {
        if (!page.is_object() || !page.contains("id") || !page["id"].is_string())
            throw AnswerError(mstrName + ": each of \"pages\" needs an \"id\"");
        const std::string pageId = page["id"].get<std::string>();
        const Page* known = assistant.FindPage(pageId);
        if (!known) throw AnswerError(mstrName + ": no page has the id '" + pageId + "'");
        if (!page.contains("controls")) continue;
        if (!page["controls"].is_array())
            throw AnswerError(mstrName + ": page '" + pageId + "': \"controls\" must be a list");
        for (const Json& control : page["controls"]) {
            if (!control.is_object() || !control.contains("id") || !control["id"].is_string())
                throw AnswerError(mstrName + ": page '" + pageId +
                                  "': each of \"controls\" needs an \"id\"");
            const std::string controlId = control["id"].get<std::string>();
            if (!control.contains("value"))
                throw AnswerError(
                    mstrName + ": " +
                    AnswerError::About(pageId, controlId, "\"value\" is missing").what());
            Add(*known, controlId, control["value"],
                control.contains("kind") ? &control["kind"] : nullptr);
        }
    }
}

void Answers::ReadPlainForm(const Json& answers, const Assistant& assistant) {
    for (const auto& [pageId, controls] : answers.items()) {
        const Page* known = assistant.FindPage(pageId);
        if (!known) throw AnswerError(mstrName + ": no page has the id '" + pageId + "'");
        if (!controls.is_object())
            throw AnswerError(mstrName + ": page '" + pageId +
                              "': expected an object of control ids and their values, found " +
                              TypeName(controls));
        for (const auto& [controlId, value] : controls.items())
            Add(*known, controlId, value, nullptr);
    }
}

void Answers::Add(const Page& page, const std::string& controlId, const Json& value,
                  const Json* kind) {
    const auto fail = [&](const std::string& reason) {
        throw AnswerError(mstrName + ": " + AnswerError::About(page.id, controlId, reason).what());
    };
    const ControlDef* control = nullptr;
    std::vector<std::string> ids;
    for (const ControlDef& candidate : page.controls) {
        ids.push_back(candidate.id);
        if (candidate.id == controlId) control = &candidate;
    }
    if (!control) fail("no such control on this page (it has: " + Ids(ids) + ")");
    if (kind && (!kind->is_string() || kind->get<std::string>() != control->kind->Name()))
        fail("the control is a " + std::string(control->kind->Name()) + ", not " + Quote(*kind));
    if (std::string why = control->kind->Refuse(*control, value); !why.empty()) fail(why);
    mAnswers[page.id][controlId] = value;
}

const Json* Answers::Find(std::string_view page, std::string_view control) const {
    const auto onPage = mAnswers.find(page);
    if (onPage == mAnswers.end()) return nullptr;
    const auto answer = onPage->second.find(control);
    return answer == onPage->second.end() ? nullptr : &answer->second;
}

size_t Answers::Count() const {
    size_t count = 0;
    for (const auto& [page, controls] : mAnswers) count += controls.size();
    return count;
}

}  // namespace panelkit2::run
