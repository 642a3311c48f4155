#include "cli/RequestsCommand.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "draw/stream/DrawingRun.h"
#include "draw/stream/RecordingCadLink.h"

namespace mirota::cli {

int runRequests(const RequestsOptions& options) {
    auto data = loadDocument(options.document);
    if (!data) return kRefused;
    RecordingCadLink link;
    DrawingRunSettings settings{options.document.digitsFormat(), options.document.prefix, options.rules.areaTable()};
    settings.sideDigitsFormat = options.document.sideDigitsFormat();
    const DrawingRunResult result = drawToLink(*data, settings, link, ProgressCallback());
    if (!result.finished()) {
        printMessages(result.messages);
        return kRefused;
    }
    for (const std::string& request : link.requests()) std::cout << nlohmann::json(request).dump() << '\n';
    return kDone;
}

}  // namespace mirota::cli
