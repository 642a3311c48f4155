#include "draw/sima/SimaExport.h"

#include <filesystem>

#include "draw/sima/SimaWriter.h"
#include "io/AtomicFile.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

// The document's file name without its extension; the program's title for a document never saved.
std::string documentName(const SurveyData& data) {
    if (data.currentFilePath.empty()) return kProgramTitle;
    const std::u8string stem = fileSystemPath(data.currentFilePath).stem().u8string();
    return std::string(stem.begin(), stem.end());
}

}  // namespace

DrawingRunResult ExportSima(SurveyData& data, const DrawingRunSettings& settings, const std::string& path) {
    using Outcome = DrawingRunResult::Outcome;
    DrawingRunResult result;
    const auto geometry = LayOutDevelopment(data, settings.stationPrefix, result);
    if (!geometry) return result;

    auto bytes = simaBytes(data, *geometry, {documentName(data), settings.stationPrefix});
    std::optional<Message> failure;
    if (auto* message = std::get_if<Message>(&bytes)) {
        failure = std::move(*message);
    } else {
        // Like a drawing, the file can be made again at any time: not flushed before it replaces the old one.
        failure = replaceFile(path, std::get<std::string>(bytes), Durability::Replaced);
    }
    if (failure) {
        result.outcome = Outcome::NotFinished;
        result.messages.push_back(std::move(*failure));
        return result;
    }
    result.outcome = Outcome::Finished;
    result.messages.push_back({"SIMA ファイルを書き出しました。\r\n\r\n" + path, kProgramTitle, Message::Icon::Information});
    return result;
}

}  // namespace mirota
