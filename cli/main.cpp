// mirota-cli: the main jobs of LTミロタ展開図 without a window.
#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "cli/CalcCommand.h"
#include "cli/CliSupport.h"
#include "cli/DrawCommand.h"
#include "cli/PlatformText.h"
#include "cli/ProcessMemory.h"
#include "cli/ReportCommand.h"
#include "cli/RequestsCommand.h"
#include "model/ProgramTitle.h"

namespace {

using mirota::cli::DocumentOptions;

void addDocumentOptions(CLI::App& command, DocumentOptions& options, bool withInputSet) {
    command.add_option("FILE", options.file, "data file")->required();
    command.add_option("--digits", options.digits, "decimals of formatted values (0 to 5)")->check(CLI::Range(0, 5));
    command.add_option("--prefix", options.prefix, "station-name prefix used in messages");
    if (withInputSet) {
        command.add_option("--input-set", options.inputSet, "values to draw")
            ->check(CLI::IsMember({"design", "measured"}));
        command.add_option("--side-digits", options.sideDigits, "decimals of typed sides and elements (0 to 5; default --digits)")
            ->check(CLI::Range(0, 5));
    }
}

void addRoundingOptions(CLI::App& command, std::string& rounding, std::string& sum) {
    command.add_option("--rounding", rounding, "computed values shown: half-up (default), down or up")
        ->check(CLI::IsMember({"half-up", "down", "up"}));
    command.add_option("--sum", sum, "totals of the stored values (default) or of the values as shown")
        ->check(CLI::IsMember({"stored", "shown"}));
}

void addRegisteredOption(CLI::App& command, std::string& registered, const std::string& what) {
    command.add_option("--registered", registered,
                       what + ": none, residential (宅地・鉱泉地), other (その他の地目) or floor (床面積)")
        ->check(CLI::IsMember({"none", "residential", "other", "floor"}));
}

// The same rules as calc and report, and the area table's closing lines.
void addDrawingRuleOptions(CLI::App& command, mirota::cli::DrawingRuleOptions& rules) {
    addRoundingOptions(command, rules.rounding, rules.sum);
    addRegisteredOption(command, rules.registered, "the registered area closing the area table (with --table-totals)");
    command.add_flag("--table-totals", rules.tableTotals,
                     "close the area table with the net lines, the net of the whole document and the registered area");
}

}  // namespace

int main(int argc, char** argv) {
    mirota::cli::keepFreedMemoryForReuse();
    const mirota::cli::Utf8Output output;
    std::vector<std::string> arguments = mirota::cli::utf8Arguments(argc, argv);
    std::vector<char*> argumentPointers;
    for (std::string& argument : arguments) argumentPointers.push_back(argument.data());

    CLI::App app{std::string(mirota::kProgramTitle) + ": calculation and drawing without a window"};
    app.require_subcommand(1);
    // Options are spelt the same everywhere; a path such as "/data/x.txt" is never an option.
    app.allow_windows_style_options(false);

    mirota::cli::CalcOptions calcOptions;
    CLI::App* calc = app.add_subcommand("calc", "calculate every area and print the results as JSON, a table or CSV");
    addDocumentOptions(*calc, calcOptions.document, false);
    calc->add_option("--format", calcOptions.document.format,
                     "json (default), table (aligned, per tier) or csv (UTF-8, with a header)")
        ->check(CLI::IsMember({"json", "table", "csv"}));
    calc->add_flag("--keep-going", calcOptions.keepGoing,
                   "calculate past faulty figures: print every valid one, name every fault (exit status 1)");
    addRoundingOptions(*calc, calcOptions.rounding, calcOptions.sum);
    calc->add_flag("--summary", calcOptions.summary, "also print the summary of the whole document");
    addRegisteredOption(*calc, calcOptions.registered, "the summary with the registered area");
    mirota::cli::RequestsOptions requestsOptions;
    CLI::App* requests = app.add_subcommand("requests", "print the drawing's command texts, one JSON string a line");
    addDocumentOptions(*requests, requestsOptions.document, true);
    addDrawingRuleOptions(*requests, requestsOptions.rules);

    mirota::cli::DrawOptions drawOptions;
    CLI::App* draw = app.add_subcommand(
        "draw",
        "make the development drawing into a DXF, SVG, script or SIMA file, or (Windows) in the running CAD program");
    addDocumentOptions(*draw, drawOptions.document, true);
    addDrawingRuleOptions(*draw, drawOptions.rules);
    draw->add_option("-o,--output", drawOptions.output,
                     "OUT.dxf, OUT.svg or OUT.scr; OUT.sim for SIMA points and lots; none with --link dde");
    draw->add_flag("--height-lines", drawOptions.heightLines, "draw every triangle's base and height (三斜)");
    draw->add_flag("--exception-figures", drawOptions.exceptionFigures,
                   "draw the exception list's rectangles and circles at their positions");
    draw->add_flag("--hatch-deductions", drawOptions.deductionHatching, "hatch the deduction figures");
    draw->add_flag("--table-as-text", drawOptions.tableAsText,
                   "DXF: the area table's values as plain TEXT at their places, for CAD programs without attributes");
    draw->add_option("--link", drawOptions.link,
                     "back end: engine, script, or dde (Windows; taken when no output file is given)")
        ->check(CLI::IsMember({"engine", "script", "dde"}));

    mirota::cli::ReportOptions reportOptions;
    CLI::App* report = app.add_subcommand("report", "write the area calculation sheet (求積表) as a PDF file");
    addDocumentOptions(*report, reportOptions.document, true);
    report->add_option("-o,--output", reportOptions.output, "sheet.pdf")->required();
    report->add_option("--form", reportOptions.form, "heron (three sides, default) or sansha (base and height)")
        ->check(CLI::IsMember({"heron", "sansha"}));
    report->add_option("--paper", reportOptions.paper, "a4 (default) or a3, portrait")
        ->check(CLI::IsMember({"a4", "a3"}));
    addRoundingOptions(*report, reportOptions.rounding, reportOptions.sum);
    addRegisteredOption(*report, reportOptions.registered, "the registered area on the sheet");
    report->add_option("--location", reportOptions.location, "所在 in the title block (default: as the document keeps it)");
    report->add_option("--lot", reportOptions.lot, "地番 in the title block (default: as the document keeps it)");
    report->add_option("--land-use", reportOptions.landUse,
                       "地目, or the building for a floor area, in the title block (default: as the document keeps it)");
    report->add_option("--author", reportOptions.author, "作成者 in the title block (default: as the document keeps it)");
    report->add_option("--scale", reportOptions.scale, "the development's scale 1:N (default: chosen to fit)")
        ->check(CLI::PositiveNumber);

    std::string templateOutput;
    CLI::App* drawingTemplate = app.add_subcommand("template", "write the drawing template with the area-table blocks");
    drawingTemplate->add_option("-o,--output", templateOutput, "vorn.dxf")->required();

    try {
        app.parse(static_cast<int>(argumentPointers.size()), argumentPointers.data());
    } catch (const CLI::ParseError& error) {
        // Help is a parse "error" that exits 0; every real one is wrong usage.
        return app.exit(error) == 0 ? mirota::cli::kDone : mirota::cli::kUsage;
    }
    if (calc->parsed()) return mirota::cli::runCalc(calcOptions);
    if (requests->parsed()) return mirota::cli::runRequests(requestsOptions);
    if (draw->parsed()) return mirota::cli::runDraw(drawOptions);
    if (report->parsed()) return mirota::cli::runReport(reportOptions);
    return mirota::cli::runTemplate(templateOutput);
}
