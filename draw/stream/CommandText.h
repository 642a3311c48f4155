#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// How one command line is spelt for the CAD program: its answers in prompt order, each ended by
// the Enter key (CR); an empty answer is a bare Enter.
namespace mirota::command {

constexpr char kEnter = '\r';
constexpr char kEscape = '\x1b';

std::string answers(std::initializer_list<std::string_view> list);
// A point answer "x,y" from the two coordinates' texts.
std::string point(std::string_view x, std::string_view y);
// Point answers of single and double coordinates in general decimal text.
std::string singlePoint(float x, float y);
std::string doublePoint(double x, double y);

}  // namespace mirota::command
