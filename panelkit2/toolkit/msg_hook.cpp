#include "panelkit2/toolkit/msg_hook.hpp"

#include <algorithm>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/binder.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/toolkit/host.hpp"

namespace panelkit2::host {

namespace {

constexpr const char* kSource = "PanelKit2.MsgHook";

// Keyed entries (unique_ptr to something with Key()), looked up case-insensitively.
template <class Entries>
auto FindKey(Entries& entries, std::string_view key) {
    return std::find_if(entries.begin(), entries.end(),
                        [key](const auto& entry) { return EqualsNoCase(entry->Key(), key); });
}

template <class Entries>
auto& EntryByKey(Entries& entries, std::string_view key) {
    const auto found = FindKey(entries, key);
    if (found == entries.end()) RaiseStandard(err::InvalidCall, kSource);
    return **found;
}

template <class Entries, class... Args>
auto& AddKeyed(Entries& entries, std::string key, Args... args) {
    if (FindKey(entries, key) != entries.end()) RaiseStandard(err::DuplicateKey, kSource);
    using Entry = typename Entries::value_type::element_type;
    entries.push_back(std::make_unique<Entry>(std::move(key), args...));
    return *entries.back();
}

template <class Entries>
void RemoveKeyed(Entries& entries, std::string_view key) {
    const auto found = FindKey(entries, key);
    if (found == entries.end()) RaiseStandard(err::InvalidCall, kSource);
    entries.erase(found);
}

void CheckWindow(Hwnd hwnd) {
    if (hwnd == 0) RaiseStandard(err::InvalidCall, kSource);
}

}  // namespace

MsgHook::WatchedMessage& MsgHook::WatchedWindow::AddMessage(std::string key, int32_t number) {
    return AddKeyed(mcolMessages, std::move(key), number);
}

MsgHook::WatchedMessage& MsgHook::WatchedWindow::Message(std::string_view key) {
    return EntryByKey(mcolMessages, key);
}

MsgHook::WatchedMessage& MsgHook::WatchedWindow::Message(int32_t position) {
    if (position < 1 || static_cast<size_t>(position) > mcolMessages.size())
        RaiseStandard(err::SubscriptOutOfRange, kSource);
    return *mcolMessages[static_cast<size_t>(position) - 1];
}

void MsgHook::WatchedWindow::RemoveMessage(std::string_view key) {
    RemoveKeyed(mcolMessages, key);
}

bool MsgHook::WatchedWindow::Watches(int32_t number) const noexcept {
    return std::any_of(mcolMessages.begin(), mcolMessages.end(),
                       [number](const auto& message) { return message->Number() == number; });
}

MsgHook::MsgHook() {
    mlngConnection = Host::Current().WindowMessage.Connect(
        [this](Hwnd hwnd, int32_t message, int32_t wParam, int32_t lParam) {
            OnWindowMessage(hwnd, message, wParam, lParam);
        });
}

MsgHook::~MsgHook() {
    Host::Current().WindowMessage.Disconnect(mlngConnection);
}

void MsgHook::Register(Hwnd hwnd, int32_t message) {
    CheckWindow(hwnd);
    auto& watched = mcolRegistered[hwnd];
    if (std::find(watched.begin(), watched.end(), message) == watched.end())
        watched.push_back(message);
}

void MsgHook::Register(Hwnd hwnd, const std::vector<int32_t>& messages) {
    CheckWindow(hwnd);
    for (int32_t message : messages) Register(hwnd, message);
}

void MsgHook::Unregister(Hwnd hwnd) {
    mcolRegistered.erase(hwnd);
}

MsgHook::WatchedWindow& MsgHook::AddWindow(std::string key, Hwnd hwnd) {
    CheckWindow(hwnd);
    return AddKeyed(mcolWindows, std::move(key), hwnd);
}

MsgHook::WatchedWindow& MsgHook::Window(std::string_view key) {
    return EntryByKey(mcolWindows, key);
}

void MsgHook::RemoveWindow(std::string_view key) {
    RemoveKeyed(mcolWindows, key);
}

bool MsgHook::Watches(Hwnd hwnd, int32_t message) const noexcept {
    const auto registered = mcolRegistered.find(hwnd);
    if (registered != mcolRegistered.end() &&
        std::find(registered->second.begin(), registered->second.end(), message) !=
            registered->second.end())
        return true;
    return std::any_of(mcolWindows.begin(), mcolWindows.end(), [&](const auto& window) {
        return window->Handle() == hwnd && window->Watches(message);
    });
}

int16_t MsgHook::LowWord(int32_t value) noexcept {
    return static_cast<int16_t>(static_cast<uint32_t>(value) & 0xFFFF);
}

int16_t MsgHook::HighWord(int32_t value) noexcept {
    return static_cast<int16_t>(static_cast<uint32_t>(value) >> 16);
}

// A message watched twice (registered and keyed) is still reported once.
void MsgHook::OnWindowMessage(Hwnd hwnd, int32_t message, int32_t wParam, int32_t lParam) {
    if (!mblnEnabled || !Watches(hwnd, message)) return;
    Message.Emit(hwnd, message, wParam, lParam);
    RaiseEvent(Events::Message, {hwnd, message, wParam, lParam});
}

// ---------------------------------------------------------------------------------------
// Interface

// Every member is passed by value.
const InterfaceTable& MsgHook::Interface() const {
    using M = Members<MsgHook>;
    using H = MsgHook;
    namespace id = msg_hook_id;
    static const InterfaceTable table(
        "PanelKit2.MsgHook",
        {
            M::Property("Enabled", id::Enabled, &H::Enabled, &H::Enabled, {By::Val}),
            M::Method("Register", id::Register, Overload<Hwnd, int32_t>(&H::Register),
                      {By::Val, By::Val}),
            M::Method("Unregister", id::Unregister, &H::Unregister, {By::Val}),
            M::Method("LowWord", id::LowWord, &H::LowWord, {By::Val}),
            M::Method("HighWord", id::HighWord, &H::HighWord, {By::Val}),
        },
        {
            Event(Events::Message, "Message",
                  {ByVal("hWnd", VarType::Long), ByVal("Msg", VarType::Long),
                   ByVal("wParam", VarType::Long), ByVal("lParam", VarType::Long)}),
        });
    return table;
}

}  // namespace panelkit2::host
