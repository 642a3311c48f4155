#include "cli/ReportCommand.h"

#include <chrono>
#include <ctime>
#include <string>
#include <utility>

#include "draw/sheet/SheetLayout.h"
#include "draw/sheet/SheetPdf.h"
#include "io/AtomicFile.h"

namespace mirota::cli {

namespace {

// The local date; the command line runs on one thread, so the shared result of localtime is safe here.
std::string today() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    const std::tm* local = std::localtime(&now);
    return local ? sheet::sheetDate(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday) : std::string();
}

}  // namespace

int runReport(const ReportOptions& options) {
    auto data = loadDocument(options.document);
    if (!data) return kRefused;
    const auto failure = calculateAreas(*data, options.document.prefix);
    if (failure && !failure->inError) {
        printMessage(*failure);
        return kRefused;
    }
    sheet::Options sheetOptions;
    sheetOptions.inputSet = data->view.currentInputSet;
    sheetOptions.form = sheet::formNamed(options.form).value_or(sheet::Form::Heron);
    sheetOptions.paper = sheet::paperNamed(options.paper).value_or(sheet::Paper::A4);
    sheetOptions.rules = areaRulesNamed(options.document.digits, options.rounding, options.sum, options.registered);
    sheetOptions.sideDecimals = options.document.sideDigits;
    sheetOptions.stationPrefix = options.document.prefix;
    const std::u8string name = fileSystemPath(options.document.file).stem().u8string();
    sheetOptions.documentName.assign(name.begin(), name.end());
    sheetOptions.date = today();
    sheetOptions.titleBlock = data->titleBlock;
    TitleBlock& title = sheetOptions.titleBlock;
    for (const auto& [given, field] : {std::pair{&options.location, &title.location}, std::pair{&options.lot, &title.lot},
                                       std::pair{&options.landUse, &title.landUse}, std::pair{&options.author, &title.author}}) {
        if (*given) *field = **given;
    }
    sheetOptions.scale = options.scale;
    if (const auto written = sheet::writeSheetPdf(sheet::layOutSheet(*data, sheetOptions), options.output)) {
        printMessage(*written);
        return kRefused;
    }
    if (failure) {
        printFaults(*failure);
        return kRefused;
    }
    return kDone;
}

}  // namespace mirota::cli
