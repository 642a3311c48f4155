#include "draw/sima/SimaExport.h"

#include <algorithm>
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

// Names the first few lots; the rest are counted.
std::string lotsOffAreaText(const std::vector<std::string>& lots) {
    constexpr std::size_t kNamed = 5;
    std::string names;
    for (std::size_t i = 0; i < std::min(kNamed, lots.size()); ++i) names += (i ? "、" : "") + lots[i];
    if (lots.size() > kNamed) names += " ほか " + std::to_string(lots.size() - kNamed) + " 区画";
    return "次の区画は、座標から求めた面積が計算面積と合いません"
           "（接合する辺の長さが前の図形の辺と同じか確かめてください）：\r\n" + names;
}

}  // namespace

DrawingRunResult exportSimaFile(SurveyData& data, const DrawingRunSettings& settings, const std::string& path) {
    using Outcome = DrawingRunResult::Outcome;
    DrawingRunResult result;
    const auto geometry = layOutDevelopment(data, settings, result);
    if (!geometry) return result;

    auto file = simaFile(data, *geometry, {documentName(data), settings.stationPrefix});
    std::optional<Message> failure;
    if (auto* message = std::get_if<Message>(&file)) {
        failure = std::move(*message);
    } else {
        // Like a drawing, the file can be made again at any time: not flushed before it replaces the old one.
        failure = replaceFile(path, std::get<SimaFile>(file).bytes, Durability::Replaced);
    }
    if (failure) {
        result.outcome = Outcome::NotFinished;
        result.messages.push_back(std::move(*failure));
        return result;
    }
    result.outcome = Outcome::Finished;
    const std::vector<std::string>& offArea = std::get<SimaFile>(file).lotsOffArea;
    std::string text = "SIMA ファイルを書き出しました。\r\n\r\n" + path;
    if (!offArea.empty()) text += "\r\n\r\n" + lotsOffAreaText(offArea);
    result.messages.push_back(
        {text, kProgramTitle, offArea.empty() ? Message::Icon::Information : Message::Icon::Warning});
    for (const std::string& lot : offArea) {
        result.notices.push_back("区画 " + lot + " は座標から求めた面積が計算面積と合いません"
                                 "（接合する辺の長さを確かめてください）");
    }
    return result;
}

}  // namespace mirota
