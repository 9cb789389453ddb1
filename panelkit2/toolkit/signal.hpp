#pragma once

// A synchronous event of the widget toolkit: handlers run in connection order, at once,
// on the emitting thread. Handlers may connect or disconnect others while it is emitted.

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace panelkit2::host {

template <class... A>
class Signal {
  public:
    using Handler = std::function<void(A...)>;
    using Connection = uint32_t;

    Connection Connect(Handler handler) {
        mcolSlots.push_back({++mlngLastId, std::make_shared<Handler>(std::move(handler))});
        return mlngLastId;
    }
    void Disconnect(Connection id) {
        std::erase_if(mcolSlots, [id](const Slot& slot) { return slot.id == id; });
    }
    bool Connected() const { return !mcolSlots.empty(); }

    void Emit(A... args) const {
        if (mcolSlots.empty()) return;
        // A handler may change the connections while the signal is delivered, so it runs
        // from a copy: of its own handle when it is the only one (no allocation), else of
        // the whole list.
        if (mcolSlots.size() == 1) {
            const std::shared_ptr<Handler> handler = mcolSlots.front().handler;
            (*handler)(args...);
            return;
        }
        auto slots = mcolSlots;
        for (const auto& slot : slots) (*slot.handler)(args...);
    }

  private:
    struct Slot {
        Connection id;
        std::shared_ptr<Handler> handler;
    };
    std::vector<Slot> mcolSlots;
    Connection mlngLastId = 0;
};

}  // namespace panelkit2::host
