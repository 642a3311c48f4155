#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>

#include "app/CadLinkFactory.h"
#include "calc/AreaCalculation.h"
#include "draw/sheet/SheetLayout.h"
#include "ui/Commands.h"
#include "edit/DocumentEditor.h"
#include "ui/FileDialogs.h"
#include "ui/MessageSink.h"
#include "grid/TierView.h"
#include "model/SurveyData.h"
#include "settings/Preferences.h"

class QAction;
class QComboBox;
class QMenu;
class QTabWidget;
class QToolBar;

namespace mirota {

class CentralArea;
class DrawingProgress;
class DrawingWindow;
class PreviewPane;
class SheetDialog;
class SummaryWindow;
class SidePaneSplitter;
class SplitterBar;

// The main window (frmMain): owns the document, shows one tier of it, and offers every command
// through its menus and toolbar.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Preferences& prefs, QString appFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    SurveyData& data() { return data_; }
    TierView& tierView() { return *tierView_; }
    Preferences& preferences() { return prefs_; }
    const QString& appFolder() const { return appFolder_; }
    const QString& helpFile() const { return helpFile_; }

    // The phase marker: "start" while loading, "new" and "open" during those commands, "min" while
    // minimised, "" in normal work.
    const std::string& tag() const { return tag_; }

    // Seams: how messages are shown, how the shell opens a file, how a file name is asked for and
    // which link a drawing run to a back end outside the program goes through.
    MessageSink showMessage;
    std::function<void(const QString& path)> shellOpen;
    FileDialogSink chooseFile;
    OutsideLinkFactory outsideLink;

    // Unsaved changes, as the edit layer answers it: set by every edit, cleared by New, Open and a
    // successful Save; the caption shows it with an asterisk. Setting it false marks the document saved.
    bool documentModified() const { return edits_.isModified(); }
    const EditHistory& editHistory() const { return edits_.history(); }
    void setDocumentModified(bool modified);

    // The embedded engine's drawing window (hidden until the first drawing) and the progress window.
    DrawingWindow* drawingWindow() const { return drawingWindow_.get(); }
    DrawingProgress* progressWindow() const { return frmDraw_; }

    // A command's one action, shown by its menu item, its toolbar button and the right-button menu.
    QAction* command(Command id) const { return commands_[id]; }
    // Menu items by name ("mnuToolCalc", "mnuDataModeCalcType10", ...; submenus by theirs), toolbar
    // buttons' actions by key and the button the user clicks.
    QAction* menuItem(const QString& name) const;
    QAction* toolbarButton(const QString& key) const;
    QWidget* toolbarControl(const QString& key) const;
    QMenu* dataMenu() const { return dataMenu_; }
    QComboBox* tierCountCombo() const { return cboBlk_; }
    QComboBox* digitsCombo() const { return cboKeta_; }
    QTabWidget* tierTabs() const { return tabMain_; }
    SplitterBar* splitter(int index) const { return splitters_[static_cast<std::size_t>(index)]; }
    bool exceptionPaneShown() const { return exceptionPaneShown_; }
    PreviewPane* previewPane() const { return preview_; }
    // The 集計 window (表示 > 集計), made when first shown.
    SummaryWindow* summaryWindow() const { return summaryWindow_; }
    void showSummaryWindow();

    void Form_Load();

    // Tiers, digits and the first document.
    void cboBlk_Click();
    void tabMain_Click();
    void cboKeta_Click();
    void mnuNewFile_Click();

    // Commands.
    // A toolbar button was clicked: editors close first, and the drawing run asks before it starts.
    void toolMain_ButtonClick(Command id);
    void UpdateCommandState();
    void PrepareDataMenu();
    void mnuDataChangeType_Click(int set);
    void mnuToolCalc_Click();
    // The calculation that follows every change of the document, and an Open (reportAnyError): the message
    // of an input error comes only for a figure the change wrote (any figure after an Open).
    void recalculate(bool reportAnyError);
    void mnuOpen_Click();
    // A document of the File menu's last ones: opened as one handed over, or, when it is gone, said so and
    // taken off the list.
    void openRecentFile(const QString& path);
    // A file handed over from outside (the command line, a later start): asks about unsaved changes, opens it.
    void openRequestedFile(const QString& path);
    void mnuSave_Click();
    void mnuSaveNew_Click();
    // The areas and totals of every tier as a CSV file a spreadsheet opens.
    void mnuExportCsv_Click();
    bool ShowSaveDialog();
    // ファイル > 求積表: the dialog that makes the area calculation sheet as a PDF file, in print preview or on paper.
    void mnuSheet_Click();
    void mnuToolDraw_Click();
    void mnuToolSetUp_Click();
    // The settings dialog: modal from the menu, modeless when a drawing run finds a size missing.
    void openSettingsDialog(bool modal);
    void mnuHelp1_Click();
    void mnuVersion_Click();
    void mnuEnd_Click();
    // Undo and redo: the editor closes without storing its text, then the window shows the tier and
    // the cell of the step.
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();

