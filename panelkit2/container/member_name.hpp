#pragma once

// The name of a member the container calls on its children. It can only be made from a
// string literal, checked at compile time, so its text lives as long as the program and
// two names are the same exactly when their texts are at the same address.

#include <cstddef>
#include <string_view>

namespace panelkit2 {

class MemberName {
  public:
    template <size_t N>
    consteval MemberName(const char (&text)[N]) : mText(text, N - 1) {}

    std::string_view Text() const noexcept { return mText; }
    const char* Identity() const noexcept { return mText.data(); }

  private:
    std::string_view mText;
};

}  // namespace panelkit2
