// A track of named steps (ticks), each with its actions and an optional help text that pops
// up when the thumb settles on it. The value is the tick's caption; the first tick is
// chosen until another is.

#include "panelkit2/range/slide.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/option_lists.hpp"

namespace panelkit2::run {

namespace {

class SlideKind final : public Kind {
  public:
    std::string_view Name() const override { return "slide"; }
    ControlID Id() const override { return ControlID::Slide; }
    Shape ValueShape() const override { return Shape::Text; }

    // A track needs two steps to be shown at all.
    void Load(TableReader& fields, ControlSpec& spec) const override {
        spec.options =
            ReadOptions(fields, "ticks", {.textKey = "caption", .help = true, .least = 2});
    }
    std::string Refuse(const ControlSpec& spec, const Json& value) const override {
        return RefuseOptionText(spec.options, value);
    }
    Json Initial(const ControlSpec& spec) const override { return spec.options.front().text; }

    void Fill(Dispatchable& control, const ControlSpec& spec) const override {
        auto& slide = static_cast<Slide&>(control);
        for (const std::string& action : spec.commonActions) slide.AddAction(action);
        slide.SetCaption(spec.caption);
        for (const Option& tick : spec.options) {
            slide.AddTick(tick.text);
            for (const std::string& action : tick.actions) slide.AddAction(action);
            if (!tick.help.empty()) slide.AddHelp(tick.help);
        }
    }
    void Select(Dispatchable& control, const ControlSpec&, const Json& value) const override {
        static_cast<Slide&>(control).SetSelectedOption(value.get<std::string>());
    }
    Json Read(Dispatchable& control, const ControlSpec&) const override {
        return static_cast<Slide&>(control).GetSelectedOption();
    }
    ActionList ActionsFor(const ControlSpec& spec, const Json& value) const override {
        return Answer(spec.commonActions, ActionsOf(spec.options, value.get<std::string>()));
    }
};

}  // namespace

const Kind& TheSlideKind() {
    static const SlideKind kind;
    return kind;
}

}  // namespace panelkit2::run
