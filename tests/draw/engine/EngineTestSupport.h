#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "draw/engine/DrawingEngine.h"

namespace mirota::drawing::test {

// The answers of one command, each ended by a carriage return.
inline std::string request(std::initializer_list<std::string_view> answers) {
    std::string text;
    for (std::string_view answer : answers) {
        text += answer;
        text += '\r';
    }
    return text;
}

template <typename Shape>
std::vector<Shape> shapesOf(const Drawing& drawing) {
    std::vector<Shape> shapes;
    for (const Entity& entity : drawing.entities) {
        if (const auto* shape = std::get_if<Shape>(&entity.shape)) shapes.push_back(*shape);
    }
    return shapes;
}

inline void expectNear(Point actual, Point expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

// Runs requests that must all succeed.
inline void run(DrawingEngine& engine, std::initializer_list<std::string> requests) {
    for (const std::string& text : requests) {
        const auto failure = engine.execute(text);
        ASSERT_FALSE(failure) << failure->description;
    }
}

// A small development drawing as the command stream draws it: a closed triangle on "図面", two
// labels and a circle on the red "寸法値", and an area table of header, one deduction row and footer
// on the blue, locked "面積表".
inline Drawing sampleDrawing() {
    DrawingEngine engine;
    run(engine, {"-layer\rn\r図面\r\r", "-layer\rs\r図面\r\r", "line\r0,0\r3,0\r0,4\rc\r", "-layer\rn\r寸法値\r\r",
                 "-layer\rs\r寸法値\r\r", "-layer\rc\rred\r寸法値\r\r", "_dtext\rj\rBC\r1.5,0\r0.4\r30\r3.00\r\r",
                 "_dtext\rm\r1,1\r0.4\r0\r面積\r\r", "_circle\r1,1\r0.4\r\x1b", "-layer\rn\r面積表\r\r",
                 "-layer\rs\r面積表\r\r", "-layer\rc\rBLUE\r面積表\r\r",
                 "-insert\rhyou\r10,0\r0.4\r0.4\r\r番号\rA辺(ｍ)\rB辺(ｍ)\rC辺(ｍ)\rS\rA(ｍ2)\r適用\r",
                 "-insert\rhyou1\r10,-1.2\r0.4\r0.4\r\r1\r3.00\r4.00\r5.00\r6.00\r-6.00\r控除\r(3.10)\r(4.00)\r"
                 "(5.00)\r(6.05)\r(-6.20)\r控除\r",
                 "-insert\rhyou2\r10,-3.6\r0.4\r0.4\r\r0.00\r-6.00\r(0.00)\r-6.20\r", "-layer\rlo\r面積表\r\r"});
    return engine.drawing();
}

}  // namespace mirota::drawing::test
