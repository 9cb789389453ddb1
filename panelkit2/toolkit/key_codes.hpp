#pragma once

// Key codes and shift-state bits of keyboard input, as the key events carry them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace panelkit2::host::key {

inline constexpr int16_t Back = 8;
inline constexpr int16_t Return = 13;
inline constexpr int16_t Space = 32;
inline constexpr int16_t PageUp = 33;
inline constexpr int16_t PageDown = 34;
inline constexpr int16_t End = 35;
inline constexpr int16_t Home = 36;
inline constexpr int16_t Left = 37;
inline constexpr int16_t Up = 38;
inline constexpr int16_t Right = 39;
inline constexpr int16_t Down = 40;
inline constexpr int16_t Delete = 46;
// The minus key of the numeric keypad.
inline constexpr int16_t Subtract = 109;
inline constexpr int16_t ShiftMask = 1;
inline constexpr int16_t CtrlMask = 2;

// Where a navigation key moves the selection of a list of `count` entries from `current`
// (-1: nothing selected): Up, Down, Home, End, and PageUp/PageDown by `page` entries when a
// page is given. Not clamped: each list decides what lies beyond its ends. nullopt for any
// other key.
std::optional<int32_t> NavigationTarget(int16_t keyCode, int32_t current, int32_t count,
                                        int32_t page = 0);

// The KeyPress code of one character (its UTF-8 bytes): the code point, 0x7FFF for code
// points beyond it; a byte that starts no well-formed sequence stands for itself.
int16_t KeyAsciiOf(std::string_view character);
// The UTF-8 text of a KeyPress code (1 to 0x7FFF); "" for 0 and negative codes.
std::string CharacterOfKey(int16_t keyAscii);

}  // namespace panelkit2::host::key
