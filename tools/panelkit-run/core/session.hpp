#pragma once

// One run through an assistant in a container: which page is shown, what was chosen on the
// pages left, and the way back. A page is shown when it has no condition or its condition
// holds for an answer given on a page shown before it. Entering a page builds its controls
// and selects in each, in this order of preference, what was chosen when the page was last
// left, the answer given ahead, the file's default, or the kind's first value. Leaving a
// page forwards reads its result; leaving it backwards keeps what was chosen for later.

#include <functional>
#include <optional>
#include <vector>

#include "panelkit2/container/control_port.hpp"
#include "tools/panelkit-run/core/answers.hpp"
#include "tools/panelkit-run/core/assistant.hpp"
#include "tools/panelkit-run/core/page_controls.hpp"
#include "tools/panelkit-run/core/run_result.hpp"

namespace panelkit2::run {

class Session {
  public:
    Session(const Assistant& assistant, ControlPort& port, const Answers& answers);

    // Runs after the container's canvas is cleared for a page, before its controls are
    // made (a window makes controls of its own there that should lead the page's answer).
    void OnCanvas(std::function<void()> step) { mfnCanvas = std::move(step); }
    // Runs after a page's controls are added, before their values are selected (a window
    // lays the page out and shows it there).
    void OnBuilt(std::function<void()> step) { mfnBuilt = std::move(step); }

    // Shows the first page.
    void Start();
    const Page& CurrentPage() const { return mAssistant.pages[mHistory.back()]; }
    const std::vector<LiveControl>& Controls() const { return mControls; }
    // The number of the current page among the pages shown so far, from 1.
    size_t Step() const { return mHistory.size(); }

    // The first required control of the current page without its value; nullptr when none.
    const LiveControl* FirstMissing() const;
    // Leaves the current page for the next one shown; false when none follows, and the run
    // is complete.
    bool Next();
    bool CanGoBack() const { return mHistory.size() > 1; }
    void Back();
    // Whether a page may follow the current one: one without a condition, one whose
    // condition holds now, or one whose condition asks about the current page.
    bool MayHavePageAfter() const;
    // Every shown page's result, the current page read now when the run is not complete.
    RunResult Result() const;

  private:
    void Enter(size_t index);
    std::vector<Json> ValuesFor(size_t index) const;
    std::vector<Json> ReadValues() const;
    PageResult ReadPage() const;
    bool Shown(size_t index) const;
    // The answer read from the control when its page was left forwards, on a page shown
    // before the current one; nullptr otherwise.
    const Json* EarlierAnswer(const std::string& controlId) const;

    const Assistant& mAssistant;
    ControlPort& mPort;
    const Answers& mAnswers;
    std::function<void()> mfnCanvas;
    std::function<void()> mfnBuilt;
    // Indexes of the pages shown, the current one last.
    std::vector<size_t> mHistory;
    std::vector<LiveControl> mControls;
    // Per page: the values chosen when it was last left.
    std::vector<std::optional<std::vector<Json>>> mChosen;
    // The results of the pages left forwards, in the order shown.
    std::vector<PageResult> mResults;
    bool mblnComplete = false;
};

}  // namespace panelkit2::run
