#include "cli/DrawCommand.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>

#include "draw/engine/DrawingTemplate.h"
#include "draw/engine/DxfWriter.h"
#include "draw/engine/EngineCadLink.h"
#include "draw/engine/SvgWriter.h"
#include "draw/sima/SimaExport.h"
#include "draw/stream/DrawingRun.h"
#include "draw/stream/ScriptCadLink.h"
#include "draw/dde/DdeLinkFactory.h"
#include "model/ProgramTitle.h"

namespace mirota::cli {

namespace {

DrawingRunSettings runSettings(const DrawOptions& options) {
    DrawingRunSettings settings{options.document.digitsFormat(), options.document.prefix, options.rules.areaTable()};
    settings.heightLines = options.heightLines;
    settings.exceptionFigures = options.exceptionFigures;
    settings.deductionHatching = options.deductionHatching;
    settings.sideDigitsFormat = options.document.sideDigitsFormat();
    return settings;
}

// What a finished run left out or found off, to standard error: the first lines and a count of the rest.
void printNotices(const std::vector<std::string>& lines) {
    constexpr std::size_t kShown = 10;
    for (std::size_t i = 0; i < std::min(kShown, lines.size()); ++i) std::cerr << lines[i] << '\n';
    if (lines.size() > kShown) std::cerr << "ほか " << lines.size() - kShown << " 件\n";
}

std::string extensionOf(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

int refuse(const std::string& text) {
    printMessage(Message{text, kProgramTitle, Message::Icon::Critical});
    return kRefused;
}

int report(const std::optional<Message>& failure) {
    if (!failure) return kDone;
    printMessage(*failure);
    return kRefused;
}

// Runs the drawing into the link; false after printing why it did not finish.
bool drawInto(const DrawOptions& options, CadLink& link) {
    auto data = loadDocument(options.document);
    if (!data) return false;
    const DrawingRunResult result = drawToLink(*data, runSettings(options), link, ProgressCallback());
    if (!result.finished()) printMessages(result.messages);
    printNotices(result.notices);
    return result.finished();
}

// The drawing straight into the running CAD program; there is no output file.
int drawOverDde(const DrawOptions& options, CadLink& link) {
    if (!options.output.empty()) {
        std::cerr << "--link dde は AutoCAD LT に直接作図するため、出力ファイル（-o）は指定できません。\n";
        return kUsage;
    }
    return drawInto(options, link) ? kDone : kRefused;
}

// The laid-out development as a SIMA file; no CAD link takes part.
int exportSima(const DrawOptions& options) {
    if (!options.link.empty() && options.link != "engine") {
        std::cerr << "SIMA ファイル（.sim）は --link を付けずに書き出してください。\n";
        return kUsage;
    }
    auto data = loadDocument(options.document);
    if (!data) return kRefused;
    const DrawingRunResult result = exportSimaFile(*data, runSettings(options), options.output);
    if (!result.finished()) printMessages(result.messages);
    printNotices(result.notices);
    return result.finished() ? kDone : kRefused;
}

}  // namespace

int runDraw(const DrawOptions& options) {
    // Without a link or an output file, the drawing goes to the CAD program where DDE is there.
    if (options.link == "dde" || (options.link.empty() && options.output.empty())) {
        if (const std::unique_ptr<CadLink> link = makeDdeCadLink()) return drawOverDde(options, *link);
        if (options.link == "dde") {
            return refuse("この環境では AutoCAD LT との DDE による接続は使えません。\r\n"
                          "--link engine（図面ファイル）か --link script（スクリプトファイル）を指定してください。");
        }
    }
    if (options.output.empty()) {
        std::cerr << "出力ファイル（-o OUT.dxf、OUT.svg、OUT.scr、OUT.sim のいずれか）を指定してください。\n";
        return kUsage;
    }
    const std::string extension = extensionOf(options.output);
    if (options.tableAsText && extension != ".dxf") {
        std::cerr << "--table-as-text は DXF ファイル（-o OUT.dxf）の出力にだけ指定できます。\n";
        return kUsage;
    }
    if (extension == ".sim") return exportSima(options);
    if (extension == ".scr") {
        ScriptCadLink link(options.output);
        if (!drawInto(options, link)) return kRefused;
        if (const auto failure = link.save()) return refuse(failure->description);
        return kDone;
    }
    if (extension != ".dxf" && extension != ".svg") {
        std::cerr << "出力ファイルの拡張子は .dxf、.svg、.scr、.sim のいずれかにしてください。\n";
        return kUsage;
    }
    if (options.link == "script") {
        std::cerr << "--link script の出力は .scr ファイルです。\n";
        return kUsage;
    }
    EngineCadLink link;
    if (!drawInto(options, link)) return kRefused;
    if (extension == ".dxf") {
        return report(drawing::writeDxfFile(options.output, link.drawing(), {.insertsAsText = options.tableAsText}));
    }
    return report(drawing::writeSvgFile(options.output, link.drawing()));
}

int runTemplate(const std::string& output) {
    return report(drawing::writeDxfFile(output, drawing::makeTemplateFile()));
}

}  // namespace mirota::cli
