// Menus, toolbar, the dispatch of toolbar keys and the rules that enable commands.
#include "app/MainWindow.h"

#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/CommandIcons.h"
#include "app/DrawingWindow.h"
#include "app/PreviewPane.h"
#include "ui/Twips.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

struct ToolButtonEntry {
    const char* key;  // nullptr: a separator
    const char* image;
    const char* caption;
    const char* tooltip;
};

constexpr ToolButtonEntry kButtons[] = {
    {"mnuNewFile", "mnuNew", "新規", "新規作成"},
    {"mnuOpen", "mnuOpen", "開く", "開く"},
    {"mnuSave", "mnuSave", "保存", "保存"},
    {nullptr, nullptr, nullptr, nullptr},
    {"mnuEditCut", "mnuEditCut", "切り取り", "切り取り"},
    {"mnuEditCopy", "mnuEditCopy", "コピー", "コピー"},
    {"mnuEditPaste", "mnuEditPaste", "貼付", "貼り付け"},
    {nullptr, nullptr, nullptr, nullptr},
    {"mnuDataChangeType0", "mnuDataChangeType0", "設計値", "設計値を入力"},
    {"mnuDataChangeType1", "mnuDataChangeType1", "実測値", "実測値を入力"},
    {nullptr, nullptr, nullptr, nullptr},
    {"mnuToolCalc", "mnuToolCalc", "面積", "面積計算"},
    {"mnuToolDraw", "mnuToolDraw", "作図", "図面作成"},
    {"mnuDataAddData", "mnuDataAddData", "挿入", "データ挿入"},
    {"mnuDataDeleteData", "mnuDataDeleteData", "削除", "データ削除"},
    {"mnuHelp1", "mnuHelp1", "ヘルプ", "ヘルプ"},
    {"mnuToolSetUp", "mnuToolSetUp", "設定", "設定"},
    {nullptr, nullptr, nullptr, nullptr},
};

constexpr int kDigitsPlaceholderWidth = 2000;
const char* const kTypeCaptions[] = {"三角形〔上向き〕(&T)", "三角形〔下向き〕(&B)", "四角形(&S)", "円(&C)"};

}  // namespace

QAction* MainWindow::addMenuItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    menuItems_.insert(name, item);
    return item;
}

QMenu* MainWindow::addSubmenu(QMenu* menu, const QString& name, const QString& caption) {
    QMenu* submenu = menu->addMenu(caption);
    submenu->setObjectName(name);
    submenu->menuAction()->setObjectName(name);
    menuItems_.insert(name, submenu->menuAction());
    return submenu;
}

QAction* MainWindow::menuItem(const QString& name) const { return menuItems_.value(name); }
QAction* MainWindow::toolbarButton(const QString& key) const { return buttons_.value(key); }

void MainWindow::setCommandEnabled(const QString& name, bool enabled) {
    if (QAction* item = menuItem(name)) item->setEnabled(enabled);
}

