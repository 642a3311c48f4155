#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>

#include "ui/DrawingCommands.h"
#include "ui/FileDialogs.h"
#include "draw/engine/EngineCadLink.h"
#include "ui/MessageSink.h"

class QAction;
class QLabel;
class QPrinter;

namespace mirota {

class DrawingView;

// The drawing window (frmDrawing): the embedded drawing engine's drawing, which stands in for the CAD
// program's window. The drawing lives across drawing runs, so an additional drawing keeps what was
// drawn before. It can be saved as DXF, SVG or PDF and printed.
class DrawingWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit DrawingWindow(QWidget* parent = nullptr);
    ~DrawingWindow() override;

    // The conversation the drawing runs hold with the engine.
    EngineCadLink& engineLink() { return *link_; }
    const drawing::Drawing& drawing() const { return link_->drawing(); }
    DrawingView* view() const { return view_; }

    // Seams: messages, file names and the printer are asked through these; tests put theirs here.
    MessageSink showMessage;
    FileDialogSink chooseFile;
    std::function<bool(QPrinter& printer)> choosePrinter;
    // Writes the document's development as laid out to a SIMA file at the path; the message to show
    // when it failed or has a warning. Set by the main window, which holds the document.
    std::function<std::optional<Message>(const std::string& path)> writeSima;

    // Where the save dialogs start: a path without its extension.
    void setSuggestedPath(const QString& path) { suggestedPath_ = path; }

    // Shows the engine's drawing as it is now, fitted to the window, and brings the window up.
    void showLatestDrawing();
    // Lines about what the last drawing left out, in the status bar (all of them in its tool tip).
    void showNotices(const std::vector<std::string>& lines);

    // Commands, each one action on the menus and the toolbar; by name, the objectName of its menu item
    // ("mnuDrawingSaveDxf", ...).
    QAction* command(DrawingCommand id) const { return commands_[id]; }
    QAction* command(const QString& name) const { return commands_.find(name); }
    void newDrawing();
    void saveAsDxf();
    // Checked: the DXF save writes the area table's values as plain texts instead of block attributes.
    QAction* tableAsTextOption() const { return tableAsText_; }
    void saveAsSima();
    void saveAsSvg();
    void saveAsPdf();
    void printDrawing();

private:
    void buildMenus();
    void refresh();
    void showLayers();
    // Asks for a file name of the kind and writes it; the writer's failure is shown.
    void saveAs(const QString& caption, const QString& filter, const QString& suffix,
                const std::function<std::optional<Message>(const std::string&)>& write);

    std::unique_ptr<EngineCadLink> link_;
    DrawingView* view_ = nullptr;
    QLabel* layers_ = nullptr;
    QLabel* pointer_ = nullptr;
    CommandActions<DrawingCommand> commands_;
    QAction* tableAsText_ = nullptr;
    QString suggestedPath_;
};

}  // namespace mirota
