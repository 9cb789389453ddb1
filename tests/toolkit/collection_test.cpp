// Collection: 1-based positions, index errors, late binding and iteration order.

#include "panelkit2/toolkit/collection.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "panelkit2/toolkit/msg_hook.hpp"
#include "support/assertions.hpp"

namespace panelkit2::host {
namespace {

Variant Call(Dispatchable& object, DispId id, std::vector<Variant> args = {}) {
    return CallByDispId(object, id, CallKind::GetOrMethod, args);
}

std::vector<std::string> Texts(const Collection& items) {
    std::vector<std::string> texts;
    for (const Variant& item : items) texts.push_back(item.ToDisplayText());
    return texts;
}

TEST(Collection, PositionsStartAtOneAndFollowInsertionOrder) {
    Collection items;
    items.Add("a");
    items.Add(int32_t{2});
    items.Add("c");
    EXPECT_EQ(items.Item(1).AsString(), "a");
    EXPECT_EQ(items.Item(Variant(3.0)).AsString(), "c");
    EXPECT_EQ(items.Item(Variant(1.5)).AsLong(), 2);  // rounds half to even
    items.Remove(2);
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"a", "c"}));
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
}

TEST(Collection, BadIndexesRaiseSubscriptOrTypeErrors) {
    Collection items;
    items.Add("only");
    for (const Variant& index : {Variant(int32_t{0}), Variant(int32_t{2}), Variant(-1.0),
                                 Variant(1e300), Variant(true), Variant(std::nan(""))})
        EXPECT_EQ(test::ErrorNumber([&] { items.Item(index); }), 9) << index.ToDisplayText();
    for (const Variant& index : {Variant("1"), Variant(), Variant(ObjectRef())})
        EXPECT_EQ(test::ErrorNumber([&] { items.Item(index); }), 13);
    EXPECT_EQ(test::ErrorNumber([&] { items.Remove(5); }), 9);
    EXPECT_EQ(test::ErrorNumber([&] { items.Add(Variant::Missing()); }), 449);
    EXPECT_EQ(items.Count(), 1);
}

TEST(Collection, LateBoundMembersUseTheirIdentifiers) {
    Collection items;
    auto hook = std::make_shared<MsgHook>();
    Call(items, collection_id::Add, {ObjectRef(hook)});
    Call(items, collection_id::Add, {"text"});
    EXPECT_EQ(Call(items, collection_id::Count).AsLong(), 2);
    EXPECT_EQ(Call(items, collection_id::Item, {int16_t{1}}).AsObject(), hook);
    std::vector<Variant> second = {int32_t{2}};
    EXPECT_EQ(CallByName(items, "item", CallKind::GetOrMethod, second).AsString(), "text");
    EXPECT_EQ(test::ErrorNumber([&] { Call(items, collection_id::Remove, {int32_t{3}}); }), 9);
    EXPECT_EQ(test::ErrorNumber([&] { Call(items, collection_id::Item); }), 450);
    Call(items, collection_id::Clear);
    EXPECT_EQ(items.Count(), 0);
}

TEST(Collection, TypedAccessChecksTheClass) {
    Collection items;
    auto hook = std::make_shared<MsgHook>();
    items.Add(ObjectRef(hook));
    items.Add("not an object");
    items.Add(ObjectRef());
    EXPECT_EQ(items.ItemAs<MsgHook>(1), hook);
    EXPECT_EQ(test::ErrorNumber([&] { items.ItemAs<Collection>(1); }), 13);
    EXPECT_EQ(test::ErrorNumber([&] { items.ItemAs<MsgHook>(2); }), 13);
    EXPECT_EQ(test::ErrorNumber([&] { items.ItemAs<MsgHook>(3); }), 91);
}

}  // namespace
}  // namespace panelkit2::host
