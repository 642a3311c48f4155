#include "model/ColumnCaption.h"

#include <array>

namespace mirota {

namespace {

constexpr int kValueColumns = column::Area - column::SideA + 1;
constexpr std::array<std::string_view, kValueColumns> kChainCaptions{"Ａ辺", "Ｂ辺", "Ｃ辺", "S", "面積"};
constexpr std::array<std::string_view, kValueColumns> kExceptionCaptions{"名称", "要素１", "要素２", "位置", "面積"};

}  // namespace

std::string_view columnCaption(ListKind list, int col) {
    if (col < column::SideA || col > column::Area) return {};
    const auto& captions = list == ListKind::Chain ? kChainCaptions : kExceptionCaptions;
    return captions[static_cast<std::size_t>(col - column::SideA)];
}

}  // namespace mirota
