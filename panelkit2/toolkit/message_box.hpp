#pragma once

// Modal message boxes with text, title and an OK button. Headless, each box is recorded and
// answered OK at once.

#include <string>
#include <vector>

namespace panelkit2::host {

class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const std::string& text, const std::string& title) = 0;
};

class RecordedMessageBoxes : public MessageBoxService {
  public:
    struct Box {
        std::string text;
        std::string title;
    };
    void Show(const std::string& text, const std::string& title) override {
        mcolBoxes.push_back({text, title});
    }
    const std::vector<Box>& Boxes() const { return mcolBoxes; }
    void Forget() { mcolBoxes.clear(); }

  private:
    std::vector<Box> mcolBoxes;
};

// Shows a message box through the current host.
void MsgBox(const std::string& text, const std::string& title = "PanelKit2");

}  // namespace panelkit2::host
