#include "panelkit2/toolkit/extender.hpp"

namespace panelkit2::host {

namespace {

using B = Bind<Extender>;
using V = VarType;

// A geometry member: Single, read and written.
template <float (Widget::*Read)() const noexcept, void (Widget::*Write)(float)>
std::vector<MemberDef> Geometry(std::string_view name, DispId id) {
    return {B::Get(name, id, V::Single,
                   [](Extender& e, Args) -> Variant { return (e.Target().*Read)(); }),
            B::Let(name, id, {ByVal("Value", V::Single)}, [](Extender& e, Args a) -> Variant {
                (e.Target().*Write)(a[0].AsSingle());
                return {};
            })};
}

std::vector<MemberDef> ExtenderMembers() {
    namespace id = extender_id;
    std::vector<MemberDef> members;
    for (auto&& group : {Geometry<&Widget::Left, &Widget::Left>("Left", id::Left),
                         Geometry<&Widget::Top, &Widget::Top>("Top", id::Top),
                         Geometry<&Widget::Width, &Widget::Width>("Width", id::Width),
                         Geometry<&Widget::Height, &Widget::Height>("Height", id::Height)})
        members.insert(members.end(), group.begin(), group.end());
    const std::vector<MemberDef> rest = {
        B::Get("Visible", id::Visible, V::Boolean,
               [](Extender& e, Args) -> Variant { return e.Target().Visible(); }),
        B::Let("Visible", id::Visible, {ByVal("Value", V::Boolean)},
               [](Extender& e, Args a) -> Variant {
                   e.Target().Visible(a[0].AsBoolean());
                   return {};
               }),
        B::Get("Enabled", id::Enabled, V::Boolean,
               [](Extender& e, Args) -> Variant { return e.Target().Enabled(); }),
        B::Let("Enabled", id::Enabled, {ByVal("Value", V::Boolean)},
               [](Extender& e, Args a) -> Variant {
                   e.Target().Enabled(a[0].AsBoolean());
                   return {};
               }),
        B::Get("TabIndex", id::TabIndex, V::Integer,
               [](Extender& e, Args) -> Variant { return e.Target().TabIndex(); }),
        B::Let("TabIndex", id::TabIndex, {ByVal("Value", V::Integer)},
               [](Extender& e, Args a) -> Variant {
                   e.Target().TabIndex(a[0].AsInteger());
                   return {};
               }),
        B::Get("TabStop", id::TabStop, V::Boolean,
               [](Extender& e, Args) -> Variant { return e.Target().TabStop(); }),
        B::Let("TabStop", id::TabStop, {ByVal("Value", V::Boolean)},
               [](Extender& e, Args a) -> Variant {
                   e.Target().TabStop(a[0].AsBoolean());
                   return {};
               }),
        B::Get("ToolTipText", id::ToolTipText, V::String,
               [](Extender& e, Args) -> Variant { return e.Target().ToolTipText(); }),
        B::Let("ToolTipText", id::ToolTipText, {ByVal("Value", V::String)},
               [](Extender& e, Args a) -> Variant {
                   e.Target().ToolTipText(a[0].AsString());
                   return {};
               }),
        B::Method("Move", id::Move, V::Empty,
                  {ByVal("Left", V::Single), Optional("Top", V::Single),
                   Optional("Width", V::Single), Optional("Height", V::Single)},
                  [](Extender& e, Args a) -> Variant {
                      auto optional = [](const Variant& v) {
                          return v.IsMissing() ? std::optional<float>() : v.AsSingle();
                      };
                      e.Target().Move(a[0].AsSingle(), optional(a[1]), optional(a[2]),
                                      optional(a[3]));
                      return {};
                  }),
        B::Method("SetFocus", id::SetFocus, V::Empty, {},
                  [](Extender& e, Args) -> Variant {
                      e.Target().SetFocus();
                      return {};
                  }),
        B::Get("Name", id::Name, V::String,
               [](Extender& e, Args) -> Variant { return e.Target().Name(); }),
        B::Get("Index", id::Index, V::Integer,
               [](Extender& e, Args) -> Variant { return e.Target().Index(); }),
    };
    members.insert(members.end(), rest.begin(), rest.end());
    return members;
}

}  // namespace

const InterfaceTable& Extender::Interface() const {
    static const InterfaceTable table("PanelKit2.Extender", ExtenderMembers());
    return table;
}

}  // namespace panelkit2::host
