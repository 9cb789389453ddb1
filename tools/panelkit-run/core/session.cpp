#include "tools/panelkit-run/core/session.hpp"

#include "tools/panelkit-run/core/conditions.hpp"
#include "tools/panelkit-run/core/kind.hpp"

namespace panelkit2::run {

Session::Session(const Assistant& assistant, ControlPort& port, const Answers& answers)
    : mAssistant(assistant), mPort(port), mAnswers(answers), mChosen(assistant.pages.size()) {}

void Session::Start() {
    mHistory.assign(1, 0);
    mResults.clear();
    mblnComplete = false;
    Enter(0);
}

void Session::Enter(size_t index) {
    const Page& page = mAssistant.pages[index];
    mPort.NewCanvas();
    mControls.clear();
    if (mfnCanvas) mfnCanvas();
    mControls = BuildControls(mPort, page);
    if (mfnBuilt) mfnBuilt();
    const std::vector<Json> values = ValuesFor(index);
    for (size_t i = 0; i < mControls.size(); ++i) SelectValue(mControls[i], values[i]);
}

std::vector<Json> Session::ValuesFor(size_t index) const {
    if (mChosen[index]) return *mChosen[index];
    const Page& page = mAssistant.pages[index];
    std::vector<Json> values;
    values.reserve(page.controls.size());
    for (const ControlDef& def : page.controls) {
        if (const Json* answer = mAnswers.Find(page.id, def.id))
            values.push_back(*answer);
        else if (!def.defaultValue.is_null())
            values.push_back(def.defaultValue);
        else
            values.push_back(def.kind->Initial(def));
    }
    return values;
}

std::vector<Json> Session::ReadValues() const {
    std::vector<Json> values;
    values.reserve(mControls.size());
    for (const LiveControl& live : mControls) values.push_back(ReadValue(live));
    return values;
}

PageResult Session::ReadPage() const {
    const Page& page = CurrentPage();
    PageResult result{page.id, page.caption, mPort.GetSelectedActions(), {}};
    result.controls.reserve(mControls.size());
    for (const LiveControl& live : mControls) result.controls.push_back(ReadResult(page, live));
    return result;
}

const LiveControl* Session::FirstMissing() const {
    for (const LiveControl& live : mControls)
        if (live.def->required && !live.def->kind->Answered(ReadValue(live))) return &live;
    return nullptr;
}

bool Session::Next() {
    if (mblnComplete) return false;
    const size_t current = mHistory.back();
    mChosen[current] = ReadValues();
    mResults.push_back(ReadPage());
    for (size_t index = current + 1; index < mAssistant.pages.size(); ++index) {
        if (!Shown(index)) continue;
        mHistory.push_back(index);
        Enter(index);
        return true;
    }
    mblnComplete = true;
    return false;
}

void Session::Back() {
    if (!CanGoBack()) return;
    // A complete run holds the current page's result too.
    if (mblnComplete)
        mResults.pop_back();
    else
        mChosen[mHistory.back()] = ReadValues();
    mblnComplete = false;
    mHistory.pop_back();
    mResults.pop_back();
    Enter(mHistory.back());
}

bool Session::Shown(size_t index) const {
    const Page& page = mAssistant.pages[index];
    return !page.showIf || ConditionHolds(*page.showIf, EarlierAnswer(page.showIf->control));
}

const Json* Session::EarlierAnswer(const std::string& controlId) const {
    for (size_t step = 0; step < mResults.size(); ++step) {
        const size_t index = mHistory[step];
        const Page& page = mAssistant.pages[index];
        for (size_t i = 0; i < page.controls.size(); ++i)
            if (page.controls[i].id == controlId && mChosen[index]) return &(*mChosen[index])[i];
    }
    return nullptr;
}

bool Session::MayHavePageAfter() const {
    const Page& current = CurrentPage();
    for (size_t index = mHistory.back() + 1; index < mAssistant.pages.size(); ++index) {
        const Page& page = mAssistant.pages[index];
        if (!page.showIf || mAssistant.PageOf(page.showIf->control) == &current || Shown(index))
            return true;
    }
    return false;
}

RunResult Session::Result() const {
    RunResult result{mAssistant.title, mResults};
    if (!mblnComplete && !mHistory.empty()) result.pages.push_back(ReadPage());
    return result;
}

}  // namespace panelkit2::run
