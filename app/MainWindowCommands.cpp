// Menus, toolbar, the dispatch of commands and the rules that enable them.
#include "app/MainWindow.h"

#include <algorithm>
#include <array>
#include <optional>

#include <QAbstractButton>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/DrawingWindow.h"
#include "app/PreviewPane.h"
#include "ui/Twips.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

// The toolbar's buttons in order; an empty entry is a separator.
constexpr std::optional<Command> kToolbar[] = {
    Command::NewFile,    Command::Open,         Command::Save,         std::nullopt,
    Command::Cut,        Command::Copy,         Command::Paste,        Command::Undo,
    Command::Redo,       std::nullopt,
    Command::EditDesign, Command::EditMeasured, std::nullopt,
    Command::Calculate,  Command::Draw,         Command::InsertFigure, Command::DeleteFigure,
    Command::Help,       Command::Settings,     std::nullopt,
};

constexpr int kDigitsPlaceholderWidth = 2000;
const QString kDigitsKey = QStringLiteral("cboKeta");

struct TypeCommand {
    Command command;
    FigureType type;
};
constexpr TypeCommand kTypeCommands[] = {
    {Command::CalcTriangleUp, FigureType::TriangleUp},
    {Command::CalcTriangleDown, FigureType::TriangleDown},
    {Command::CalcSquare, FigureType::Square},
    {Command::CalcCircle, FigureType::Circle},
    {Command::DeductTriangleUp, FigureType::DeductTriangleUp},
    {Command::DeductTriangleDown, FigureType::DeductTriangleDown},
    {Command::DeductSquare, FigureType::DeductSquare},
    {Command::DeductCircle, FigureType::DeductCircle},
    {Command::MakeBase, FigureType::Base},
};

struct JoinCommand {
    Command command;
    JoinSide side;
};
constexpr JoinCommand kJoinCommands[] = {
    {Command::JoinCA, JoinSide::JoinCA},
    {Command::JoinBB, JoinSide::JoinBB},
    {Command::JoinAC, JoinSide::JoinAC},
};

// What a chain figure of a type may not become: a triangle keeps its orientation, the base may become
// △ or ▲.
struct ChainTypeRule {
    FigureType type;
    std::array<FigureType, 3> barred;
};
constexpr ChainTypeRule kChainTypeRules[] = {
    {FigureType::Base, {FigureType::Base, FigureType::TriangleDown, FigureType::DeductTriangleDown}},
    {FigureType::TriangleUp, {FigureType::TriangleUp, FigureType::TriangleDown, FigureType::DeductTriangleDown}},
    {FigureType::TriangleDown, {FigureType::TriangleUp, FigureType::TriangleDown, FigureType::DeductTriangleUp}},
    {FigureType::DeductTriangleUp, {FigureType::TriangleDown, FigureType::DeductTriangleUp, FigureType::DeductTriangleDown}},
    {FigureType::DeductTriangleDown, {FigureType::TriangleUp, FigureType::DeductTriangleUp, FigureType::DeductTriangleDown}},
};

// The row of a table whose field holds the value; every value asked for is in its table.
template <typename Row, std::size_t N, typename Field>
const Row& rowWith(const Row (&table)[N], Field Row::*field, Field value) {
    return *std::find_if(std::begin(table), std::end(table), [&](const Row& row) { return row.*field == value; });
}

// Whether a chain row of the tier, of either input set, has all three sides.
bool chainHasCompleteSides(const SurveyData& data, int tier) {
    const int rows = 2 * data.figureCount(ListKind::Chain, tier);
    for (int row = 0; row < rows; ++row) {
        const auto given = [&](int col) { return !data.cell(ListKind::Chain, tier, row, col).empty(); };
        if (given(column::SideA) && given(column::SideB) && given(column::SideC)) return true;
    }
    return false;
}

// Whether a chain figure of the tier is the base.
bool chainHasBase(const SurveyData& data, int tier) {
    for (int figure = 0; figure < data.figureCount(ListKind::Chain, tier); ++figure) {
        if (figureTypeFromCode(data.cell(ListKind::Chain, tier, 2 * figure, column::Type)) == FigureType::Base) return true;
    }
    return false;
}

}  // namespace

QAction* MainWindow::menuItem(const QString& name) const {
    if (QAction* item = commands_.find(name)) return item;
    const auto* menu = menuBar()->findChild<QMenu*>(name);
    return menu ? menu->menuAction() : nullptr;
}

QAction* MainWindow::toolbarButton(const QString& key) const {
    const QList<QAction*> buttons = toolMain_->actions();
    const auto found = std::find_if(buttons.begin(), buttons.end(), [&](const QAction* button) {
        return !button->isSeparator() && button->data().toString() == key;
    });
    return found == buttons.end() ? nullptr : *found;
}

