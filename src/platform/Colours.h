#pragma once

#include <cstdint>

// The named colours of the drawings, as 0x00BBGGRR.
namespace trajecta::colours {
constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t red = 0x0000FF;
constexpr std::uint32_t blue = 0xFF0000;
constexpr std::uint32_t green = 0x008000;
constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t yellow = 0x00FFFF;
constexpr std::uint32_t lime = 0x00FF00;
} // namespace trajecta::colours
