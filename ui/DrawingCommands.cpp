#include "ui/DrawingCommands.h"

namespace mirota {

namespace {

constexpr std::array<CommandEntry<DrawingCommand>, kDrawingCommandCount> kDrawingCommands{{
    {DrawingCommand::New, {.objectName = "mnuDrawingNew", .caption = "新しい図面(&N)"}},
    {DrawingCommand::SaveDxf, {.objectName = "mnuDrawingSaveDxf", .caption = "DXF 形式で保存(&D)...",
                               .buttonCaption = "DXF", .toolTip = "DXF 形式で保存", .picture = picture::dxfFile}},
    {DrawingCommand::SaveSima, {.objectName = "mnuDrawingSaveSima", .caption = "SIMA 形式で書き出し(&M)...",
                                .buttonCaption = "SIMA", .toolTip = "座標と画地を SIMA 形式で書き出し（測量 CAD 用）"}},
    {DrawingCommand::SaveSvg, {.objectName = "mnuDrawingSaveSvg", .caption = "SVG 形式で保存(&S)..."}},
    {DrawingCommand::SavePdf, {.objectName = "mnuDrawingSavePdf", .caption = "PDF 形式で保存(&P)...",
                               .buttonCaption = "PDF", .toolTip = "PDF 形式で保存", .picture = picture::pdfFile}},
    {DrawingCommand::Print, {.objectName = "mnuDrawingPrint", .caption = "印刷(&R)...", .buttonCaption = "印刷",
                             .toolTip = "印刷", .standardKey = QKeySequence::Print, .themeIcon = "document-print",
                             .picture = picture::printer}},
    {DrawingCommand::Close, {.objectName = "mnuDrawingClose", .caption = "閉じる(&C)"}},
    {DrawingCommand::Fit, {.objectName = "mnuDrawingFit", .caption = "全体表示(&F)", .buttonCaption = "全体表示",
                           .toolTip = "図面全体を表示", .key = Qt::Key_Home, .themeIcon = "zoom-fit-best",
                           .picture = picture::fitDrawing}},
    {DrawingCommand::ZoomIn, {.objectName = "mnuDrawingZoomIn", .caption = "拡大(&I)", .buttonCaption = "拡大",
                              .toolTip = "拡大表示", .key = Qt::Key_PageUp, .standardKey = QKeySequence::ZoomIn,
                              .themeIcon = "zoom-in", .picture = picture::zoomIn}},
    {DrawingCommand::ZoomOut, {.objectName = "mnuDrawingZoomOut", .caption = "縮小(&O)", .buttonCaption = "縮小",
                               .toolTip = "縮小表示", .key = Qt::Key_PageDown, .standardKey = QKeySequence::ZoomOut,
                               .themeIcon = "zoom-out", .picture = picture::zoomOut}},
}};
static_assert(inEnumOrder(kDrawingCommands));

}  // namespace

const std::array<CommandEntry<DrawingCommand>, kDrawingCommandCount>& drawingCommandTable() { return kDrawingCommands; }

}  // namespace mirota
