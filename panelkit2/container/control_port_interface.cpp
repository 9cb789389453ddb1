// The automation interface of ControlPort: properties from 0x68030000, methods from
// 0x60030000, the enumerator at -4, and the events in published order.

#include "panelkit2/container/control_port.hpp"
#include "panelkit2/automation/mod_error.hpp"

namespace panelkit2 {

namespace {

using B = Bind<ControlPort>;
using V = VarType;
using CollectionRef = ControlPort::CollectionRef;

constexpr DispId kNewEnum = -4;

// Nothing releases the collection; it is made again on next use.
CollectionRef CollectionArgument(const Variant& value) {
    ObjectRef object;
    Swallow(err::ObjectNotSet, [&] { object = value.AsObject(); });
    if (!object) return nullptr;
    auto collection = std::dynamic_pointer_cast<host::Collection>(object);
    if (!collection) RaiseStandard(err::TypeMismatch);
    return collection;
}

template <CollectionRef (ControlPort::*Read)(), void (ControlPort::*Write)(CollectionRef)>
std::vector<MemberDef> CollectionProperty(std::string_view name, DispId id) {
    return {B::Get(name, id, V::Object,
                   [](ControlPort& p, Args) -> Variant { return ObjectRef((p.*Read)()); }),
            B::Let(name, id, {ByRef("Value", V::Object)}, [](ControlPort& p, Args a) -> Variant {
                (p.*Write)(CollectionArgument(a[0]));
                return {};
            })};
}

template <void (ControlPort::*Step)()>
MemberDef Procedure(std::string_view name, DispId id) {
    return B::Method(name, id, V::Empty, {}, [](ControlPort& p, Args) -> Variant {
        (p.*Step)();
        return {};
    });
}

std::vector<MemberDef> ControlPortMembers() {
    std::vector<MemberDef> members;
    for (auto&& group :
         {CollectionProperty<&ControlPort::mcolCtl, &ControlPort::mcolCtl>("mcolCtl", 0x68030000),
          CollectionProperty<&ControlPort::mcolCtlVisible, &ControlPort::mcolCtlVisible>(
              "mcolCtlVisible", 0x68030001),
          CollectionProperty<&ControlPort::mcolCtlCommand, &ControlPort::mcolCtlCommand>(
              "mcolCtlCommand", 0x68030002)})
        members.insert(members.end(), group.begin(), group.end());
    const std::vector<MemberDef> rest = {
        B::Get("CommandControls", 0x68030003, V::Object,
               [](ControlPort& p, Args) -> Variant { return ObjectRef(p.CommandControls()); }),
        B::Get("Bottom", 0x68030004, V::Long,
               [](ControlPort& p, Args) -> Variant { return p.Bottom(); }),
        B::Get("Border", 0x68030005, V::Boolean,
               [](ControlPort& p, Args) -> Variant { return p.Border(); }),
        B::Let("Border", 0x68030005, {ByVal("Value", V::Boolean)},
               [](ControlPort& p, Args a) -> Variant {
                   p.Border(a[0].AsBoolean());
                   return {};
               }),
        B::Get("BackColor", 0x68030006, V::Long,
               [](ControlPort& p, Args) -> Variant { return static_cast<int32_t>(p.BackColor()); }),
        B::Let("BackColor", 0x68030006, {ByRef("Value", V::Long)},
               [](ControlPort& p, Args a) -> Variant {
                   p.BackColor(static_cast<host::OleColor>(a[0].LongRef()));
                   return {};
               }),
        B::Get("ForeColor", 0x68030007, V::Long,
               [](ControlPort& p, Args) -> Variant { return static_cast<int32_t>(p.ForeColor()); }),
        B::Let("ForeColor", 0x68030007, {ByRef("Value", V::Long)},
               [](ControlPort& p, Args a) -> Variant {
                   p.ForeColor(static_cast<host::OleColor>(a[0].LongRef()));
                   return {};
               }),
        B::Method(
            "GetNewControl", 0x60030000, V::Object, {ByRef("intControlID", V::Integer)},
            [](ControlPort& p, Args a) -> Variant { return p.GetNewControl(a[0].IntegerRef()); }),
        B::Method("AddControl", 0x60030001, V::Empty,
                  {ByRef("ctl", V::Empty), Optional("blnSet", V::Empty, Variant(true), true)},
                  [](ControlPort& p, Args a) -> Variant {
                      p.AddControl(a[0], a[1]);
                      return {};
                  }),
        B::Method("AddControlIdx", 0x60030002, V::Empty,
                  {ByRef("idx", V::Integer), Optional("blnSet", V::Empty, Variant(true), true)},
                  [](ControlPort& p, Args a) -> Variant {
                      p.AddControlIdx(a[0].IntegerRef(), a[1]);
                      return {};
                  }),
        B::Method(
            "GetControl", 0x60030003, V::Object, {ByRef("idx", V::Integer)},
            [](ControlPort& p, Args a) -> Variant { return p.GetControl(a[0].IntegerRef()); }),
        Procedure<&ControlPort::NewCanvas>("NewCanvas", 0x60030004),
        B::Method("Position", 0x60030005, V::Boolean, {},
                  [](ControlPort& p, Args) -> Variant { return p.Position(); }),
        Procedure<&ControlPort::PositionStack>("PositionStack", 0x60030006),
        Procedure<&ControlPort::PositionTop>("PositionTop", 0x60030007),
        B::Method("PositionLast", 0x60030008, V::Long, {},
                  [](ControlPort& p, Args) -> Variant { return p.PositionLast(); }),
        Procedure<&ControlPort::PositionLeft>("PositionLeft", 0x60030009),
        Procedure<&ControlPort::ResetScrollBar>("ResetScrollBar", 0x6003000a),
        B::Method("SetAction", 0x6003000b, V::Empty, {ByRef("newAction", V::String)},
                  [](ControlPort& p, Args a) -> Variant {
                      p.SetAction(a[0].StringRef());
                      return {};
                  }),
        B::Method("GetSelectedActions", 0x6003000c, V::String, {},
                  [](ControlPort& p, Args) -> Variant { return p.GetSelectedActions(); }),
        Procedure<&ControlPort::ShowControls>("ShowControls", 0x6003000d),
        Procedure<&ControlPort::HideControls>("HideControls", 0x6003000e),
        Procedure<&ControlPort::HideAllPopUps>("HideAllPopUps", 0x6003000f),
        B::Method("NewEnum", kNewEnum, V::Object, {},
                  [](ControlPort& p, Args) -> Variant { return ObjectRef(p.NewEnum()); }),
    };
    members.insert(members.end(), rest.begin(), rest.end());
    return members;
}

std::vector<ParamDef> MouseParams() {
    return {ByRef("Button", V::Integer), ByRef("Shift", V::Integer), ByRef("X", V::Single),
            ByRef("Y", V::Single)};
}

std::vector<EventDef> ControlPortEvents() {
    return {
        {"CommandButtonPushed",
         ControlPort::CommandButtonPushedEvent,
         {ByRef("strAction", V::String)}},
        {"Click", ControlPort::ClickEvent, {}},
        {"MouseDown", ControlPort::MouseDownEvent, MouseParams()},
        {"MouseMove", ControlPort::MouseMoveEvent, MouseParams()},
        {"MouseUp", ControlPort::MouseUpEvent, MouseParams()},
    };
}

}  // namespace

const InterfaceTable& ControlPort::ClassInterface() {
    static const InterfaceTable table("PanelKit2.ControlPort", ControlPortMembers(),
                                      ControlPortEvents());
    return table;
}

const InterfaceTable& ControlPort::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
