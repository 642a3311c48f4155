#include "cli/DrawCommand.h"

#include <filesystem>
#include <iostream>

#include "draw/engine/DrawingTemplate.h"
#include "draw/engine/DxfWriter.h"
#include "draw/engine/EngineCadLink.h"
#include "draw/engine/SvgWriter.h"
#include "draw/stream/DrawingRun.h"
#include "draw/stream/ScriptCadLink.h"

namespace mirota::cli {

namespace {

const char* const kTitle = "LTミロタ展開図";

std::string extensionOf(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

int refuse(const std::string& text) {
    printMessage(Message{text, kTitle, Message::Icon::Critical});
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
    const DrawingRunResult result = RunDrawing(
        *data, {options.document.digitsFormat(), options.document.prefix}, link, ProgressCallback());
    if (!result.finished()) printMessages(result.messages);
    return result.finished();
}

}  // namespace

int runDraw(const DrawOptions& options) {
    const std::string extension = extensionOf(options.output);
    if (options.link == "dde") {
        return refuse("この環境では AutoCAD LT との DDE による接続は使えません。\r\n"
                      "--link engine（図面ファイル）か --link script（スクリプトファイル）を指定してください。");
    }
    if (extension == ".scr") {
        ScriptCadLink link(options.output);
        if (!drawInto(options, link)) return kRefused;
        if (const auto failure = link.save()) return refuse(failure->description);
        return kDone;
    }
    if (extension != ".dxf" && extension != ".svg") {
        std::cerr << "出力ファイルの拡張子は .dxf、.svg、.scr のいずれかにしてください。\n";
        return kUsage;
    }
    if (options.link == "script") {
        std::cerr << "--link script の出力は .scr ファイルです。\n";
        return kUsage;
    }
    EngineCadLink link;
    if (!drawInto(options, link)) return kRefused;
    if (extension == ".dxf") return report(drawing::writeDxfFile(options.output, link.drawing()));
    return report(drawing::writeSvgFile(options.output, link.drawing()));
}

int runTemplate(const std::string& output) {
    return report(drawing::writeDxfFile(output, drawing::makeDrawingTemplate()));
}

}  // namespace mirota::cli
