#pragma once

// Interface rows made from C++ members: one line per published member.
//
//     using M = Members<Check>;
//     M::Get("CtlID", 0x68030009, &Check::CtlID),
//     M::Property("Caption", 0x68030006, &Check::Caption, &Check::Caption, {By::Val}),
//     M::Method("AddOption", 0x6003000d, &Check::AddOption),
//
// Parameter and result types come from the member's signature (int16_t Integer, int32_t
// Long, float Single, double Double, bool Boolean, strings String, OleColor Long, ObjectRef
// Object, Variant any, std::optional<X> an optional X). How each parameter is passed is
// published with the interface and may differ from the C++ signature: by reference unless
// the row says By::Val. A by-reference argument receives the value converted to the
// declared type, and what a C++ reference parameter leaves in it. A C++ reference binds
// straight to the caller's value when the types already match: no copy is made.
//
// An int64_t result is published as a Double (a count that may outgrow a Long). A static
// member function binds like any other and is called without the object. An overloaded
// name is narrowed to one overload by its parameter types, as for the published member
// that takes a Variant index where C++ also offers a number:
//
//     M::Get("Item", 0, Overload<const Variant&>(&Collection::Item), {By::Val}),
//
// A member published with another shape than the C++ one gets a C++ overload of that shape
// rather than an adapter in the table. Getters and setters may be noexcept.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/dispatch.hpp"

namespace panelkit2 {

enum class By : uint8_t { Val, Ref };

// How one parameter is passed: by value or by reference, optional with a default.
struct Pass {
    Pass(By by) : byRef(by == By::Ref) {}
    bool byRef = true;
    bool optional = false;
    Variant defaultValue = Variant::Missing();
};

// An optional parameter and the value it takes when omitted.
inline Pass Opt(Variant defaultValue, By by = By::Ref) {
    Pass pass(by);
    pass.optional = true;
    pass.defaultValue = std::move(defaultValue);
    return pass;
}

using Passes = std::initializer_list<Pass>;

namespace binder {

template <class T>
struct IsOptional : std::false_type {};
template <class T>
struct IsOptional<std::optional<T>> : std::true_type {};

template <class T>
struct Unwrapped {
    using type = T;
};
template <class T>
struct Unwrapped<std::optional<T>> {
    using type = T;
};

// The automation type of a C++ parameter or result type.
template <class P>
constexpr VarType TypeOf() {
    using V = typename Unwrapped<std::remove_cvref_t<P>>::type;
    if constexpr (std::is_same_v<V, void> || std::is_same_v<V, Variant>)
        return VarType::Empty;
    else if constexpr (std::is_same_v<V, bool>)
        return VarType::Boolean;
    else if constexpr (std::is_same_v<V, int16_t>)
        return VarType::Integer;
    else if constexpr (std::is_same_v<V, int32_t> || std::is_same_v<V, uint32_t>)
        return VarType::Long;
    else if constexpr (std::is_same_v<V, float>)
        return VarType::Single;
    else if constexpr (std::is_same_v<V, double> || std::is_same_v<V, int64_t>)
        return VarType::Double;
    else if constexpr (std::is_same_v<V, std::string> || std::is_same_v<V, std::string_view>)
        return VarType::String;
    else if constexpr (std::is_convertible_v<V, ObjectRef>)
        return VarType::Object;
    else
        static_assert(sizeof(V) == 0, "no automation type for this C++ type");
}

// The value of a slot, as the C++ parameter takes it. The slot already holds the declared
// type (or Missing for an omitted std::optional).
template <class P>
decltype(auto) Extract(Variant& slot) {
    using V = std::remove_cvref_t<P>;
    if constexpr (IsOptional<V>::value) {
        if (slot.IsMissing()) return V{};
        return V{Extract<typename V::value_type>(slot)};
    } else if constexpr (std::is_same_v<V, Variant>) {
        return static_cast<Variant&>(slot);
    } else if constexpr (std::is_same_v<V, std::string> || std::is_same_v<V, std::string_view>) {
        return static_cast<std::string&>(slot.StringRef());
    } else if constexpr (std::is_same_v<V, bool>) {
        return static_cast<bool&>(slot.BooleanRef());
    } else if constexpr (std::is_same_v<V, int16_t>) {
        return static_cast<int16_t&>(slot.IntegerRef());
    } else if constexpr (std::is_same_v<V, int32_t>) {
        return static_cast<int32_t&>(slot.LongRef());
    } else if constexpr (std::is_same_v<V, uint32_t>) {
        static_assert(!std::is_lvalue_reference_v<P> || std::is_const_v<std::remove_reference_t<P>>,
                      "a colour is taken by value");
        return static_cast<uint32_t>(slot.LongRef());
    } else if constexpr (std::is_same_v<V, float>) {
        return static_cast<float&>(slot.SingleRef());
    } else if constexpr (std::is_same_v<V, double>) {
        return static_cast<double&>(slot.DoubleRef());
    } else {
        // Empty is Nothing; an object of another class is a type mismatch.
        if (slot.IsEmpty()) return V();
        auto object = std::dynamic_pointer_cast<typename V::element_type>(slot.AsObject());
        if (!object) RaiseStandard(err::TypeMismatch);
        return V(std::move(object));
    }
}

// One argument on its way into a C++ parameter of type P: the caller's own value when it
// has the declared type already, otherwise a converted copy (or the default of an omitted
// optional). A by-value parameter that C++ takes by non-const reference gets a copy, so
// the callee's changes stay with it.
template <class P>
class ArgSlot {
    static constexpr VarType kType = TypeOf<P>();
    static constexpr bool kMutable =
        std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>;

