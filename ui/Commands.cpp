#include "ui/Commands.h"

namespace mirota {

namespace {

constexpr const char* kTriangleUp = "三角形〔上向き〕(&T)";
constexpr const char* kTriangleDown = "三角形〔下向き〕(&B)";
constexpr const char* kSquare = "四角形(&S)";
constexpr const char* kCircle = "円(&C)";

constexpr std::array<CommandEntry<Command>, kCommandCount> kCommands{{
    {Command::NewFile, {.objectName = "mnuNewFile", .caption = "新規作成(&N)", .buttonCaption = "新規",
                        .toolTip = "新規作成", .standardKey = QKeySequence::New, .themeIcon = "document-new",
                        .picture = picture::newDocument}},
    {Command::Open, {.objectName = "mnuOpen", .caption = "開く(&O)", .buttonCaption = "開く", .toolTip = "開く",
                     .standardKey = QKeySequence::Open, .themeIcon = "document-open", .picture = picture::openFolder}},
    {Command::SaveAs, {.objectName = "mnuSaveNew", .caption = "名前を付けて保存(&A)", .key = Qt::CTRL | Qt::SHIFT | Qt::Key_S}},
    {Command::Save, {.objectName = "mnuSave", .caption = "保存(&S)", .buttonCaption = "保存", .toolTip = "保存",
                     .standardKey = QKeySequence::Save, .themeIcon = "document-save", .picture = picture::saveDisk}},
    {Command::ExportCsv, {.objectName = "mnuExportCsv", .caption = "CSV で書き出し(&V)"}},
    {Command::Sheet, {.objectName = "mnuSheet", .caption = "求積表(&R)...", .toolTip = "求積表（PDF・印刷）"}},
    {Command::Exit, {.objectName = "mnuEnd", .caption = "終了(&E)"}},
    // The tooltips of these two name the step they would take back or take again.
    {Command::Undo, {.objectName = "mnuEditUndo", .caption = "元に戻す(&U)", .buttonCaption = "元に戻す",
                     .toolTip = "元に戻す", .key = Qt::CTRL | Qt::Key_Z, .themeIcon = "edit-undo", .picture = picture::undo}},
    {Command::Redo, {.objectName = "mnuEditRedo", .caption = "やり直し(&R)", .buttonCaption = "やり直し",
                     .toolTip = "やり直し", .key = Qt::CTRL | Qt::Key_Y, .alternateKey = Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
                     .themeIcon = "edit-redo", .picture = picture::redo}},
    {Command::Cut, {.objectName = "mnuEditCut", .caption = "切り取り(&T)", .buttonCaption = "切り取り",
                    .toolTip = "切り取り", .standardKey = QKeySequence::Cut, .themeIcon = "edit-cut", .picture = picture::cut}},
    {Command::Copy, {.objectName = "mnuEditCopy", .caption = "コピー(&C)", .buttonCaption = "コピー",
                     .toolTip = "コピー", .standardKey = QKeySequence::Copy, .themeIcon = "edit-copy",
                     .picture = picture::copy}},
    {Command::Paste, {.objectName = "mnuEditPaste", .caption = "貼り付け(&P)", .buttonCaption = "貼付",
                      .toolTip = "貼り付け", .standardKey = QKeySequence::Paste, .themeIcon = "edit-paste",
                      .picture = picture::paste}},
    {Command::HideExceptions, {.objectName = "mnuWindowExtHide", .caption = "例外処理を表示しない(&H)"}},
    {Command::ExceptionsBelow, {.objectName = "mnuWindowExtUnder", .caption = "例外処理を下に表示(&B)"}},
    {Command::ExceptionsRight, {.objectName = "mnuWindowExtRight", .caption = "例外処理を右に表示(&R)"}},
    {Command::ShowDrawingWindow, {.objectName = "mnuWindowDrawing", .caption = "図面ウィンドウ(&W)"}},
    {Command::ShowPreview, {.objectName = "mnuWindowPreview", .caption = "展開図プレビュー(&P)"}},
    {Command::ShowSummary, {.objectName = "mnuWindowSummary", .caption = "集計(&S)"}},
    {Command::EditDesign, {.objectName = "mnuDataChangeType0", .caption = "設計値(&D)", .buttonCaption = "設計値",
                           .toolTip = "設計値を入力", .picture = picture::designValues}},
    {Command::EditMeasured, {.objectName = "mnuDataChangeType1", .caption = "実測値(&S)", .buttonCaption = "実測値",
                             .toolTip = "実測値を入力", .picture = picture::measuredValues}},
    {Command::AllUpToDown, {.objectName = "mnuDataModeAllChg0", .caption = "△→▽(&0)"}},
    {Command::AllDownToUp, {.objectName = "mnuDataModeAllChg1", .caption = "▽→△(&1)"}},
    {Command::CalcTriangleUp, {.objectName = "mnuDataModeCalcType10", .caption = kTriangleUp}},
    {Command::CalcTriangleDown, {.objectName = "mnuDataModeCalcType11", .caption = kTriangleDown}},
    {Command::CalcSquare, {.objectName = "mnuDataModeCalcType12", .caption = kSquare}},
    {Command::CalcCircle, {.objectName = "mnuDataModeCalcType13", .caption = kCircle}},
    {Command::DeductTriangleUp, {.objectName = "mnuDataModeDeductType20", .caption = kTriangleUp}},
    {Command::DeductTriangleDown, {.objectName = "mnuDataModeDeductType21", .caption = kTriangleDown}},
    {Command::DeductSquare, {.objectName = "mnuDataModeDeductType22", .caption = kSquare}},
    {Command::DeductCircle, {.objectName = "mnuDataModeDeductType23", .caption = kCircle}},
    {Command::MakeBase, {.objectName = "mnuDataModeStandard0", .caption = "基準(&S)"}},
    {Command::JoinCA, {.objectName = "mnuDataJoinChg0", .caption = "C-A(&0)"}},
    {Command::JoinBB, {.objectName = "mnuDataJoinChg1", .caption = "B-B(&1)"}},
    {Command::JoinAC, {.objectName = "mnuDataJoinChg2", .caption = "A-C(&2)"}},
    {Command::InsertFigure, {.objectName = "mnuDataAddData", .caption = "挿入(&A)", .buttonCaption = "挿入",
                             .toolTip = "データ挿入", .themeIcon = "list-add", .picture = picture::insertRow}},
    {Command::DeleteFigure, {.objectName = "mnuDataDeleteData", .caption = "削除(&D)", .buttonCaption = "削除",
                             .toolTip = "データ削除", .themeIcon = "list-remove", .picture = picture::deleteRow}},
    {Command::Calculate, {.objectName = "mnuToolCalc", .caption = "面積計算(&C)", .buttonCaption = "面積",
                          .toolTip = "面積計算", .themeIcon = "accessories-calculator", .picture = picture::calculator}},
    {Command::Draw, {.objectName = "mnuToolDraw", .caption = "図面作成(&D)", .buttonCaption = "作図",
                     .toolTip = "図面作成", .picture = picture::drawing}},
    {Command::Settings, {.objectName = "mnuToolSetUp", .caption = "設定(&O)", .buttonCaption = "設定",
                         .toolTip = "設定", .themeIcon = "preferences-system", .picture = picture::settings}},
    {Command::Help, {.objectName = "mnuHelp1", .caption = "ヘルプ(&H)", .buttonCaption = "ヘルプ", .toolTip = "ヘルプ",
                     .standardKey = QKeySequence::HelpContents, .themeIcon = "help-contents", .picture = picture::help}},
    {Command::Version, {.objectName = "mnuVersion", .caption = "バージョン情報(&V)"}},
}};
static_assert(inEnumOrder(kCommands));

}  // namespace

const std::array<CommandEntry<Command>, kCommandCount>& commandTable() { return kCommands; }

}  // namespace mirota
