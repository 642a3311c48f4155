#include "draw/dde/DdeLinkFactory.h"

#include "draw/dde/DdeCadLink.h"

namespace mirota {

std::unique_ptr<CadLink> makeDdeCadLink() { return std::make_unique<DdeCadLink>(); }

}  // namespace mirota
