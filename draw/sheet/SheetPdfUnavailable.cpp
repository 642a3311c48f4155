#include "draw/sheet/SheetPdf.h"

#include "model/ProgramTitle.h"

namespace mirota::sheet {

// The command line of this system has no PDF writer of its own: the window makes the sheet.
std::optional<Message> writeSheetPdf(const Sheet&, const std::string&) {
    return Message{"この環境のコマンドラインでは求積表を作成できません。\r\n"
                   "求積表はウィンドウのメニュー［ファイル］－［求積表］から作成してください。",
                   kProgramTitle, Message::Icon::Critical};
}

}  // namespace mirota::sheet
