#include "app/CadLinkFactory.h"

#include "draw/dde/DdeLinkFactory.h"
#include "draw/stream/ScriptCadLink.h"

namespace mirota {

LinkKind linkKindFor(const std::string& drawingOutput) {
    if (drawingOutput == "dde") return LinkKind::Dde;
    if (drawingOutput == "script") return LinkKind::Script;
    return LinkKind::Engine;
}

std::unique_ptr<CadLink> makeOutsideLink(LinkKind kind, const std::string& scriptPath) {
    switch (kind) {
    case LinkKind::Script: return std::make_unique<ScriptCadLink>(scriptPath);
    case LinkKind::Dde: return makeDdeCadLink();
    case LinkKind::Engine: return nullptr;
    }
    return nullptr;
}

}  // namespace mirota
