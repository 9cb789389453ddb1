#pragma once

// A small configuration assistant: a window with an empty heading area, the page's caption
// and a ControlPort holding a page of options (checks, a choice of one, drop-down lists,
// a track of named steps, a number)
// with Back and Next buttons. Next prints the page's actions and turns the page; Next on
// the last page finishes.

#include <cstddef>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "panelkit2/container/control_port.hpp"
#include "panelkit2/range/slide.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/label.hpp"
#include "panelkit2/toolkit/user_control.hpp"

namespace panelkit2::demo {

struct OptionsItem;
struct ListsItem;
struct SlideItem;
struct NumberItem;

class Assistant : public EventSink, public std::enable_shared_from_this<Assistant> {
  public:
    // `later` runs a step after the event being handled is over; `finished` ends the run.
    static std::shared_ptr<Assistant> Create(std::ostream& out,
                                             std::function<void(std::function<void()>)> later,
                                             std::function<void()> finished);

    host::UserControl& Window() { return mWindow; }
    // The actions of what is chosen on the current page.
    std::string SelectedActions() { return mPort.GetSelectedActions(); }
    // Shows the first page; the window must be on screen.
    void Start();
    static size_t PageCount();
    size_t PageIndex() const { return mPage; }
    // Shows page `index` (below PageCount) as Next and Back would, without printing.
    void ShowPage(size_t index);
    ControlPort& Port() { return mPort; }

    void OnEvent(Dispatchable& source, const EventDef& event, Args args) override;

  private:
    Assistant(std::ostream& out, std::function<void(std::function<void()>)> later,
              std::function<void()> finished);
    void LayOut();
    void AddCheck(const std::string& caption, const std::string& onAction,
                  const std::string& offAction);
    void AddOptions(const OptionsItem& item);
    void AddLists(const ListsItem& item);
    void AddSlide(const SlideItem& item);
    void AddNumber(const NumberItem& item);
    void AddButton(const std::string& caption, const std::string& action);
    void Next();
    void Back();

    std::ostream& mOut;
    std::function<void(std::function<void()>)> mfnLater;
    std::function<void()> mfnFinished;
    host::UserControl mWindow;
    host::Frame mHeading;
    host::Label mCaption;
    ControlPort mPort;
    size_t mPage = 0;
    // Selections made once the page is shown.
    std::vector<std::pair<std::shared_ptr<Slide>, std::string>> mSelections;
};

}  // namespace panelkit2::demo
