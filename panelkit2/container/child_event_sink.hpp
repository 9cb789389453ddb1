#pragma once

// Receives the events of the container's children and hands each to one handler, which
// tells them apart by event name: children are known only late-bound.

#include <functional>

#include "panelkit2/automation/dispatch.hpp"

namespace panelkit2 {

class ChildEventSink : public EventSink {
  public:
    using Handler = std::function<void(Dispatchable& child, const EventDef& event, Args args)>;

    explicit ChildEventSink(Handler handler) : mHandler(std::move(handler)) {}
    void OnEvent(Dispatchable& source, const EventDef& event, Args args) override;

  private:
    Handler mHandler;
};

}  // namespace panelkit2
