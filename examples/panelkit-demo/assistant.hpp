#pragma once

// A configuration assistant in a window: a heading with the step's title and a few lines,
// and a ControlPort holding the page's fields (every kind of option control the library
// has) with Back and Next buttons. Next prints the page's actions and turns the page; Next
// on the last page finishes.

#include <cstddef>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "examples/panelkit-demo/pages.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/display/heading.hpp"
#include "panelkit2/toolkit/user_control.hpp"

namespace panelkit2::demo {

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
    // Shows the field of gallery entry `index` alone, under a heading naming its kind.
    void ShowGalleryEntry(size_t index);
    ControlPort& Port() { return mPort; }
    Heading& PageHeading() { return mHeading; }

    void OnEvent(Dispatchable& source, const EventDef& event, Args args) override;

  private:
    Assistant(std::ostream& out, std::function<void(std::function<void()>)> later,
              std::function<void()> finished);
    void LayOut();
    void ShowHeading(const std::string& title, const std::vector<const char*>& lines);
    void ShowItems(const std::vector<Item>& items, bool withButtons);
    ObjectRef NewControl(ControlID kind);
    void Add(const CheckItem& item);
    void Add(const OptionsItem& item);
    void Add(const ListsItem& item);
    void Add(const ListItem& item);
    void Add(const RowsItem& item);
    void Add(const TextItem& item);
    void Add(const SlideItem& item);
    void Add(const ShareItem& item);
    void Add(const NumberItem<int32_t>& item);
    void Add(const NumberItem<float>& item);
    void Add(const CommandItem& item) { AddButton(item.caption, item.action); }
    void AddButton(const std::string& caption, const std::string& action);
    void Next();
    void Back();

    std::ostream& mOut;
    std::function<void(std::function<void()>)> mfnLater;
    std::function<void()> mfnFinished;
    host::UserControl mWindow;
    Heading mHeading;
    ControlPort mPort;
    size_t mPage = 0;
    // Choices made once the page is shown, so that a help they offer appears.
    std::vector<std::function<void()>> mAfterShow;
};

}  // namespace panelkit2::demo
