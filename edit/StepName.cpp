#include "edit/StepName.h"

namespace mirota {

namespace {

// The column as its grid heading calls it.
const char* columnName(ListKind list, int col) {
    const bool chain = list == ListKind::Chain;
    switch (col) {
    case column::Type: return "タイプ";
    case column::SideA: return chain ? "A辺" : "名称";
    case column::SideB: return chain ? "B辺" : "要素1";
    case column::SideC: return chain ? "C辺" : "要素2";
    case column::HalfPerimeter: return chain ? "S" : "位置";
    case column::Area: return "面積";
    default: return "接合辺";
    }
}

std::string figureName(const CellAddress& place) {
    const std::string number = "No." + std::to_string(figureOfRow(place.row) + 1);
    return place.list == ListKind::Exception ? "例外処理 " + number : number;
}

std::string cellName(const CellAddress& place) {
    return figureName(place) + " の " + columnName(place.list, place.col);
}

}  // namespace

std::string stepName(const EditStep& step) {
    const CellAddress& place = step.place;
    switch (step.kind) {
    case EditKind::CellEntry: return cellName(place) + " 入力";
    case EditKind::CellCut: return cellName(place) + " 切り取り";
    case EditKind::CellPaste: return cellName(place) + " 貼り付け";
    case EditKind::FigureCount: return place.list == ListKind::Exception ? "例外処理の個数変更" : "個数変更";
    case EditKind::FigureInsert: return figureName(place) + " の 挿入";
    case EditKind::FigureDelete: return figureName(place) + " の 削除";
    case EditKind::FigureType: return figureName(place) + " の タイプ変更";
    case EditKind::ChainOrientation: return "タイプの一括変更";
    case EditKind::JoinSide: return figureName(place) + " の 接合辺変更";
    case EditKind::TierCount: return "段数変更";
    case EditKind::Settings: return "設定変更";
    case EditKind::TitleBlock: return "表題欄の変更";
    case EditKind::BlockPaste: return figureName(place) + " から 貼り付け";
    case EditKind::ClearCells: return figureName(place) + " から 消去";
    }
    return {};
}

}  // namespace mirota
