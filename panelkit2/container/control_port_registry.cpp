// ControlPort: handing out controls from the control arrays, registering them for layout,
// and forgetting a page.

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/container/child_members.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/container/layout_numbers.hpp"
#include "panelkit2/container/member_cache.hpp"

namespace panelkit2 {

namespace {

bool IsKind(int32_t kind) {
    return kind >= 0 && kind < kControlIDCount;
}

// Counters are Integers: counting past their range is an overflow, never a wrap.
void CountOneMore(int16_t& counter) {
    counter = IntegerPosition(counter + 1);
}

// Collections are created on first use, so a collection never filled reads as empty.
host::Collection& CreatedOnFirstUse(ControlPort::CollectionRef& collection) {
    if (!collection) collection = std::make_shared<host::Collection>();
    return *collection;
}

}  // namespace

host::Collection& ControlPort::Ctl() const {
    return CreatedOnFirstUse(mcolCtl_);
}

host::Collection& ControlPort::CtlVisible() const {
    return CreatedOnFirstUse(mcolCtlVisible_);
}

host::Collection& ControlPort::CtlCommand() const {
    return CreatedOnFirstUse(mcolCtlCommand_);
}

TemplateArray& ControlPort::TemplateArrayOf(int16_t kind) {
    if (!IsKind(kind)) RaiseStandard(err::SubscriptOutOfRange);
    return mcolTemplates[static_cast<size_t>(kind)];
}

const TemplateArray& ControlPort::Templates(ControlID kind) const {
    const auto index = static_cast<int16_t>(kind);
    if (!IsKind(index)) RaiseStandard(err::SubscriptOutOfRange);
    return mcolTemplates[static_cast<size_t>(index)];
}

void ControlPort::UseCreator(ControlID kind, TemplateArray::Creator creator) {
    TemplateArrayOf(static_cast<int16_t>(kind)).UseCreator(std::move(creator));
}

// The n-th control of a kind since the last NewCanvas is element n of its array: loaded
// the first time, reused (and emptied) on every later page.
ObjectRef ControlPort::GetNewControl(int16_t intControlID) {
    return FullReRaise(kSource.Method("NewControl"), [&] {
        TemplateArray& array = TemplateArrayOf(intControlID);
        int16_t& created = mintCreated[static_cast<size_t>(intControlID)];
        CountOneMore(created);
        const int16_t idx = created;
        if (!array.Exists(idx)) Swallow(err::AlreadyLoaded, [&] { array.Load(idx); });
        const ObjectRef element = array.Item(idx);
        host::Collection& all = Ctl();
        all.Add(element);
        child::Call(*element, "Clear");
        child::Let(*element, "Visible", false);
        return child::At(all, all.Count());
    });
}

void ControlPort::RegisterForLayout(const ObjectRef& ctl) {
    if (!ctl) RaiseStandard(err::ObjectNotSet);
    const int16_t kind = child::GetInteger(*ctl, "CtlID");
    if (kind == static_cast<int16_t>(ControlID::CommandButton))
        CtlCommand().Add(ctl);
    else
        CtlVisible().Add(ctl);
    if (!IsKind(kind)) RaiseStandard(err::SubscriptOutOfRange);
    CountOneMore(mintAdded[static_cast<size_t>(kind)]);
}

// An empty control (Show False) is not laid out.
void ControlPort::AddControl(const Variant& ctl, const Variant& blnSet) {
    FullReRaise(kSource.Method("AddControl"), [&] {
        if (!blnSet.IsMissing() && !blnSet.AsBoolean()) return;
        const ObjectRef control = ctl.AsObject();
        if (!control) RaiseStandard(err::ObjectNotSet);
        if (!child::GetBoolean(*control, "Show")) return;
        RegisterForLayout(control);
    });
}

void ControlPort::AddControlIdx(int16_t idx, const Variant& blnSet) {
    FullReRaise(kSource.Method("AddControlIdx"), [&] {
        if (!blnSet.IsMissing() && !blnSet.AsBoolean()) return;
        RegisterForLayout(child::At(Ctl(), idx));
    });
}

ObjectRef ControlPort::GetControl(int16_t idx) {
    return FullReRaise(kSource.Method("GetControl"), [&] { return child::At(Ctl(), idx); });
}

ControlPort::CollectionRef ControlPort::CommandControls() const {
    CtlCommand();
    return mcolCtlCommand_;
}

ControlPort::CollectionRef ControlPort::NewEnum() {
    CtlVisible();
    return mcolCtlVisible_;
}

ControlPort::CollectionRef ControlPort::mcolCtl() const {
    Ctl();
    return mcolCtl_;
}

void ControlPort::mcolCtl(CollectionRef value) {
    mcolCtl_ = std::move(value);
}

ControlPort::CollectionRef ControlPort::mcolCtlVisible() const {
    CtlVisible();
    return mcolCtlVisible_;
}

void ControlPort::mcolCtlVisible(CollectionRef value) {
    mcolCtlVisible_ = std::move(value);
}

ControlPort::CollectionRef ControlPort::mcolCtlCommand() const {
    CtlCommand();
    return mcolCtlCommand_;
}

void ControlPort::mcolCtlCommand(CollectionRef value) {
    mcolCtlCommand_ = std::move(value);
}

// Each control is cleared, hidden and removed in turn. They are removed together at the
// end, which keeps the page turn linear; a failure removes those already done, leaving the
// failing control and the ones after it registered.
void ControlPort::ClearAndHideAll() {
    host::Collection& all = Ctl();
    const int32_t count = all.Count();
    int32_t done = 0;
    try {
        for (; done < count; ++done) {
            const ObjectRef ctl = child::At(all, done + 1);
            child::Call(*ctl, "Clear");
            child::Let(*ctl, "Visible", false);
        }
    } catch (...) {
        for (; done > 0; --done) all.Remove(1);
        throw;
    }
    all.Clear();
}

void ControlPort::ResetCounters() {
    mintAdded.fill(0);
    mintCreated.fill(0);
}

void ControlPort::NewCanvas() {
    MemberCache::Scope names;
    FullReRaise(kSource.Method("NewCanvas"), [&] {
        mcolCtlVisible_.reset();
        mcolCtlCommand_.reset();
        ClearAndHideAll();
        ResetCounters();
        mstrPortActions.clear();
        mlngBottom = 0;
        mlngColumnWidth = 0;
        mlngLastHeight = 0;
        mlngLastWidth = 0;
        ScrollArea.Move(0, 0, ScrollArea.Width(), 0);
        Viewport.Top(0);
        mblnCommandsPlaced = false;
        ResetScrollBar();
        ScrollBar.Value(0);
        Paint();
    });
}

}  // namespace panelkit2
