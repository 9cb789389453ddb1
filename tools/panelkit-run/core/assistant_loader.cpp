#include "tools/panelkit-run/core/assistant_loader.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/panelkit-run/core/conditions.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/load_error.hpp"
#include "tools/panelkit-run/core/toml_table_reader.hpp"

namespace panelkit2::run {

namespace {

// Ids name pages and controls in answers, results and screenshot files.
bool IsIdCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

std::string ReadId(TableReader& fields) {
    std::string id = fields.Text("id");
    for (char c : id)
        if (!IsIdCharacter(c))
            fields.Fail(*fields.Node("id"),
                        "\"id\" may hold only letters, digits, \"_\", \"-\" "
                        "and \".\", found \"" +
                            id + "\"");
    return id;
}

// A list of tables under `key`; nullptr when missing.
const toml::array* TablesUnder(TableReader& fields, std::string_view key) {
    const toml::array* list = fields.List(key);
    if (!list) return nullptr;
    for (const toml::node& node : *list)
        if (!node.is_table())
            fields.Fail(node, "each of \"" + std::string(key) + "\" must be a table, found " +
                                  TableReader::Describe(node));
    return list;
}

class Loader {
  public:
    Loader(Assistant& assistant) : mAssistant(assistant) {}

    void Load(const toml::table& root) {
        TableReader fields(root, "", mAssistant.file);
        mAssistant.title = fields.Text("title");
        const toml::array* pages = TablesUnder(fields, "page");
        if (!pages || pages->empty())
            fields.FailHere("the assistant has no pages: add a [[page]] table");
        for (const toml::node& node : *pages) LoadPage(*node.as_table());
        fields.Finish();
    }

  private:
    void LoadPage(const toml::table& table) {
        TableReader fields(table, "page " + std::to_string(mAssistant.pages.size() + 1),
                           mAssistant.file);
        Page page;
        page.place = fields.Place();
        page.id = ReadId(fields);
        fields.Rename("page '" + page.id + "'");
        if (mAssistant.FindPage(page.id))
            fields.Fail(*fields.Node("id"), "another page has the id \"" + page.id + "\"");
        page.caption = fields.Text("caption");
        if (const toml::array* heading = TablesUnder(fields, "heading"))
            for (const toml::node& node : *heading) {
                HeadingEntry entry = LoadHeadingEntry(fields, *node.as_table());
                // The heading runs text added without a list between into one block.
                if (entry.type == HeadingEntry::Type::Text && !page.heading.empty() &&
                    page.heading.back().type == HeadingEntry::Type::Text)
                    fields.Fail(node,
                                "two texts in a row would run into one; write them as one "
                                "text");
                page.heading.push_back(std::move(entry));
            }
        if (const toml::node* showIf = fields.Node("show_if")) {
            if (!showIf->is_table())
                fields.Fail(*showIf,
                            "\"show_if\" must be a table such as { control = \"tls\", "
                            "equals = true }, found " +
                                TableReader::Describe(*showIf));
            page.showIf = LoadCondition(mAssistant, fields, *showIf->as_table());
        }
        mAssistant.pages.push_back(std::move(page));
        if (const toml::array* controls = TablesUnder(fields, "control"))
            for (const toml::node& node : *controls) LoadControl(fields, *node.as_table());
        fields.Finish();
    }

    HeadingEntry LoadHeadingEntry(const TableReader& page, const toml::table& table) {
        TableReader fields(table, page.What() + ", heading", mAssistant.file);
        HeadingEntry entry;
        const bool text = fields.Has("text");
        if (text == fields.Has("list"))
            fields.FailHere("a heading entry is either { text = \"...\" } or { list = [...] }");
        if (text) {
            entry.text = fields.Text("text");
        } else {
            entry.type = HeadingEntry::Type::List;
            entry.lines = fields.Texts("list");
            if (entry.lines.empty()) fields.Fail(*fields.Node("list"), "\"list\" is empty");
        }
        fields.Finish();
        return entry;
    }

    void LoadControl(const TableReader& page, const toml::table& table) {
        Page& owner = mAssistant.pages.back();
        TableReader fields(table,
                           page.What() + ", control " + std::to_string(owner.controls.size() + 1),
                           mAssistant.file);
        ControlDef def;
        def.place = fields.Place();
        const std::string kindName = fields.Text("kind");
        def.kind = FindKind(kindName);
        if (!def.kind)
            fields.Fail(*fields.Node("kind"),
                        "unknown kind \"" + kindName + "\"; expected one of: " + KindNames());
        def.id = ReadId(fields);
        fields.Rename("control '" + def.id + "'");
        if (mAssistant.FindControl(def.id))
            fields.Fail(*fields.Node("id"), "another control has the id \"" + def.id + "\"");
        if (def.kind->TakesCaption()) def.caption = fields.Text("caption");
        def.commonActions = fields.Texts("common_actions");
        def.kind->Load(fields, def);
        if (def.kind->TakesRequired()) def.required = fields.Boolean("required", false);
        def.defaultValue = fields.Value("default");
        if (!def.defaultValue.is_null())
            if (std::string why = def.kind->Refuse(def, def.defaultValue); !why.empty())
                fields.Fail(*fields.Node("default"), "\"default\": " + why);
        fields.Finish();
        owner.controls.push_back(std::move(def));
    }

    Assistant& mAssistant;
};

}  // namespace

Assistant LoadAssistantText(const std::string& text, const std::string& name) {
    Assistant assistant;
    assistant.file = name;
    toml::table root;
    try {
        root = toml::parse(text, name);
    } catch (const toml::parse_error& error) {
        const toml::source_position begin = error.source().begin;
        throw LoadError(
            {name, static_cast<uint32_t>(begin.line), static_cast<uint32_t>(begin.column)},
            std::string(error.description()));
    }
    Loader(assistant).Load(root);
    return assistant;
}

Assistant LoadAssistantFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw LoadError({path, 0, 0}, "is a folder, not an assistant file");
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (file) text << file.rdbuf();
    if (!file || file.bad()) throw LoadError({path, 0, 0}, "cannot read the assistant file");
    return LoadAssistantText(std::move(text).str(), path);
}

}  // namespace panelkit2::run
