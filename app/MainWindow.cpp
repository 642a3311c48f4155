#include "app/MainWindow.h"

#include <algorithm>
#include <exception>

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>

#include "app/CentralArea.h"
#include "app/DrawingProgress.h"
#include "app/DrawingWindow.h"
#include "app/MainWindowSize.h"
#include "app/PreviewPane.h"
#include "app/RuntimeFailure.h"
#include "app/SidePaneSplitter.h"
#include "app/SplitterBar.h"
#include "calc/AreaCalculation.h"
#include "ui/Twips.h"
#include "model/NumberText.h"
#include "settings/PreferencesStore.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

const QString kTitle = QString::fromUtf8(kProgramTitle);

}  // namespace

MainWindow::MainWindow(Preferences& prefs, QString appFolder, QWidget* parent)
    : QMainWindow(parent), prefs_(prefs), appFolder_(std::move(appFolder)), commands_(commandTable(), this) {
    setObjectName(QStringLiteral("frmMain"));
    setCaption(kTitle);
    showMessage = [this](const Message& message, QMessageBox::StandardButtons buttons) {
        return showMessageBox(this, message, buttons);
    };
    shellOpen = [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    chooseFile = [this](const FileDialogRequest& request) { return showFileDialog(this, request); };
    outsideLink = makeOutsideLink;
    data_.optionFlags = prefs_.optionFlags;

    central_ = new CentralArea(this);
    central_->setObjectName(QStringLiteral("centralArea"));
    setCentralWidget(besidePreview(central_));
    tabMain_ = new QTabWidget(central_);
    tabMain_->setObjectName(QStringLiteral("tabMain"));
    tabMain_->setUsesScrollButtons(true);

    auto* corner = new QWidget(tabMain_);
    auto* cornerLayout = new QHBoxLayout(corner);
    // The strip reaches 90 twips past the window's edge (its border out of sight): the combo stays inside.
    cornerLayout->setContentsMargins(4, 1, 4 + twipsToPixels(90), 1);
    auto* tiersLabel = new QLabel(QStringLiteral("段数："), corner);
    cboBlk_ = new QComboBox(corner);
    cboBlk_->setObjectName(QStringLiteral("cboBlk"));
    cboBlk_->setMaxVisibleItems(20);
    tiersLabel->setBuddy(cboBlk_);
    cornerLayout->addWidget(tiersLabel);
    cornerLayout->addWidget(cboBlk_);
    tabMain_->setCornerWidget(corner, Qt::TopRightCorner);

    tierView_ = std::make_unique<TierView>(edits_, data_.view, prefs_, tag_, tabMain_);
    tierView_->showMessage = [this](const Message& message, QMessageBox::StandardButtons buttons) {
        return showMessage(message, buttons);
    };
    tierView_->updateCommandState = [this] { UpdateCommandState(); };
    connect(tierView_.get(), &TierView::pasteAvailable, this,
            [this] { toolMain_->widgetForAction(command(Command::Paste))->setEnabled(true); });
    connect(tierView_.get(), &TierView::dataMenuRequested, this, &MainWindow::showDataMenuAt);
    connect(tierView_.get(), &TierView::inputSetChosen, this,
            [this](InputSet set) { mnuDataChangeType_Click(static_cast<int>(set)); });
    connect(tierView_.get(), &TierView::documentEdited, this, &MainWindow::updateCaption);
    connect(tierView_.get(), &TierView::documentEdited, this, [this] { recalculate(false); });
    frmDraw_ = new DrawingProgress(this);
    // A window of its own, like the CAD program's, so that it can lie beside the main window.
    drawingWindow_ = std::make_unique<DrawingWindow>();
    drawingWindow_->writeSima = [this](const std::string& path) { return writeSima(path); };

    for (int index = 0; index < 2; ++index) {
        auto* bar = new SplitterBar(index, tabMain_);
        splitters_[static_cast<std::size_t>(index)] = bar;
        bar->hide();
        connect(bar, &SplitterBar::pressed, this, &MainWindow::picSplitter_MouseDown);
        connect(bar, &SplitterBar::moved, this, &MainWindow::picSplitter_MouseMove);
        connect(bar, &SplitterBar::released, this, &MainWindow::picSplitter_MouseUp);
    }
    tierView_->pane(ListKind::Exception)->hide();

    buildMenus();
    connect(cboBlk_, &QComboBox::currentIndexChanged, this, &MainWindow::cboBlk_Click);
    connect(cboKeta_, &QComboBox::currentIndexChanged, this, &MainWindow::cboKeta_Click);
    connect(tabMain_, &QTabWidget::currentChanged, this, &MainWindow::tabMain_Click);
    connectPreview();
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load() {
    helpFile_ = appFolder_ + QStringLiteral("Mirota_Help.chm");
    tag_ = "start";
    using namespace window_size;
    const bool savedSize = data_.optionFlags.saveWindowSize && prefs_.windowGeometry.width >= kMinWidth &&
                           prefs_.windowGeometry.height >= kMinHeight;
    // A saved width is the whole window's; the start width is the grid area's, the preview beside it.
    if (!savedSize) fitPreviewBesideStartWidth();
    resize(savedSize ? twipsToPixels(prefs_.windowGeometry.width) : twipsToPixels(kStartWidth) + previewSplitter_->sideRoom(),
           twipsToPixels(savedSize ? prefs_.windowGeometry.height : kStartHeight));
    ToolMainSet();

    {
        const QSignalBlocker blocker(cboBlk_);
        for (int tiers = 1; tiers <= SurveyData::kTierCapacity; ++tiers) cboBlk_->addItem(QString::number(tiers) + "段");
    }
    // The digits item: as many as there are zeros after the point (an empty format gives item 0).
    const QString digits = QString::fromStdString(prefs_.digitsFormat);
    const int zeros = std::clamp(static_cast<int>(digits.size()) - static_cast<int>(digits.indexOf('.') + 1), 0, 5);
    {
        const QSignalBlocker blocker(cboKeta_);
        const QString widest = QStringLiteral("0.00000");
        for (int item = 0; item <= 5; ++item) cboKeta_->addItem(item == 0 ? widest.left(1) : widest.left(item + 2));
        cboKeta_->setCurrentIndex(zeros);
    }
    cboKeta_Click();

    {
        const QSignalBlocker blocker(tabMain_);
        tabMain_->addTab(new QWidget, QStringLiteral("入力データ"));
        tabMain_->tabBar()->setTabData(0, QStringLiteral("Base"));
    }
    QGuiApplication::clipboard()->clear();
    mnuNewFile_Click();
    if (!tag_.empty()) tag_.clear();
    data_.acadVersion = "2000";
    tierView_->grid(ListKind::Chain)->setFocus();  // typing can start at once
    // The embedded engine stands in for the CAD program with its drawing template: its window waits,
    // hidden, for the first drawing. The CAD program itself is started by opening the drawing
    // template; whether that works is not checked.
    if (linkKindFor(prefs_.drawingOutput) != LinkKind::Engine && shellOpen) {
        shellOpen(appFolder_ + QStringLiteral("vorn.dwt"));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!saveChangesFirst()) {
        event->ignore();
        return;
    }
    // Form_Unload: the window geometry and every preference go to the settings store.
    if (windowState() == Qt::WindowNoState) {
        // A size that was not changed keeps its twips exactly.
        if (width() != twipsToPixels(prefs_.windowGeometry.width)) prefs_.windowGeometry.width = pixelsToTwips(width());
        if (height() != twipsToPixels(prefs_.windowGeometry.height)) {
            prefs_.windowGeometry.height = pixelsToTwips(height());
        }
    }
    prefs_.windowGeometry.state = isMinimized() ? 1 : (isMaximized() ? 2 : 0);
    prefs_.optionFlags = data_.optionFlags;
    saveSettings(prefs_);
    event->accept();
    drawingWindow_->close();
    QCoreApplication::quit();
}

void MainWindow::syncTabsToTierCount() {
    const QSignalBlocker blocker(tabMain_);
    const int tiers = data_.tierCount();
    while (tabMain_->count() > tiers) {
        QWidget* page = tabMain_->widget(tabMain_->count() - 1);
        tabMain_->removeTab(tabMain_->count() - 1);
        delete page;
    }
    while (tabMain_->count() < tiers) {
        const int position = tabMain_->count() + 1;
        tabMain_->addTab(new QWidget, QString::number(position) + QStringLiteral("段目"));
    }
}

void MainWindow::cboBlk_Click() {
    tierView_->HideCellEditors();
    bool edited = false;
    if (tag_ != "start") {
        // A file being opened brings its own tier count and figure counts.
        if (tag_ != "open") {
            const int count = cboBlk_->currentIndex() + 1;
            if (!confirmTierDrop(count)) {
                const QSignalBlocker blocker(cboBlk_);
                cboBlk_->setCurrentIndex(data_.tierCount() - 1);
                return;
            }
            edited = edits_.setTierCount(count);
        }
        syncTabsToTierCount();
        updateCaption();
    }
    {
        const QSignalBlocker blocker(tabMain_);
        tabMain_->setCurrentIndex(0);
    }
    tabMain_Click();
    if (edited) emit tierView_->documentEdited();
}

bool MainWindow::confirmTierDrop(int count) {
    if (!edits_.tierCountDropsValues(count)) return true;
    const int first = count + 1;
    const int last = data_.tierCount();
    const std::string tiers = std::to_string(first) + "段目" + (last > first ? "～" + std::to_string(last) + "段目" : "");
    const Message question{tiers + "のデータは削除されます。よろしいですか？", "確認メッセージ", Message::Icon::Question};
    return showMessage(question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MainWindow::tabMain_Click() {
    data_.view.currentTier = std::max(0, tabMain_->currentIndex());
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
        const int count = data_.figureCount(list, data_.view.currentTier);
        QComboBox* combo = tierView_->pane(list)->countCombo();
        if (combo->currentIndex() + 1 == count) {
            tierView_->cboMain_Click(list);
        } else {
            combo->setCurrentIndex(count - 1);
        }
    }
    tierView_->showTotals();
    preview_->refresh();
}

void MainWindow::cboKeta_Click() {
    prefs_.digitsFormat = number::digitsFormatFor(std::max(0, cboKeta_->currentIndex()));
    if (tag_.empty()) tabMain_Click();
}

void MainWindow::mnuNewFile_Click() {
    if (tag_.empty() && edits_.isModified()) {
        const Message question{"現在のデータを破棄してもよろしいですか？", "確認メッセージ", Message::Icon::None};
        if (showMessage(question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::No) return;
    }
    tierView_->SetGridRedraw(false, "mnuNewFile");
    if (tag_.empty()) tag_ = "new";
    command(Command::Calculate)->setEnabled(false);
    command(Command::Draw)->setEnabled(false);
    command(Command::MakeBase)->setEnabled(true);
    data_.reset();
    if (data_.view.currentInputSet != InputSet::Design) mnuDataChangeType_Click(0);  // a new document starts on design values
    tierView_->setActiveList(ListKind::Chain);  // at the chain's first side
    if (cboBlk_->currentIndex() != 0) {
        cboBlk_->setCurrentIndex(0);
    } else {
        cboBlk_Click();
    }
    edits_.markOpened();
    statusBar()->clearMessage();
    setCaption(kTitle);
    tierView_->SetGridRedraw(true, "mnuNewFile");
    if (!tag_.empty()) tag_.clear();
}

void MainWindow::mnuEnd_Click() { close(); }

}  // namespace mirota