QWidget* MainWindow::toolbarControl(const QString& key) const { return toolMain_->widgetForAction(toolbarButton(key)); }

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    const auto topMenu = [bar](const char* name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    const auto submenu = [](QMenu* parent, const char* name, const QString& caption) {
        QMenu* menu = parent->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(menu->objectName());
        return menu;
    };
    const auto add = [this](QMenu* menu, std::initializer_list<Command> ids) {
        for (Command id : ids) menu->addAction(command(id));
    };

    QMenu* file = topMenu("mnuFile", "ファイル(&F)");
    add(file, {Command::NewFile, Command::Open, Command::SaveAs, Command::Save});
    file->addSeparator();
    add(file, {Command::ExportCsv, Command::Sheet});
    recentFilesEnd_ = file->addSeparator();  // the last documents come before it, each time the menu opens
    add(file, {Command::Exit});
    connect(file, &QMenu::aboutToShow, this, [this, file] { listRecentFiles(file); });

    QMenu* edit = topMenu("mnuEdit", "編集(&E)");
    add(edit, {Command::Undo, Command::Redo});
    edit->addSeparator();
    add(edit, {Command::Cut, Command::Copy, Command::Paste});

    // The exception list is saved and calculated like the chain; this menu lets the user see it.
    QMenu* view = topMenu("mnuWindow", "表示(&V)");
    auto* placement = new QActionGroup(this);
    for (Command id : {Command::HideExceptions, Command::ExceptionsBelow, Command::ExceptionsRight}) {
        command(id)->setCheckable(true);
        placement->addAction(command(id));
        view->addAction(command(id));
    }
    // The drawing window once closed comes back from here, showing the drawing as it is.
    view->addSeparator();
    command(Command::ShowPreview)->setCheckable(true);
    add(view, {Command::ShowDrawingWindow, Command::ShowPreview, Command::ShowSummary});

    dataMenu_ = topMenu("mnuData", "データ(&D)");
    connect(dataMenu_, &QMenu::aboutToShow, this, &MainWindow::PrepareDataMenu);
    add(submenu(dataMenu_, "mnuDataChange", "入力切替(&C)"), {Command::EditDesign, Command::EditMeasured});
    QMenu* mode = submenu(dataMenu_, "mnuDataMode", "タイプ変更(&M)");
    bulkChangeMenu_ = submenu(mode, "mnuDataModeAll", "一括変更(&A)");
    add(bulkChangeMenu_, {Command::AllUpToDown, Command::AllDownToUp});
    add(submenu(mode, "mnuDataModeCalc", "計算(&C)"),
        {Command::CalcTriangleUp, Command::CalcTriangleDown, Command::CalcSquare, Command::CalcCircle});
    add(submenu(mode, "mnuDataModeDeduct", "控除(&D)"),
        {Command::DeductTriangleUp, Command::DeductTriangleDown, Command::DeductSquare, Command::DeductCircle});
    mode->addSeparator();
    add(mode, {Command::MakeBase});
    joinMenu_ = submenu(dataMenu_, "mnuDataJoin", "接合辺変更(&J)");
    add(joinMenu_, {Command::JoinCA, Command::JoinBB, Command::JoinAC});
    add(dataMenu_, {Command::InsertFigure, Command::DeleteFigure});

    QMenu* tool = topMenu("mnuTool", "ツール(&T)");
    add(tool, {Command::Calculate, Command::Draw});
    tool->addSeparator();
    add(tool, {Command::Settings});

    add(topMenu("mnuHelp", "ヘルプ(&H)"), {Command::Help, Command::Version});
    // F1 opens the help from every window of the program.
    command(Command::Help)->setShortcutContext(Qt::ApplicationShortcut);

    for (const CommandEntry<Command>& entry : commandTable()) {
        const Command id = entry.id;
        connect(command(id), &QAction::triggered, this, [this, id] {
            if (buttonDown_ == id) toolMain_ButtonClick(id);
            else runCommand(id);
        });
    }
    // Design is the input set at start: its item is the disabled one.
    command(Command::EditDesign)->setEnabled(false);
    syncViewMenu();

    toolMain_ = addToolBar(QStringLiteral("toolMain"));
    toolMain_->setObjectName(QStringLiteral("toolMain"));
    toolMain_->setMovable(false);
    toolMain_->setFloatable(false);
    toolMain_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolMain_->setIconSize(QSize(20, 20));
    // Nineteen captioned buttons and the digits combo fit the window's starting width in a smaller font. The
    // buttons keep their style's room beside the captions: with less, the Windows style cuts them to "…".
    QFont captions = toolMain_->font();
    captions.setPointSizeF(captions.pointSizeF() * 0.85);
    toolMain_->setFont(captions);
    toolMain_->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; } "
                                            "QToolButton { padding: 1px 0px; margin: 0px; }"));
    toolMain_->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    cboKeta_ = new QComboBox;
    cboKeta_->setObjectName(QStringLiteral("cboKeta"));
}

