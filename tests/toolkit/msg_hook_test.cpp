// MsgHook: which window messages reach which hook, the switch, the keyed entries.

#include "panelkit2/toolkit/msg_hook.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "support/assertions.hpp"

namespace panelkit2::host {
namespace {

using Recorder = test::EventRecorder;

using Seen = std::vector<std::string>;

std::string MessageText(Hwnd hwnd, int32_t message, int32_t wParam) {
    return "Message " + std::to_string(hwnd) + "," + std::to_string(message) + "," +
           std::to_string(wParam) + ",0";
}

class MsgHookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Host::Current().ResetServices();
        hook.Advise(recorder);
    }
    Widget form{WidgetKind::Form, nullptr, "frmMain"};
    Widget other{WidgetKind::Form, nullptr, "frmOther"};
    Widget list{WidgetKind::ListBox, &form, "lstMainBox"};
    MsgHook hook;
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
};

TEST_F(MsgHookTest, ReportsWatchedMessagesOfRegisteredWindowsOnlyWhileOn) {
    hook.Register(form.WindowHandle(), {msg::Move, msg::ActivateApp});
    Host::Current().MoveWindow(form, 100, 200);  // still off
    Variant on = true;
    CallByDispId(hook, msg_hook_id::Enabled, CallKind::Let, Args(&on, 1));
    Host::Current().MoveWindow(form, 150, 200);
    Host::Current().MoveWindow(other, 10, 10);  // not watched
    Host::Current().DeactivateApplication();
    hook.Enabled(false);
    Host::Current().MoveWindow(form, 0, 0);
    EXPECT_EQ(recorder->seen, (Seen{MessageText(form.WindowHandle(), msg::Move, 0),
                                    MessageText(form.WindowHandle(), msg::ActivateApp, 0)}));
    EXPECT_FLOAT_EQ(form.Left(), 0);
}

TEST_F(MsgHookTest, EachHookHearsOnlyItsOwnWindows) {
    MsgHook second;
    std::vector<Hwnd> heard;
    second.Message.Connect([&](Hwnd hwnd, int32_t, int32_t, int32_t) { heard.push_back(hwnd); });
    hook.Register(form.WindowHandle(), {msg::Move});
    second.Register(other.WindowHandle(), {msg::ActivateApp});
    hook.Enabled(true);
    second.Enabled(true);
    Host::Current().MoveWindow(form, 1, 1);
    Host::Current().MoveWindow(other, 1, 1);
    Host::Current().ActivateApplication();
    EXPECT_EQ(recorder->seen, (Seen{MessageText(form.WindowHandle(), msg::Move, 0)}));
    EXPECT_EQ(heard, (std::vector<Hwnd>{other.WindowHandle()}));
    hook.Unregister(form.WindowHandle());
    Host::Current().MoveWindow(form, 2, 2);
    EXPECT_EQ(recorder->seen.size(), 1u);
}

TEST_F(MsgHookTest, KeyedEntriesWatchTheirMessagesAndKeepTheirFlags) {
    auto& window = hook.AddWindow("lstMainBox", list.WindowHandle());
    window.AddMessage("LeftClick", msg::LeftButtonDown);
    window.AddMessage("LeftDblClick", msg::LeftButtonDoubleClick);
    hook.Register(list.WindowHandle(), {msg::LeftButtonDown});  // both styles: reported once
    hook.Enabled(true);
    hook.Message.Connect([&](Hwnd, int32_t, int32_t, int32_t) {
        hook.Window("LSTMAINBOX").Message("leftclick").Flag(true);
    });
    Host::Current().WindowMessage.Emit(list.WindowHandle(), msg::LeftButtonDown, 1,
                                       (20 << 16) | 30);
    Host::Current().WindowMessage.Emit(list.WindowHandle(), 512, 0, 0);
    EXPECT_EQ(recorder->seen, (Seen{"Message " + std::to_string(list.WindowHandle()) + ",513,1," +
                                    std::to_string((20 << 16) | 30)}));
    EXPECT_TRUE(window.Message("LeftClick").Flag());
    EXPECT_FALSE(window.Message(2).Flag());
    EXPECT_EQ(window.Message(2).Number(), msg::LeftButtonDoubleClick);

    window.RemoveMessage("LeftDblClick");
    hook.Unregister(list.WindowHandle());
    EXPECT_FALSE(hook.Watches(list.WindowHandle(), msg::LeftButtonDoubleClick));
    EXPECT_TRUE(hook.Watches(list.WindowHandle(), msg::LeftButtonDown));
    hook.RemoveWindow("lstMainBox");
    EXPECT_FALSE(hook.Watches(list.WindowHandle(), msg::LeftButtonDown));
    EXPECT_EQ(hook.WindowCount(), 0u);
}

TEST_F(MsgHookTest, KeyedEntriesRejectDuplicateAndUnknownKeys) {
    auto& window = hook.AddWindow("w", form.WindowHandle());
    window.AddMessage("m", 3);
    EXPECT_EQ(test::ErrorNumber([&] { hook.AddWindow("W", other.WindowHandle()); }), 457);
    EXPECT_EQ(test::ErrorNumber([&] { window.AddMessage("M", 28); }), 457);
    EXPECT_EQ(test::ErrorNumber([&] { hook.Window("x"); }), 5);
    EXPECT_EQ(test::ErrorNumber([&] { hook.RemoveWindow("x"); }), 5);
    EXPECT_EQ(test::ErrorNumber([&] { window.Message("x"); }), 5);
    EXPECT_EQ(test::ErrorNumber([&] { window.Message(0); }), 9);
    EXPECT_EQ(test::ErrorNumber([&] { window.Message(2); }), 9);
    EXPECT_EQ(test::ErrorNumber([&] { hook.AddWindow("none", 0); }), 5);
    EXPECT_EQ(test::ErrorNumber([&] { hook.Register(0, {3}); }), 5);
    EXPECT_EQ(window.MessageCount(), 1u);
}

TEST_F(MsgHookTest, WordsSplitAsSignedSixteenBitNumbers) {
    const int32_t packed = static_cast<int32_t>(0xFFF6000Au);  // y -10, x 10
    EXPECT_EQ(MsgHook::LowWord(packed), 10);
    EXPECT_EQ(MsgHook::HighWord(packed), -10);
    EXPECT_EQ(MsgHook::LowWord(0x0001FFFF), -1);
    EXPECT_EQ(MsgHook::HighWord(0x0001FFFF), 1);
    std::vector<Variant> args = {int32_t{0x7FFF8000}};
    EXPECT_EQ(CallByName(hook, "LowWord", CallKind::GetOrMethod, args).AsLong(), -32768);
    EXPECT_EQ(CallByName(hook, "HighWord", CallKind::GetOrMethod, args).AsLong(), 32767);
}

TEST_F(MsgHookTest, LateBoundRegistrationAndDestroyedHookHearsNothing) {
    std::vector<Variant> args = {form.WindowHandle(), int32_t{msg::Move}};
    CallByName(hook, "Register", CallKind::GetOrMethod, args);
    {
        MsgHook shortLived;
        shortLived.Register(form.WindowHandle(), {msg::Move});
        shortLived.Enabled(true);
    }
    hook.Enabled(true);
    Host::Current().MoveWindow(form, 5, 5);  // the dead hook must not be called
    EXPECT_EQ(recorder->seen.size(), 1u);
    EXPECT_TRUE(CallByName(hook, "Enabled", CallKind::GetOrMethod, {}).AsBoolean());
}

}  // namespace
}  // namespace panelkit2::host
