#pragma once

// One of the container's control arrays. Element 0 is the design-time template, kept as
// data (ControlTemplate) rather than as a live control, since it is never handed out or
// shown. Load makes element `index`: the control is created, placed on the parent widget,
// given the template's size and persisted values, started invisible and advised to the
// container's event sink. Elements live as long as the array.
//
// Errors: loading a loaded index 360; a kind whose class is not available yet, or a
// creator that makes something other than a control, 429; a missing element 340.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "panelkit2/container/control_template.hpp"
#include "panelkit2/controls/control_base.hpp"

namespace panelkit2 {

class TemplateArray {
  public:
    using Creator = std::function<ObjectRef()>;

    TemplateArray(const ControlTemplate& design, host::Widget& parent,
                  std::shared_ptr<EventSink> sink);
    ~TemplateArray();
    TemplateArray(TemplateArray&&) = default;
    TemplateArray& operator=(TemplateArray&&) = default;

    // By default the class registered under the template's program identifier.
    void UseCreator(Creator creator) { mCreator = std::move(creator); }

    // Loaded elements, the template (element 0) included.
    int16_t Count() const noexcept { return mintCount; }
    bool Exists(int32_t index) const noexcept;
    const ObjectRef& Item(int32_t index) const;
    void Load(int32_t index);

  private:
    ObjectRef Create() const;

    const ControlTemplate* mDesign;
    host::Widget* mParent;
    std::shared_ptr<EventSink> mSink;
    Creator mCreator;
    // Slot i holds element i; slot 0 (the template) stays empty.
    std::vector<ObjectRef> mcolElements;
    int16_t mintCount = 1;
};

}  // namespace panelkit2
