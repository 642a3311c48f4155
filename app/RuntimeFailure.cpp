#include "app/RuntimeFailure.h"

#include <new>
#include <stdexcept>

namespace mirota {

namespace {

// The classic run-time error numbers of the kinds of failure that can occur here.
int errorNumber(const std::exception& failure) {
    if (dynamic_cast<const std::bad_alloc*>(&failure)) return 7;      // out of memory
    if (dynamic_cast<const std::out_of_range*>(&failure)) return 9;   // subscript out of range
    if (dynamic_cast<const std::overflow_error*>(&failure)) return 6; // overflow
    return 5;                                                         // invalid procedure call or argument
}

}  // namespace

Message runtimeFailure(const std::exception& failure, const std::string& routine) {
    return Message{"[No." + std::to_string(errorNumber(failure)) + "]\r\n" + failure.what(), routine + "エラー",
                   Message::Icon::Warning};
}

}  // namespace mirota