void MainWindow::setButtonEnabled(const QString& key, bool enabled) {
    if (QAction* button = toolbarButton(key)) button->setEnabled(enabled);
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    auto topMenu = [&](const QString& name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        menuItems_.insert(name, menu->menuAction());
        return menu;
    };

    QMenu* file = topMenu("mnuFile", "ファイル(&F)");
    connect(addMenuItem(file, "mnuNewFile", "新規作成(&N)"), &QAction::triggered, this, &MainWindow::mnuNewFile_Click);
    connect(addMenuItem(file, "mnuOpen", "開く"), &QAction::triggered, this, &MainWindow::mnuOpen_Click);
    connect(addMenuItem(file, "mnuSaveNew", "名前を付けて保存"), &QAction::triggered, this, &MainWindow::mnuSaveNew_Click);
    connect(addMenuItem(file, "mnuSave", "保存"), &QAction::triggered, this, &MainWindow::mnuSave_Click);
    file->addSeparator();
    connect(addMenuItem(file, "mnuEnd", "終了(&E)"), &QAction::triggered, this, &MainWindow::mnuEnd_Click);

    QMenu* edit = topMenu("mnuEdit", "編集(&E)");
    connect(addMenuItem(edit, "mnuEditCut", "切り取り(&T)"), &QAction::triggered, tierView_.get(), &TierView::mnuEditCut_Click);
    connect(addMenuItem(edit, "mnuEditCopy", "コピー(&C)"), &QAction::triggered, tierView_.get(), &TierView::mnuEditCopy_Click);
    connect(addMenuItem(edit, "mnuEditPaste", "貼り付け(&P)"), &QAction::triggered, tierView_.get(),
            &TierView::mnuEditPaste_Click);

    // The exception list is saved and calculated like the chain; this menu lets the user see it.
    QMenu* view = topMenu("mnuWindow", "表示(&V)");
    auto* placement = new QActionGroup(this);
    const std::pair<const char*, const char*> placements[] = {{"mnuWindowExtHide", "例外処理を表示しない"},
                                                              {"mnuWindowExtUnder", "例外処理を下に表示"},
                                                              {"mnuWindowExtRight", "例外処理を右に表示"}};
    for (const auto& [name, caption] : placements) {
        QAction* item = addMenuItem(view, name, caption);
        item->setCheckable(true);
        placement->addAction(item);
        const QString key = name;
        connect(item, &QAction::triggered, this, [this, key] {
            if (key == "mnuWindowExtHide") setExceptionPaneShown(false);
            else toolMain_ButtonClick(key);
        });
    }
    // The drawing window once closed comes back from here, showing the drawing as it is.
    view->addSeparator();
    connect(addMenuItem(view, "mnuWindowDrawing", "図面ウィンドウ(&W)"), &QAction::triggered, this,
            [this] { drawingWindow_->showLatestDrawing(); });
    QAction* preview = addMenuItem(view, "mnuWindowPreview", "展開図プレビュー(&P)");
    preview->setCheckable(true);
    connect(preview, &QAction::triggered, this, &MainWindow::setPreviewShown);

    dataMenu_ = topMenu("mnuData", "データ(&D)");
    connect(dataMenu_, &QMenu::aboutToShow, this, &MainWindow::PrepareDataMenu);
    QMenu* change = addSubmenu(dataMenu_, "mnuDataChange", "入力切替(&C)");
    for (int set = 0; set < 2; ++set) {
        connect(addMenuItem(change, QStringLiteral("mnuDataChangeType%1").arg(set), set == 0 ? "設計値(&D)" : "実測値(&S)"),
                &QAction::triggered, this, [this, set] { mnuDataChangeType_Click(set); });
    }
    QMenu* mode = addSubmenu(dataMenu_, "mnuDataMode", "タイプ変更(&M)");
    QMenu* all = addSubmenu(mode, "mnuDataModeAll", "一括変更(&A)");
    for (int item = 0; item < 2; ++item) {
        connect(addMenuItem(all, QStringLiteral("mnuDataModeAllChg%1").arg(item), item == 0 ? "△→▽(&0)" : "▽→△(&1)"),
                &QAction::triggered, tierView_.get(), [this, item] { tierView_->mnuDataModeAllChg_Click(item); });
    }
    QMenu* calc = addSubmenu(mode, "mnuDataModeCalc", "計算(&C)");
    QMenu* deduct = addSubmenu(mode, "mnuDataModeDeduct", "控除(&D)");
    for (int i = 0; i < 4; ++i) {
        for (auto [menu, base, name] : {std::tuple{calc, 10, "mnuDataModeCalcType"}, std::tuple{deduct, 20, "mnuDataModeDeductType"}}) {
            const int code = base + i;
            connect(addMenuItem(menu, QString(name) + QString::number(code), kTypeCaptions[i]), &QAction::triggered,
                    tierView_.get(), [this, code] { tierView_->ChangeFigureType(code); });
        }
    }
    mode->addSeparator();
    connect(addMenuItem(mode, "mnuDataModeStandard0", "基準(&S)"), &QAction::triggered, tierView_.get(),
            [this] { tierView_->ChangeFigureType(0); });
    QMenu* join = addSubmenu(dataMenu_, "mnuDataJoin", "接合辺変更(&J)");
    const char* const joinCaptions[] = {"C-A(&0)", "B-B(&1)", "A-C(&2)"};
    for (int code = 0; code < 3; ++code) {
        connect(addMenuItem(join, QStringLiteral("mnuDataJoinChg%1").arg(code), joinCaptions[code]), &QAction::triggered,
                tierView_.get(), [this, code] { tierView_->ChangeJoinSide(code); });
    }
    connect(addMenuItem(dataMenu_, "mnuDataAddData", "挿入(&A)"), &QAction::triggered, tierView_.get(),
            &TierView::mnuDataAddData_Click);
    connect(addMenuItem(dataMenu_, "mnuDataDeleteData", "削除(&D)"), &QAction::triggered, tierView_.get(),
            &TierView::mnuDataDeleteData_Click);

    QMenu* tool = topMenu("mnuTool", "ツール(&T)");
    connect(addMenuItem(tool, "mnuToolCalc", "面積計算(&C)"), &QAction::triggered, this, &MainWindow::mnuToolCalc_Click);
    connect(addMenuItem(tool, "mnuToolDraw", "図面作成(&D)"), &QAction::triggered, this, &MainWindow::mnuToolDraw_Click);
    tool->addSeparator();
    connect(addMenuItem(tool, "mnuToolSetUp", "設定(&O)"), &QAction::triggered, this, &MainWindow::mnuToolSetUp_Click);

    QMenu* help = topMenu("mnuHelp", "ヘルプ(&H)");
    connect(addMenuItem(help, "mnuHelp1", "ヘルプ(&H)"), &QAction::triggered, this, &MainWindow::mnuHelp1_Click);
    // F1 opens the help from every window of the program.
    menuItem("mnuHelp1")->setShortcut(QKeySequence::HelpContents);
    menuItem("mnuHelp1")->setShortcutContext(Qt::ApplicationShortcut);
    connect(addMenuItem(help, "mnuVersion", "バージョン情報(&V)"), &QAction::triggered, this, &MainWindow::mnuVersion_Click);

    // Design is the input set at start: its item is the disabled one.
    setCommandEnabled("mnuDataChangeType0", false);
    syncViewMenu();

    toolMain_ = addToolBar(QStringLiteral("toolMain"));
    toolMain_->setObjectName(QStringLiteral("toolMain"));
    toolMain_->setMovable(false);
    toolMain_->setFloatable(false);
    toolMain_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolMain_->setIconSize(QSize(20, 20));
    // Seventeen captioned buttons and the digits combo fit the window's starting width.
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
    for (const ToolButtonEntry& entry : kButtons) {
        if (!entry.key) {
            toolMain_->addSeparator();
            continue;
        }
        QAction* button = toolMain_->addAction(commandIcon(entry.image), QString::fromUtf8(entry.caption));
        button->setObjectName(QStringLiteral("toolMain_") + entry.key);
        button->setToolTip(QString::fromUtf8(entry.tooltip));
        button->setData(QString::fromUtf8(entry.key));
        buttons_.insert(entry.key, button);
        const QString key = entry.key;
        connect(button, &QAction::triggered, this, [this, key] { toolMain_ButtonClick(key); });
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
    buttons_.insert("cboKeta", toolMain_->addWidget(placeholder));

    for (const char* key : {"mnuDataChangeType0", "mnuToolCalc", "mnuToolDraw", "mnuEditPaste"}) setButtonEnabled(key, false);
}

void MainWindow::toolMain_ButtonClick(const QString& key) {
    tierView_->HideCellEditors();
    if (key == "mnuNewFile") mnuNewFile_Click();
    else if (key == "mnuOpen") mnuOpen_Click();
    else if (key == "mnuSave") mnuSave_Click();
    else if (key == "mnuEditCut") tierView_->mnuEditCut_Click();
    else if (key == "mnuEditCopy") tierView_->mnuEditCopy_Click();
    else if (key == "mnuEditPaste") tierView_->mnuEditPaste_Click();
    else if (key == "mnuDataChangeType0") mnuDataChangeType_Click(0);
    else if (key == "mnuDataChangeType1") mnuDataChangeType_Click(1);
    else if (key == "mnuToolCalc") mnuToolCalc_Click();
    else if (key == "mnuDataAddData") tierView_->mnuDataAddData_Click();
    else if (key == "mnuDataDeleteData") tierView_->mnuDataDeleteData_Click();
    else if (key == "mnuToolDraw") askAndDraw();
    else if (key == "mnuHelp1") mnuHelp1_Click();
    else if (key == "mnuToolSetUp") mnuToolSetUp_Click();
    else if (key == "mnuWindowExtUnder") SetPaneArrangement(false);
    else if (key == "mnuWindowExtRight") SetPaneArrangement(true);
}

void MainWindow::askAndDraw() {
    const std::string version =
        number::leadingNumber(data_.acadVersion) == 98 ? "AutoCAD LT98" : "AutoCAD LT2000以降のバージョン";
    const Message question{version + " で図面を作図します。よろしいですか？", "作図（AutoCAD LTバージョン確認)",
                           Message::Icon::Question};
    if (showMessage(question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::No) mnuToolDraw_Click();
}

void MainWindow::UpdateCommandState() {
    const TierGrid* chain = tierView_->grid(ListKind::Chain);
    const QString baseSymbol = TierGrid::symbolText(FigureType::Base);
    bool sides = false;
    bool base = false;
    for (int row = 1; row < chain->rows() && !(sides && base); ++row) {
        if (!sides && !chain->text(row, 3).isEmpty() && !chain->text(row, 4).isEmpty() && !chain->text(row, 5).isEmpty()) {
            sides = true;
        }
        if (!base && row % 2 == 1 && chain->text(row, 1) == baseSymbol) base = true;
    }
    for (const char* name : {"mnuToolCalc", "mnuToolDraw"}) {
        setCommandEnabled(name, sides);
        setButtonEnabled(name, sides);
    }
    setCommandEnabled("mnuDataModeStandard0", !base);
}

void MainWindow::PrepareDataMenu() {
    const ListKind list = data_.view.activeList;
    const int first = tierView_->moveToFigureFirstRow(list);
    const bool chain = list == ListKind::Chain;
    for (int code = 0; code < 3; ++code) setCommandEnabled(QStringLiteral("mnuDataJoinChg%1").arg(code), true);
    if (!chain || first == 1) {
        setCommandEnabled("mnuDataJoin", false);
    } else {
        setCommandEnabled("mnuDataJoin", true);
        const auto side = joinSideFromCode(data_.cell(list, data_.view.currentTier, first - 1, column::Join));
        if (side) setCommandEnabled(QStringLiteral("mnuDataJoinChg%1").arg(static_cast<int>(*side)), false);
    }
    setCommandEnabled("mnuDataModeStandard0", true);
    for (int i = 0; i < 4; ++i) {
        setCommandEnabled(QStringLiteral("mnuDataModeCalcType%1").arg(10 + i), true);
        setCommandEnabled(QStringLiteral("mnuDataModeDeductType%1").arg(20 + i), true);
    }
    const double type = number::leadingNumber(data_.cell(list, data_.view.currentTier, first - 1, column::Type));
    auto disableCalc = [this](int code) { setCommandEnabled(QStringLiteral("mnuDataModeCalcType%1").arg(code), false); };
    auto disableDeduct = [this](int code) { setCommandEnabled(QStringLiteral("mnuDataModeDeductType%1").arg(code), false); };
    if (chain) {
        // A triangle keeps its orientation; squares and circles belong to the exception list; one base per chain.
        if (type == 0) {
            setCommandEnabled("mnuDataModeStandard0", false);
            disableCalc(11);
            disableDeduct(21);
        } else if (type == 10) {
            disableCalc(10);
            disableCalc(11);
            disableDeduct(21);
        } else if (type == 11) {
            disableCalc(10);
            disableCalc(11);
            disableDeduct(20);
        } else if (type == 20) {
            disableCalc(11);
            disableDeduct(20);
            disableDeduct(21);
        } else if (type == 21) {
            disableCalc(10);
            disableDeduct(20);
            disableDeduct(21);
        }
        for (int code : {12, 13}) disableCalc(code);
        for (int code : {22, 23}) disableDeduct(code);
        const TierGrid* grid = tierView_->grid(ListKind::Chain);
        const QString baseSymbol = TierGrid::symbolText(FigureType::Base);
        for (int row = 1; row < grid->rows(); row += 2) {
            if (grid->text(row, 1) == baseSymbol) setCommandEnabled("mnuDataModeStandard0", false);
        }
    } else {
        setCommandEnabled("mnuDataModeStandard0", false);
        if (type >= 10 && type <= 13) disableCalc(static_cast<int>(type));
        if (type >= 20 && type <= 23) disableDeduct(static_cast<int>(type));
        setCommandEnabled("mnuDataJoin", false);
    }
    setCommandEnabled("mnuDataModeAll", chain);
}

void MainWindow::mnuDataChangeType_Click(int set) {
    const bool measured = set == 1;
    setCommandEnabled("mnuDataChangeType0", measured);
    setButtonEnabled("mnuDataChangeType0", measured);
    setCommandEnabled("mnuDataChangeType1", !measured);
    setButtonEnabled("mnuDataChangeType1", !measured);
    tierView_->switchInputSet(measured ? InputSet::Measured : InputSet::Design);
    preview_->refresh();
}

void MainWindow::showDataMenuAt(QPoint globalPos) { dataMenu_->popup(globalPos); }

void MainWindow::syncViewMenu() {
    const char* name = !exceptionPaneShown_ ? "mnuWindowExtHide"
                       : prefs_.extWindowPos ? "mnuWindowExtRight"
                                             : "mnuWindowExtUnder";
    if (QAction* item = menuItem(name)) item->setChecked(true);
}

}  // namespace mirota
