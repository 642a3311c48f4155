#include "draw/dde/DdeLinkFactory.h"

namespace mirota {

std::unique_ptr<CadLink> makeDdeCadLink() { return nullptr; }

}  // namespace mirota
