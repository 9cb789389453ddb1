#pragma once

// One kind of control as the runner uses it: how the assistant file describes it, how it is
// filled through the control's own members, which values it takes, how an answer is
// selected in it and read back, and which of the file's actions make up its answer. One
// subclass per kind (kinds/), all registered in one table (kind_table.cpp).

#include <string>
#include <string_view>

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "tools/panelkit-run/core/action_lists.hpp"
#include "tools/panelkit-run/core/assistant.hpp"

namespace panelkit2::run {

class TableReader;

class Kind {
  public:
    // The shape of a value, which decides the tests a condition may make on it.
    enum class Shape {
        Boolean,    // true or false
        Text,       // one text
        Texts,      // one text per element or row
        Selection,  // any number of item texts
        Number,
    };

    virtual ~Kind() = default;

    // The name the file uses ("check").
    virtual std::string_view Name() const = 0;
    virtual ControlID Id() const = 0;
    virtual Shape ValueShape() const = 0;
    // Whether the control has a caption of its own; one that has none takes that of its
    // first element or row.
    virtual bool TakesCaption() const { return true; }
    // Whether "required" means something for this kind.
    virtual bool TakesRequired() const { return false; }

    // Reads the fields of this kind from the control's table (id, kind, caption, common
    // actions, default and required are read by the loader).
    virtual void Load(TableReader& fields, ControlDef& def) const = 0;
    // Why the control cannot take the value; empty when it can.
    virtual std::string Refuse(const ControlDef& def, const Json& value) const = 0;
    // A value the control takes, as the control reads it back: a plain text as a list of
    // one, a number in the control's precision.
    virtual Json Normalized(const ControlDef& def, const Json& value) const {
        (void)def;
        return value;
    }
    // The value of a control whose file gives no default.
    virtual Json Initial(const ControlDef& def) const = 0;
    // Whether a required control has its value.
    virtual bool Answered(const Json& value) const {
        (void)value;
        return true;
    }

    // Fills a cleared control, the common actions first.
    virtual void Fill(Dispatchable& control, const ControlDef& def) const = 0;
    // Selects a value the control takes (Refuse said nothing).
    virtual void Select(Dispatchable& control, const ControlDef& def, const Json& value) const = 0;
    virtual Json Read(Dispatchable& control, const ControlDef& def) const = 0;
    // The actions the control answers with for the value, from what the file attached.
    virtual ActionList ActionsFor(const ControlDef& def, const Json& value) const = 0;
};

}  // namespace panelkit2::run
