#pragma once

#include <exception>
#include <string>

#include "model/Message.h"

namespace mirota {

// An unexpected failure inside a routine, reported as "[No.n]" CR LF description with the routine's
// name and "エラー" as the title.
Message runtimeFailure(const std::exception& failure, const std::string& routine);

}  // namespace mirota