    // Layout.
    void Form_Resize();
    void SetPaneArrangement(bool right);
    void setExceptionPaneShown(bool shown);
    // The development preview beside the grids (a preference kept across runs).
    void setPreviewShown(bool shown);
    // Makes the first editable cell of a chain figure current, on its tier.
    void selectFigure(int tier, int figure);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void ToolMainSet();
    // A command chosen from a menu, by its key or by a program call.
    void runCommand(Command id);
    void askAndDraw();
    void setCaption(const QString& caption);
    // The undo and redo commands enabled when there is a step to take, their tooltips naming it.
    void updateHistoryCommands();
    // The document after an undo or redo, on the tier of the step with its cell current.
    void showStep(const EditStep& step);
    void updateCaption();
    // Writes the document; false when no name was chosen or the write failed (pathBefore is then
    // the document's path again).
    bool saveDocument(const std::string& pathBefore);
    // Before unsaved changes are dropped: false when the user cancels or the save does not go through.
    bool saveChangesFirst();
    FileDialogRequest dataFileRequest(FileDialogRequest::Kind kind) const;
    QString dialogStartFolder() const;
    // A file beside the document, under its name followed by nameEnd; for an untitled document the
    // folder the dialogs start in.
    QString besideDocument(const QString& nameEnd) const;
    // Asks through chooseFile and remembers the folder of the answer for the next dialog.
    QString askFileName(const FileDialogRequest& request);
    void openDocumentFile(const QString& path);
    // The File menu's items of the last documents, made afresh before the menu opens.
    void listRecentFiles(QMenu* fileMenu);
    // The sheet of the document with the chosen form, paper and input set, by the preferences' rules.
    sheet::Sheet sheetFor(sheet::Options chosen) const;
    // The sheet the dialog asks for: its title block kept with the document first (refused, with a
    // message, when a field holds what the data file cannot), and asked about faulty figures; nothing
    // when the user or a refused field stops it.
    std::optional<sheet::Sheet> sheetAskedFor(const SheetDialog& dialog);
    void saveSheetPdf(const sheet::Sheet& sheet);
    void previewSheet(const sheet::Sheet& sheet);
    void printSheet(const sheet::Sheet& sheet);
    // The development as laid out, as a SIMA file for survey CAD; the message to show, if any.
    std::optional<Message> writeSima(const std::string& path);
    // finish runs after every command went out; its failure means the drawing did not finish.
    void runDrawing(CadLink& link, LinkKind kind, const std::function<std::optional<LinkError>()>& finish);
    QString askScriptPath();
    void syncTabsToTierCount();
    // Every area calculated and the tier on screen showing them with its totals; the status bar names a
    // figure in error.
    std::optional<CalculationFailure> calculateAndShow();
    // Before a sheet or a drawing is made: when the calculation found figures (of the input set, when one
    // is given) that cannot be calculated, names them and asks whether to go on without them ("making" says
    // what: "求積表を作成します"); true to go on.
    bool goOnWithoutFaultyFigures(const CalculationFailure& failure, std::optional<InputSet> inputSet,
                                  const std::string& making);
    // The 集計 window, when shown, brought up to date with the document and the rules.
    void refreshSummary();
    // Before the tier count is lowered to count: asks when the tiers dropped hold values; false for No.
    bool confirmTierDrop(int count);
    void showDataMenuAt(QPoint globalPos);
    void syncViewMenu();

    // Layout helpers.
    QRect tabClientRect() const;
    void placePanes();
    // The exception pane beside the chain pane needs a grid area wide enough for both.
    int smallestGridAreaWidth() const;
    // False when neither the window nor the preview can give more.
    bool widenGridArea(int missing);
    void picSplitter_MouseDown(int index);
    void picSplitter_MouseMove(int index, QPoint offset);
    void picSplitter_MouseUp(int index);
    QWidget* besidePreview(QWidget* gridArea);
    void connectPreview();
    // A screen too narrow for the grids and the preview at their start widths narrows the preview.
    void fitPreviewBesideStartWidth();

    Preferences& prefs_;
    QString appFolder_;
    QString lastDialogFolder_;
    QString helpFile_;
    std::string tag_;
    SurveyData data_;
    DocumentEditor edits_{data_};
    QString caption_;

    CentralArea* central_ = nullptr;
    QTabWidget* tabMain_ = nullptr;
    std::unique_ptr<TierView> tierView_;
    std::array<SplitterBar*, 2> splitters_{};
    QToolBar* toolMain_ = nullptr;
    QComboBox* cboBlk_ = nullptr;
    QComboBox* cboKeta_ = nullptr;
    CommandActions<Command> commands_;
    // The command whose toolbar button is held down: its trigger comes from the toolbar.
    std::optional<Command> buttonDown_;
    QAction* recentFilesEnd_ = nullptr;
    std::vector<QAction*> recentFileItems_;
    QMenu* dataMenu_ = nullptr;
    QMenu* bulkChangeMenu_ = nullptr;
    QMenu* joinMenu_ = nullptr;
    bool exceptionPaneShown_ = false;
    bool splitterDrag_ = false;
    bool steppedBack_ = false;  // while the window follows an undo
    // The chain pane's share of the room it shares with the exception pane (under, right), once the user
    // dragged the splitter; until then the panes share it by their smallest sizes.
    std::array<std::optional<double>, 2> paneShare_{};
    std::unique_ptr<DrawingWindow> drawingWindow_;
    DrawingProgress* frmDraw_ = nullptr;
    SidePaneSplitter* previewSplitter_ = nullptr;
    PreviewPane* preview_ = nullptr;
    SummaryWindow* summaryWindow_ = nullptr;
};

}  // namespace mirota
