#include "qt/mirror_factory.hpp"

#include "qt/mirrors/check_box_mirror.hpp"
#include "qt/mirrors/combo_box_mirror.hpp"
#include "qt/mirrors/command_button_mirror.hpp"
#include "qt/mirrors/form_mirror.hpp"
#include "qt/mirrors/frame_mirror.hpp"
#include "qt/mirrors/label_mirror.hpp"
#include "qt/mirrors/list_box_mirror.hpp"
#include "qt/mirrors/option_button_mirror.hpp"
#include "qt/mirrors/scroll_bar_mirror.hpp"
#include "qt/mirrors/slider_mirror.hpp"
#include "qt/mirrors/surface_mirror.hpp"
#include "qt/mirrors/text_box_mirror.hpp"
#include "qt/mirrors/up_down_mirror.hpp"
#include "qt/mirrors/wrap_label_mirror.hpp"

namespace panelkit2::qt {

namespace {
template <class Model, class View>
std::unique_ptr<Mirror> MirrorAs(host::Widget& widget, MirrorContext& context) {
    if (auto* model = dynamic_cast<Model*>(&widget)) return std::make_unique<View>(*model, context);
    return std::make_unique<SurfaceMirror>(widget, context);
}
}  // namespace

std::unique_ptr<Mirror> CreateMirror(host::Widget& widget, MirrorContext& context) {
    using K = host::WidgetKind;
    switch (widget.Kind()) {
        case K::Label:
            return MirrorAs<host::Label, LabelMirror>(widget, context);
        case K::TextBox:
            return MirrorAs<host::TextBox, TextBoxMirror>(widget, context);
        case K::ComboBox:
            return MirrorAs<host::ComboBox, ComboBoxMirror>(widget, context);
        case K::ListBox:
            return MirrorAs<host::ListBox, ListBoxMirror>(widget, context);
        case K::CheckBox:
            return MirrorAs<host::CheckBox, CheckBoxMirror>(widget, context);
        case K::OptionButton:
            return MirrorAs<host::OptionButton, OptionButtonMirror>(widget, context);
        case K::CommandButton:
            return MirrorAs<host::CommandButton, CommandButtonMirror>(widget, context);
        case K::Frame:
            return MirrorAs<host::Frame, FrameMirror>(widget, context);
        case K::VScrollBar:
            return MirrorAs<host::VScrollBar, ScrollBarMirror>(widget, context);
        case K::Form:
            return MirrorAs<host::Form, FormMirror>(widget, context);
        case K::WrapLabel:
            return MirrorAs<host::WrapLabel, WrapLabelMirror>(widget, context);
        case K::Slider:
            return MirrorAs<host::Slider, SliderMirror>(widget, context);
        case K::UpDown:
            return MirrorAs<host::UpDown, UpDownMirror>(widget, context);
        case K::Surface:
        case K::Timer:
        case K::MsgHook:
            break;
    }
    return std::make_unique<SurfaceMirror>(widget, context);
}

}  // namespace panelkit2::qt