void MainWindow::ToolMainSet() {
    for (const std::optional<Command>& id : kToolbar) {
        if (!id) {
            toolMain_->addSeparator();
            continue;
        }
        QAction* action = command(*id);
        toolMain_->addAction(action);
        auto* button = qobject_cast<QAbstractButton*>(toolMain_->widgetForAction(action));
        button->setObjectName(QStringLiteral("toolMain_") + action->objectName());
        // A click triggers the action between these two, so the action knows it came from the toolbar.
        connect(button, &QAbstractButton::pressed, this, [this, command = *id] { buttonDown_ = command; });
        connect(button, &QAbstractButton::released, this, [this] { buttonDown_.reset(); });
    }
    // The digits combo sits on its placeholder, captioned like the buttons.
    auto* placeholder = new QWidget;
    placeholder->setObjectName(QStringLiteral("toolMain_cboKeta"));
    placeholder->setToolTip(QStringLiteral("桁数指定"));
    placeholder->setFixedWidth(twipsToPixels(kDigitsPlaceholderWidth));
    auto* layout = new QVBoxLayout(placeholder);
    layout->setContentsMargins(4, 2, 4, 0);
    layout->setSpacing(1);
    cboKeta_->setParent(placeholder);
    cboKeta_->setToolTip(QStringLiteral("桁数指定"));
    auto* caption = new QLabel(QStringLiteral("桁数"), placeholder);
    caption->setAlignment(Qt::AlignHCenter);
    layout->addWidget(cboKeta_);
    layout->addWidget(caption);
    toolMain_->addWidget(placeholder)->setData(kDigitsKey);

    // Nothing to compute yet; the paste button waits for the first cut or copy, while its menu item
    // works from the start.
    command(Command::Calculate)->setEnabled(false);
    command(Command::Draw)->setEnabled(false);
    toolMain_->widgetForAction(command(Command::Paste))->setEnabled(false);
    updateHistoryCommands();
}

void MainWindow::toolMain_ButtonClick(Command id) {
    tierView_->HideCellEditors();
    if (id == Command::Draw) askAndDraw();
    else runCommand(id);
}

void MainWindow::runCommand(Command id) {
    switch (id) {
    case Command::NewFile: mnuNewFile_Click(); break;
    case Command::Open: mnuOpen_Click(); break;
    case Command::SaveAs: mnuSaveNew_Click(); break;
    case Command::Save: mnuSave_Click(); break;
    case Command::ExportCsv: mnuExportCsv_Click(); break;
    case Command::Sheet: mnuSheet_Click(); break;
    case Command::Exit: mnuEnd_Click(); break;
    case Command::Undo: mnuEditUndo_Click(); break;
    case Command::Redo: mnuEditRedo_Click(); break;
    case Command::Cut: tierView_->mnuEditCut_Click(); break;
    case Command::Copy: tierView_->mnuEditCopy_Click(); break;
    case Command::Paste: tierView_->mnuEditPaste_Click(); break;
    case Command::HideExceptions: setExceptionPaneShown(false); break;
    case Command::ExceptionsBelow:
    case Command::ExceptionsRight:
        tierView_->HideCellEditors();
        SetPaneArrangement(id == Command::ExceptionsRight);
        break;
    case Command::ShowDrawingWindow: drawingWindow_->showLatestDrawing(); break;
    case Command::ShowPreview: setPreviewShown(command(Command::ShowPreview)->isChecked()); break;
    case Command::ShowSummary: showSummaryWindow(); break;
    case Command::EditDesign: mnuDataChangeType_Click(static_cast<int>(InputSet::Design)); break;
    case Command::EditMeasured: mnuDataChangeType_Click(static_cast<int>(InputSet::Measured)); break;
    case Command::AllUpToDown: tierView_->mnuDataModeAllChg_Click(0); break;
    case Command::AllDownToUp: tierView_->mnuDataModeAllChg_Click(1); break;
    case Command::CalcTriangleUp:
    case Command::CalcTriangleDown:
    case Command::CalcSquare:
    case Command::CalcCircle:
    case Command::DeductTriangleUp:
    case Command::DeductTriangleDown:
    case Command::DeductSquare:
    case Command::DeductCircle:
    case Command::MakeBase:
        tierView_->ChangeFigureType(static_cast<int>(rowWith(kTypeCommands, &TypeCommand::command, id).type));
        break;
    case Command::JoinCA:
    case Command::JoinBB:
    case Command::JoinAC:
        tierView_->ChangeJoinSide(static_cast<int>(rowWith(kJoinCommands, &JoinCommand::command, id).side));
        break;
    case Command::InsertFigure: tierView_->mnuDataAddData_Click(); break;
    case Command::DeleteFigure: tierView_->mnuDataDeleteData_Click(); break;
    case Command::Calculate: mnuToolCalc_Click(); break;
    case Command::Draw: mnuToolDraw_Click(); break;
    case Command::Settings: mnuToolSetUp_Click(); break;
    case Command::Help: mnuHelp1_Click(); break;
    case Command::Version: mnuVersion_Click(); break;
    }
}

