#include "draw/stream/CommandText.h"

#include "model/NumberText.h"

namespace mirota::command {

std::string answers(std::initializer_list<std::string_view> list) {
    std::string text;
    for (std::string_view answer : list) {
        text += answer;
        text += kEnter;
    }
    return text;
}

std::string point(std::string_view x, std::string_view y) {
    std::string text(x);
    text += ',';
    text += y;
    return text;
}

std::string singlePoint(float x, float y) { return point(number::singleText(x), number::singleText(y)); }
std::string doublePoint(double x, double y) { return point(number::doubleText(x), number::doubleText(y)); }

}  // namespace mirota::command
