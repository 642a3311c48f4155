#include "cli/RequestsCommand.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "draw/stream/DrawingRun.h"
#include "draw/stream/RecordingCadLink.h"

namespace mirota::cli {

int runRequests(const DocumentOptions& options) {
    auto data = loadDocument(options);
    if (!data) return kRefused;
    RecordingCadLink link;
    const DrawingRunResult result =
        RunDrawing(*data, {options.digitsFormat(), options.prefix}, link, ProgressCallback());
    if (!result.finished()) {
        printMessages(result.messages);
        return kRefused;
    }
    for (const std::string& request : link.requests()) std::cout << nlohmann::json(request).dump() << '\n';
    return kDone;
}

}  // namespace mirota::cli