void MainWindow::askAndDraw() {
    // The release matters only to the CAD program itself, which takes the drawing over DDE.
    if (linkKindFor(prefs_.drawingOutput) != LinkKind::Dde) {
        mnuToolDraw_Click();
        return;
    }
    const std::string version =
        number::leadingNumber(data_.acadVersion) == 98 ? "AutoCAD LT98" : "AutoCAD LT2000以降のバージョン";
    const Message question{version + " で図面を作図します。よろしいですか？", "作図（AutoCAD LTバージョン確認)",
                           Message::Icon::Question};
    if (showMessage(question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::No) mnuToolDraw_Click();
}

void MainWindow::UpdateCommandState() {
    const int tier = data_.view.currentTier;
    // The calculation and the drawing take every tier: any tier with a complete figure is enough.
    bool sides = false;
    for (int t = 0; t < data_.tierCount() && !sides; ++t) sides = chainHasCompleteSides(data_, t);
    command(Command::Calculate)->setEnabled(sides);
    command(Command::Draw)->setEnabled(sides);
    command(Command::MakeBase)->setEnabled(!chainHasBase(data_, tier));
}

void MainWindow::PrepareDataMenu() {
    const ListKind list = data_.view.activeList;
    const int tier = data_.view.currentTier;
    const int first = tierView_->figureFirstRow(list);
    const bool chain = list == ListKind::Chain;
    for (const JoinCommand& join : kJoinCommands) command(join.command)->setEnabled(true);
    if (!chain || first == 1) {
        joinMenu_->menuAction()->setEnabled(false);
    } else {
        joinMenu_->menuAction()->setEnabled(true);
        if (const auto side = joinSideFromCode(data_.cell(list, tier, first - 1, column::Join))) {
            command(rowWith(kJoinCommands, &JoinCommand::side, *side).command)->setEnabled(false);
        }
    }
    for (const TypeCommand& type : kTypeCommands) command(type.command)->setEnabled(true);
    const auto bar = [this](FigureType type) {
        command(rowWith(kTypeCommands, &TypeCommand::type, type).command)->setEnabled(false);
    };
    const double code = number::leadingNumber(data_.cell(list, tier, first - 1, column::Type));
    if (chain) {
        for (const ChainTypeRule& rule : kChainTypeRules) {
            if (code == static_cast<int>(rule.type)) std::for_each(rule.barred.begin(), rule.barred.end(), bar);
        }
        // Squares and circles belong to the exception list; one base per chain.
        for (FigureType type : {FigureType::Square, FigureType::Circle, FigureType::DeductSquare, FigureType::DeductCircle}) {
            bar(type);
        }
        if (chainHasBase(data_, tier)) bar(FigureType::Base);
    } else {
        bar(FigureType::Base);
        const bool calculated = code >= static_cast<int>(FigureType::TriangleUp) && code <= static_cast<int>(FigureType::Circle);
        const bool deducted =
            code >= static_cast<int>(FigureType::DeductTriangleUp) && code <= static_cast<int>(FigureType::DeductCircle);
        if (calculated || deducted) bar(static_cast<FigureType>(static_cast<int>(code)));
        joinMenu_->menuAction()->setEnabled(false);
    }
    bulkChangeMenu_->menuAction()->setEnabled(chain);
}

void MainWindow::mnuDataChangeType_Click(int set) {
    const bool measured = set == static_cast<int>(InputSet::Measured);
    command(Command::EditDesign)->setEnabled(measured);
    command(Command::EditMeasured)->setEnabled(!measured);
    tierView_->switchInputSet(measured ? InputSet::Measured : InputSet::Design);
    preview_->refresh();
}

void MainWindow::showDataMenuAt(QPoint globalPos) { dataMenu_->popup(globalPos); }

void MainWindow::syncViewMenu() {
    const Command placement = !exceptionPaneShown_ ? Command::HideExceptions
                              : prefs_.extWindowPos ? Command::ExceptionsRight
                                                    : Command::ExceptionsBelow;
    command(placement)->setChecked(true);
}

}  // namespace mirota