  public:
    ArgSlot(Variant& arg, const ParamDef& param) : mArg(&arg) {
        if (arg.IsMissing()) {
            if (!param.optional) RaiseStandard(err::ArgumentNotOptional);
            mOwn = param.defaultValue.IsMissing() ? param.defaultValue
                                                  : param.defaultValue.CoerceTo(kType);
            mUseOwn = true;
        } else if (kType != VarType::Empty && arg.Type() != kType &&
                   !(kType == VarType::Object && arg.IsEmpty())) {
            mOwn = arg.CoerceTo(kType);
            mUseOwn = mWriteBack = true;
        } else if (kMutable && !param.byRef) {
            mOwn = arg;
            mUseOwn = true;
        }
    }

    decltype(auto) Get() { return Extract<P>(mUseOwn ? mOwn : *mArg); }

    // A converted by-reference argument takes the declared type; one bound directly
    // already holds what the callee left in it.
    void WriteBack(const ParamDef& param) {
        if (param.byRef && mWriteBack) *mArg = std::move(mOwn);
    }

  private:
    Variant* mArg;
    Variant mOwn;
    bool mUseOwn = false;
    bool mWriteBack = false;
};

template <class R>
Variant ToVariant(R&& value) {
    using V = std::remove_cvref_t<R>;
    if constexpr (std::is_same_v<V, uint32_t>)
        return Variant(static_cast<int32_t>(value));
    else if constexpr (std::is_same_v<V, int64_t>)
        return Variant(static_cast<double>(value));
    else if constexpr (std::is_same_v<V, Variant>)
        return std::forward<R>(value);
    else if constexpr (std::is_convertible_v<V, ObjectRef> && !std::is_same_v<V, ObjectRef>)
        return Variant(ObjectRef(std::forward<R>(value)));
    else
        return Variant(std::forward<R>(value));
}

// The parts of a member function pointer type, or of a plain function pointer type (a
// static member function: Class is void).
template <class F>
struct Signature;
template <class C, class R, class... P, bool N>
struct Signature<R (C::*)(P...) noexcept(N)> {
    using Class = C;
    using Result = R;
    using Params = std::tuple<P...>;
    static constexpr size_t kArity = sizeof...(P);
};
template <class C, class R, class... P, bool N>
struct Signature<R (C::*)(P...) const noexcept(N)> : Signature<R (C::*)(P...)> {};
template <class R, class... P, bool N>
struct Signature<R (*)(P...) noexcept(N)> {
    using Class = void;
    using Result = R;
    using Params = std::tuple<P...>;
    static constexpr size_t kArity = sizeof...(P);
};

// The object a row of T's table calls: T itself, a base of T, or what T forwards to
// through Target() (the extender forwards to the widget it places).
template <class T, class C>
C& BoundObject(Dispatchable& self) {
    T& object = static_cast<T&>(self);
    if constexpr (std::is_base_of_v<C, T>)
        return object;
    else
        return object.Target();
}

// Calls what a row binds: a member function on its object, a static one without.
template <class T, class F, class... A>
decltype(auto) Call(F fn, Dispatchable& self, A&&... args) {
    if constexpr (std::is_member_function_pointer_v<F>)
        return (BoundObject<T, typename Signature<F>::Class>(self).*fn)(std::forward<A>(args)...);
    else
        return fn(std::forward<A>(args)...);
}

template <class T, class F, size_t... I>
Variant InvokeWith(const MemberDef& member, Dispatchable& self, Args args,
                   std::index_sequence<I...>) {
    using S = Signature<F>;
    const F fn = member.target.As<F>();
    if constexpr (S::kArity == 0) {
        if constexpr (std::is_void_v<typename S::Result>) {
            Call<T>(fn, self);
            return {};
        } else {
            return ToVariant(Call<T>(fn, self));
        }
    } else {
        Variant missing = Variant::Missing();
        auto argAt = [&](size_t i) -> Variant& { return i < args.size() ? args[i] : missing; };
        // Braced initialisation converts the arguments in order, before the call.
        std::tuple<ArgSlot<std::tuple_element_t<I, typename S::Params>>...> slots{
            ArgSlot<std::tuple_element_t<I, typename S::Params>>(argAt(I), member.params[I])...};
        Variant result;
        if constexpr (std::is_void_v<typename S::Result>)
            Call<T>(fn, self, std::get<I>(slots).Get()...);
        else
            result = ToVariant(Call<T>(fn, self, std::get<I>(slots).Get()...));
        (std::get<I>(slots).WriteBack(member.params[I]), ...);
        return result;
    }
}

template <class T, class F>
Variant Invoke(const MemberDef& member, Dispatchable& self, Args args) {
    return InvokeWith<T, F>(member, self, args, std::make_index_sequence<Signature<F>::kArity>());
}

template <class P>
ParamDef ParamFor() {
    static_assert(!std::is_same_v<std::remove_cvref_t<P>, int64_t>,
                  "a 64-bit integer is published only as a result");
    ParamDef param;
    param.type = TypeOf<P>();
    param.byRef = true;
    param.optional = IsOptional<std::remove_cvref_t<P>>::value;
    return param;
}

// The parameters as published: types from the signature, passing from the row.
template <class F, size_t... I>
std::vector<ParamDef> ParamsOf(Passes passes, std::index_sequence<I...>) {
    using S = Signature<F>;
    std::vector<ParamDef> params;
    params.reserve(sizeof...(I));
    (params.push_back(ParamFor<std::tuple_element_t<I, typename S::Params>>()), ...);
    for (size_t i = 0; i < params.size() && i < passes.size(); ++i) {
        const Pass& pass = passes.begin()[i];
        params[i].byRef = pass.byRef;
        if (!pass.optional) continue;
        params[i].optional = true;
        params[i].defaultValue = pass.defaultValue;
    }
    return params;
}

template <class T, class F>
MemberDef Row(std::string_view name, DispId id, MemberKind kind, F fn, Passes passes) {
    using S = Signature<F>;
    return MemberDef{name,
                     id,
                     kind,
                     TypeOf<typename S::Result>(),
                     ParamsOf<F>(passes, std::make_index_sequence<S::kArity>()),
                     &Invoke<T, F>,
                     BoundTarget::Of(fn)};
}

}  // namespace binder

// Row builders for the table of class T. A property's get is a const member function (its
// parameters are the indexes) and its let a non-const one taking the indexes and then the
// value, so one overloaded name serves both: `&Check::Caption` picks each by its shape.
template <class T>
struct Members {
    template <class C, class R, class... P, bool N>
    static MemberDef Get(std::string_view name, DispId id, R (C::*get)(P...) const noexcept(N),
                         Passes passes = {}) {
        return binder::Row<T>(name, id, MemberKind::Get, get, passes);
    }
    template <class C, class... P, bool N>
    static MemberDef Let(std::string_view name, DispId id, void (C::*let)(P...) noexcept(N),
                         Passes passes = {}) {
        return binder::Row<T>(name, id, MemberKind::Let, let, passes);
    }
    template <class F>
    static MemberDef Method(std::string_view name, DispId id, F method, Passes passes = {}) {
        return binder::Row<T>(name, id, MemberKind::Method, method, passes);
    }
    // Get and let under one identifier; `passes` are the let's (indexes, then the value).
    template <class C, class R, class... P, bool N, class D, class... Q, bool O>
    static std::vector<MemberDef> Property(std::string_view name, DispId id,
                                           R (C::*get)(P...) const noexcept(N),
                                           void (D::*let)(Q...) noexcept(O), Passes passes = {}) {
        return {Get(name, id, get, passes), Let(name, id, let, passes)};
    }
};

// One overload of a member function, named by its parameter types: Overload<int32_t>(&C::X).
template <class... P>
struct OverloadOf {
    template <class C, class R, bool N>
    constexpr auto operator()(R (C::*fn)(P...) noexcept(N)) const noexcept {
        return fn;
    }
    template <class C, class R, bool N>
    constexpr auto operator()(R (C::*fn)(P...) const noexcept(N)) const noexcept {
        return fn;
    }
};
template <class... P>
inline constexpr OverloadOf<P...> Overload{};

}  // namespace panelkit2
