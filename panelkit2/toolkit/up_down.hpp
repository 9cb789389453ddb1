#pragma once

// Spin buttons. The up button moves towards Max, the down button towards Min, by Increment
// and never beyond the range (Min above Max is allowed and turns the direction round).
// With a buddy widget the buttons step the buddy's text themselves; the buddy is reached
// through a text getter and setter, so any widget with a text can be one.

#include <cstdint>
#include <functional>
#include <string>

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/toolkit/extender.hpp"
#include "panelkit2/toolkit/signal.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

namespace up_down_id {
inline constexpr DispId Value = 0;
inline constexpr DispId Min = 1;
inline constexpr DispId Max = 2;
inline constexpr DispId Increment = 3;
inline constexpr DispId BuddyProperty = 4;
}  // namespace up_down_id

class UpDown : public Widget, public Dispatchable {
  public:
    using TextGetter = std::function<std::string()>;
    using TextSetter = std::function<void(const std::string&)>;

    enum class Events : int32_t { Change = 1, DownClick, UpClick };

    explicit UpDown(Widget* parent = nullptr, std::string name = "UpDown");
    ~UpDown() override;

    // Min and Max hold Long and Single ranges alike; non-finite values are error 380.
    double Min() const noexcept { return mdblMin; }
    void Min(double value);
    double Max() const noexcept { return mdblMax; }
    void Max(double value);
    double Value() const noexcept { return mdblValue; }
    // Clamped into the range; raises Change when the value moves.
    void Value(double value);
    double Increment() const noexcept { return mdblIncrement; }
    // Error 380 unless positive and finite.
    void Increment(double value);

    Widget* BuddyControl() const noexcept { return mBuddy; }
    // nullptr (or empty accessors) removes the buddy. A buddy that is destroyed is
    // forgotten by itself.
    void SetBuddy(Widget* buddy, TextGetter getText, TextSetter setText);
    // The buddy's property the buttons step: its text, named "Text" or left empty; any
    // other name is error 380.
    const std::string& BuddyProperty() const noexcept { return mstrBuddyProperty; }
    void BuddyProperty(std::string value);

    const InterfaceTable& Interface() const override;
    Dispatchable* Extender() override { return &mExtender; }

    // A press on a button; ignored while disabled or not shown. With a buddy its text (read
    // leniently as a number) is stepped and written back; Value follows the step; then
    // Change when Value moved, then UpClick or DownClick.
    void UserUp();
    void UserDown();

    // Typed events; each is raised together with the automation event of the same name.
    Signal<> Change;
    Signal<> DownClick;
    Signal<> UpClick;

  private:
    bool AcceptsInput() const noexcept { return Enabled() && IsShown(); }
    bool HasBuddy() const noexcept { return mBuddy && mfnGetText && mfnSetText; }
    double Clamp(double value) const noexcept;
    double StepStart() const;
    void Spin(double towards, const Signal<>& click, Events clickEvent);
    void RaiseChange();
    void ForgetBuddy();

    double mdblMin = 0;
    double mdblMax = 10;
    double mdblValue = 0;
    double mdblIncrement = 1;
    Widget* mBuddy = nullptr;
    TextGetter mfnGetText;
    TextSetter mfnSetText;
    std::string mstrBuddyProperty;
    uint32_t mlngBuddyWatch = 0;
    host::Extender mExtender;
};

}  // namespace panelkit2::host
