#include "draw/engine/EngineCadLink.h"

namespace mirota {

std::optional<LinkError> EngineCadLink::open(const std::string&, const std::string&) {
    open_ = true;
    return std::nullopt;
}

std::optional<LinkError> EngineCadLink::execute(const std::string& text) {
    if (!open_) return LinkError{"描画エンジンとの会話が開かれていません。"};
    if (auto failure = engine_.execute(text)) {
        return LinkError{"描画エンジンがコマンドを実行できませんでした。\r\n" + failure->description};
    }
    return std::nullopt;
}

}  // namespace mirota
