#pragma once

// Observes the window messages the toolkit reports (Host::WindowMessage) for chosen windows
// and raises one Message event per watched message while it is switched on. Windows and
// their messages are registered either directly (Register) or as keyed entries
// (AddWindow / AddMessage), whose message entries carry a flag for the handler to set.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/toolkit/signal.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

namespace msg_hook_id {
inline constexpr DispId Enabled = 0;
inline constexpr DispId Register = 1;
inline constexpr DispId Unregister = 2;
inline constexpr DispId LowWord = 3;
inline constexpr DispId HighWord = 4;
}  // namespace msg_hook_id

class MsgHook : public Dispatchable {
  public:
    // Message(hWnd, Msg, wParam, lParam).
    enum class Events : int32_t { Message = 1 };

    // One watched message of a keyed window entry. The hook reports the message whatever
    // the flag says; the flag is the handler's note about the message (for instance that
    // the window should not act on it), kept for whoever watches the window.
    class WatchedMessage {
      public:
        WatchedMessage(std::string key, int32_t number)
            : mstrKey(std::move(key)), mlngNumber(number) {}
        const std::string& Key() const noexcept { return mstrKey; }
        int32_t Number() const noexcept { return mlngNumber; }
        bool Flag() const noexcept { return mblnFlag; }
        void Flag(bool value) noexcept { mblnFlag = value; }

      private:
        std::string mstrKey;
        int32_t mlngNumber;
        bool mblnFlag = false;
    };

    // A keyed window entry with its keyed messages. Keys are case-insensitive; a key
    // already present is error 457, an unknown key error 5, a position outside
    // 1..MessageCount error 9.
    class WatchedWindow {
      public:
        WatchedWindow(std::string key, Hwnd hwnd) : mstrKey(std::move(key)), mHwnd(hwnd) {}
        const std::string& Key() const noexcept { return mstrKey; }
        Hwnd Handle() const noexcept { return mHwnd; }
        WatchedMessage& AddMessage(std::string key, int32_t number);
        WatchedMessage& Message(std::string_view key);
        WatchedMessage& Message(int32_t position);
        void RemoveMessage(std::string_view key);
        size_t MessageCount() const noexcept { return mcolMessages.size(); }
        bool Watches(int32_t number) const noexcept;

      private:
        std::string mstrKey;
        Hwnd mHwnd;
        // Entries handed out stay valid until removed.
        std::vector<std::unique_ptr<WatchedMessage>> mcolMessages;
    };

    MsgHook();
    ~MsgHook() override;
    MsgHook(const MsgHook&) = delete;
    MsgHook& operator=(const MsgHook&) = delete;

    // The default property; off at creation, and nothing is reported while off.
    bool Enabled() const noexcept { return mblnEnabled; }
    void Enabled(bool value) noexcept { mblnEnabled = value; }

    // Adds messages to watch for a window (0 is no window: error 5).
    void Register(Hwnd hwnd, const std::vector<int32_t>& messages);
    void Register(Hwnd hwnd, int32_t message);
    // Forgets what Register added for the window (keyed entries stay).
    void Unregister(Hwnd hwnd);

    // Keyed entries; same key rules as WatchedWindow's messages.
    WatchedWindow& AddWindow(std::string key, Hwnd hwnd);
    WatchedWindow& Window(std::string_view key);
    void RemoveWindow(std::string_view key);
    size_t WindowCount() const noexcept { return mcolWindows.size(); }

    bool Watches(Hwnd hwnd, int32_t message) const noexcept;

    // The low and high 16 bits of a message parameter as signed numbers, as mouse
    // coordinates are packed (0xFFFF is -1).
    static int16_t LowWord(int32_t value) noexcept;
    static int16_t HighWord(int32_t value) noexcept;

    const InterfaceTable& Interface() const override;

    // hwnd, message, wParam, lParam; raised together with the automation event.
    Signal<Hwnd, int32_t, int32_t, int32_t> Message;

  private:
    void OnWindowMessage(Hwnd hwnd, int32_t message, int32_t wParam, int32_t lParam);

    bool mblnEnabled = false;
    std::map<Hwnd, std::vector<int32_t>> mcolRegistered;
    std::vector<std::unique_ptr<WatchedWindow>> mcolWindows;
    Signal<Hwnd, int32_t, int32_t, int32_t>::Connection mlngConnection = 0;
};

}  // namespace panelkit2::host
