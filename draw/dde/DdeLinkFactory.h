#pragma once

#include <memory>

#include "draw/CadLink.h"

namespace mirota {

// The link to the running CAD program over DDE; nothing where the platform has no DDE.
std::unique_ptr<CadLink> makeDdeCadLink();

}  // namespace mirota
