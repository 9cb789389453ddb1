#include "panelkit2/container/template_array.hpp"

#include <string>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/container/library_classes.hpp"

namespace panelkit2 {

namespace {

constexpr const char* kSource = "PanelKit2";

[[noreturn]] void RaiseNotAvailable(const ControlTemplate& design) {
    throw AutomationError(err::CannotCreateObject, kSource,
                          "Cannot create object: controls of the kind " + std::string(design.name) +
                              " are not available yet");
}

}  // namespace

TemplateArray::TemplateArray(const ControlTemplate& design, host::Widget& parent,
                             std::shared_ptr<EventSink> sink)
    : mDesign(&design), mParent(&parent), mSink(std::move(sink)), mcolElements(1) {
    mCreator = [&design] {
        const ClassFactory& factory = LibraryClasses();
        try {
            return factory.Create(design.progId);
        } catch (const AutomationError& error) {
            if (error.Number() == err::CannotCreateObject && !factory.IsRegistered(design.progId))
                RaiseNotAvailable(design);
            throw;
        }
    };
}

// Elements go newest first, the reverse of their arrival under the parent widget.
TemplateArray::~TemplateArray() {
    while (!mcolElements.empty()) mcolElements.pop_back();
}

bool TemplateArray::Exists(int32_t index) const noexcept {
    if (index == 0) return true;
    return index > 0 && static_cast<size_t>(index) < mcolElements.size() &&
           mcolElements[static_cast<size_t>(index)] != nullptr;
}

const ObjectRef& TemplateArray::Item(int32_t index) const {
    if (index == 0 || !Exists(index))
        throw AutomationError(
            err::NoSuchElement, kSource,
            "Control array element '" + std::to_string(index) + "' doesn't exist");
    return mcolElements[static_cast<size_t>(index)];
}

ObjectRef TemplateArray::Create() const {
    ObjectRef object = mCreator ? mCreator() : nullptr;
    if (!dynamic_cast<ControlBase*>(object.get()))
        throw AutomationError(err::CannotCreateObject, kSource,
                              "Cannot create object: what was made for " +
                                  std::string(mDesign->name) + " is not a control");
    return object;
}

// Built completely before it counts as loaded: a control that fails to read its values is
// dropped again and the array is as it was.
void TemplateArray::Load(int32_t index) {
    if (index < 0 || index > INT16_MAX) RaiseStandard(index < 0 ? err::InvalidCall : err::Overflow);
    if (Exists(index)) RaiseStandard(err::AlreadyLoaded);
    ObjectRef object = Create();
    auto& control = static_cast<ControlBase&>(*object);
    host::UserControl& surface = control.Surface();
    surface.Visible(false);
    surface.SetParent(mParent);
    surface.SetIndex(static_cast<int16_t>(index));
    surface.Width(mDesign->width);
    surface.Height(mDesign->height);
    host::PropertyBag persisted = mDesign->persisted;
    control.LoadProperties(persisted);
    object->Advise(mSink);
    if (static_cast<size_t>(index) >= mcolElements.size())
        mcolElements.resize(static_cast<size_t>(index) + 1);
    mcolElements[static_cast<size_t>(index)] = std::move(object);
    ++mintCount;
}

}  // namespace panelkit2
