#include "panelkit2/container/library_classes.hpp"

#include <memory>

#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/choice/list.hpp"
#include "panelkit2/choice/multi_list.hpp"
#include "panelkit2/choice/radio.hpp"
#include "panelkit2/choice/string_box.hpp"
#include "panelkit2/choice/text_area.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/display/disp_list_box.hpp"
#include "panelkit2/display/heading.hpp"
#include "panelkit2/range/continuous_slide.hpp"
#include "panelkit2/range/num_box.hpp"
#include "panelkit2/range/real_num_box.hpp"
#include "panelkit2/range/slide.hpp"

namespace panelkit2 {

namespace {

// Each class contributes one line.
void RegisterLibraryClasses(ClassFactory& factory) {
    factory.Register("PanelKit2.Check", [] { return std::make_shared<Check>(); });
    factory.Register("PanelKit2.Combo", [] { return std::make_shared<Combo>(); });
    factory.Register("PanelKit2.Command", [] { return std::make_shared<Command>(); });
    factory.Register("PanelKit2.Radio", [] { return std::make_shared<Radio>(); });
    factory.Register("PanelKit2.StringBox", [] { return std::make_shared<StringBox>(); });
    factory.Register("PanelKit2.List", [] { return std::make_shared<List>(); });
    factory.Register("PanelKit2.MultiList", [] { return std::make_shared<MultiList>(); });
    factory.Register("PanelKit2.TextArea", [] { return std::make_shared<TextArea>(); });
    factory.Register("PanelKit2.NumBox", [] { return std::make_shared<NumBox>(); });
    factory.Register("PanelKit2.RealNumBox", [] { return std::make_shared<RealNumBox>(); });
    factory.Register("PanelKit2.Slide", [] { return std::make_shared<Slide>(); });
    factory.Register("PanelKit2.ContinuousSlide",
                     [] { return std::make_shared<ContinuousSlide>(); });
    factory.Register("PanelKit2.ControlPort", [] { return std::make_shared<ControlPort>(); });
    factory.Register("PanelKit2.Heading", [] { return std::make_shared<Heading>(); });
    factory.Register("PanelKit2.DispListBox", [] { return std::make_shared<DispListBox>(); });
}

}  // namespace

ClassFactory& LibraryClasses() {
    static ClassFactory instance = [] {
        ClassFactory factory;
        RegisterLibraryClasses(factory);
        return factory;
    }();
    return instance;
}

}  // namespace panelkit2
