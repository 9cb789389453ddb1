#pragma once

// The assistant as a window of the widget toolkit model, free of any real window system (a
// view shows it): the page heading on top, the page's caption, the page in a ControlPort
// with Back and Next (Finish on the last page) as command buttons at its bottom, and a line
// for what keeps the page from being left. Next checks the page's required values, then
// turns the page or finishes; Back turns back and keeps what was chosen.
//
// The buttons are the container's own command buttons. They carry no actions, so the
// page's answer is the same as in an unattended run: made before the page's controls, their
// empty answers lead and add nothing, and added after them they stand after any command
// button of the page. Which one was pushed is read from the buttons themselves.

#include <functional>
#include <memory>
#include <string>

#include "panelkit2/choice/command.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/display/heading.hpp"
#include "panelkit2/toolkit/label.hpp"
#include "panelkit2/toolkit/user_control.hpp"
#include "tools/panelkit-run/core/session.hpp"

namespace panelkit2::run {

class RunWindow : public EventSink, public std::enable_shared_from_this<RunWindow> {
  public:
    struct Hooks {
        // Runs a step after the event being handled is over.
        std::function<void(std::function<void()>)> later;
        // The page is laid out and shown, its values selected.
        std::function<void()> pageShown;
        // Finish was pushed on the last page.
        std::function<void(const RunResult&)> finished;
    };

    static std::shared_ptr<RunWindow> Create(const Assistant& assistant, const Answers& answers,
                                             Hooks hooks);

    host::UserControl& Window() { return mWindow; }
    ControlPort& Port() { return mPort; }
    Heading& PageHeading() { return mHeading; }
    host::Label& CaptionLabel() { return mCaption; }
    host::Label& StatusLabel() { return mStatus; }
    const Session& Run() const { return mSession; }
    // The page's navigation buttons; Back is missing (nullptr) on the first page shown.
    Command* BackButton() const;
    Command& NextButton() const;
    bool Finished() const { return mblnFinished; }

    // Shows the first page; the window must be on screen (shown by a view or announced).
    void Start();
    // What the buttons do.
    void Next();
    void Back();

    void OnEvent(Dispatchable& source, const EventDef& event, Args args) override;

  private:
    RunWindow(const Assistant& assistant, const Answers& answers, Hooks hooks);
    void MakeButtons();
    void ShowPage();
    void ReachTracksByTab();
    void FillHeading(const Page& page);
    void LayOut();
    void Shown();

    const Assistant& mAssistant;
    Hooks mHooks;
    host::UserControl mWindow;
    Heading mHeading;
    host::Label mCaption;
    ControlPort mPort;
    host::Label mStatus;
    Session mSession;
    ObjectRef mBack;
    ObjectRef mNext;
    bool mblnFinished = false;
};

}  // namespace panelkit2::run
