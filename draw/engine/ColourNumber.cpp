#include "draw/engine/ColourNumber.h"

#include <array>
#include <charconv>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "draw/engine/Drawing.h"

namespace mirota::drawing {

namespace {

constexpr std::array<std::string_view, 7> kNames{"red", "yellow", "green", "cyan", "blue", "magenta", "white"};

struct Rgb {
    double r, g, b;  // 0..1
};

// Colours 10..249: 24 hues 15 degrees apart, each in five shades, a full and a pale one per shade.
Rgb shadedHue(int number) {
    const double hue = (number / 10 - 1) * 15.0;
    const int shade = (number % 10) / 2;
    const bool pale = number % 2 == 1;
    constexpr std::array<double, 5> kValue{1.0, 0.65, 0.5, 0.3, 0.15};
    const double saturation = pale ? 0.5 : 1.0;
    auto channel = [&](double offset) {
        const double k = std::fmod(offset + hue / 60.0, 6.0);
        return (1.0 - saturation * std::max(0.0, std::min({k, 4.0 - k, 1.0}))) * kValue[static_cast<std::size_t>(shade)];
    };
    return {channel(5.0), channel(3.0), channel(1.0)};
}

Rgb colourRgb(int number) {
    switch (number) {
    case 1: return {1, 0, 0};
    case 2: return {1, 1, 0};
    case 3: return {0, 1, 0};
    case 4: return {0, 1, 1};
    case 5: return {0, 0, 1};
    case 6: return {1, 0, 1};
    case 8: return {0.5, 0.5, 0.5};
    case 9: return {0.75, 0.75, 0.75};
    default: break;
    }
    if (number >= 10 && number <= 249) return shadedHue(number);
    if (number >= 250 && number <= 255) {
        const double grey = 0.2 + (number - 250) * 0.16;
        return {grey, grey, grey};
    }
    return {0, 0, 0};  // 7 and anything unknown: black on white
}

}  // namespace

std::optional<int> colourNumber(std::string_view answer) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (sameName(answer, kNames[i])) return static_cast<int>(i) + 1;
    }
    int number = 0;
    const auto result = std::from_chars(answer.data(), answer.data() + answer.size(), number);
    if (result.ec != std::errc() || result.ptr != answer.data() + answer.size()) return std::nullopt;
    if (number < 1 || number > 255) return std::nullopt;
    return number;
}

std::string colourOnWhite(int number) {
    const Rgb rgb = colourRgb(number);
    auto byte = [](double v) { return static_cast<int>(std::lround(std::fmin(1.0, std::fmax(0.0, v)) * 255.0)); };
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", byte(rgb.r), byte(rgb.g), byte(rgb.b));
    return text;
}

}  // namespace mirota::drawing
