#include "panelkit2/container/child_event_sink.hpp"

namespace panelkit2 {

void ChildEventSink::OnEvent(Dispatchable& source, const EventDef& event, Args args) {
    mHandler(source, event, args);
}

}  // namespace panelkit2
