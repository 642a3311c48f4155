#include "app/DrawingWindow.h"

#include <QFrame>
#include <QLabel>
#include <QAction>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "viewer/DrawingPages.h"
#include "viewer/DrawingView.h"
#include "draw/engine/ColourNumber.h"
#include "draw/engine/DxfWriter.h"
#include "draw/engine/SvgWriter.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

const QString kTitle = QString::fromUtf8(kProgramTitle);
constexpr double kZoomStep = 1.5;

}  // namespace

DrawingWindow::DrawingWindow(QWidget* parent)
    : QMainWindow(parent), link_(std::make_unique<EngineCadLink>()), commands_(drawingCommandTable(), this) {
    setObjectName(QStringLiteral("frmDrawing"));
    setWindowTitle(QStringLiteral("図面 - ") + kTitle);
    showMessage = [this](const Message& message, QMessageBox::StandardButtons buttons) {
        return showMessageBox(this, message, buttons);
    };
    chooseFile = [this](const FileDialogRequest& request) { return showFileDialog(this, request); };
    choosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(QStringLiteral("印刷"));
        return dialog.exec() == QDialog::Accepted;
    };

    // The paper sits in a sunken frame, as a document does in a desktop program.
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    view_ = new DrawingView(frame);
    frameLayout->addWidget(view_);
    setCentralWidget(frame);
    buildMenus();

    layers_ = new QLabel(this);
    layers_->setObjectName(QStringLiteral("lblLayers"));
    pointer_ = new QLabel(this);
    pointer_->setObjectName(QStringLiteral("lblPointer"));
    pointer_->setMinimumWidth(240);
    pointer_->setText(QStringLiteral("X = ---    Y = ---"));
    pointer_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar()->addWidget(layers_, 1);
    statusBar()->addPermanentWidget(pointer_);
    connect(view_, &DrawingView::pointerMoved, this, [this](double x, double y) {
        pointer_->setText(QStringLiteral("X = %1    Y = %2").arg(x, 0, 'f', 3).arg(y, 0, 'f', 3));
    });
    resize(1100, 740);
    refresh();
}

DrawingWindow::~DrawingWindow() = default;

void DrawingWindow::buildMenus() {
    using enum DrawingCommand;
    connect(command(New), &QAction::triggered, this, &DrawingWindow::newDrawing);
    connect(command(SaveDxf), &QAction::triggered, this, &DrawingWindow::saveAsDxf);
    connect(command(SaveSima), &QAction::triggered, this, &DrawingWindow::saveAsSima);
    connect(command(SaveSvg), &QAction::triggered, this, &DrawingWindow::saveAsSvg);
    connect(command(SavePdf), &QAction::triggered, this, &DrawingWindow::saveAsPdf);
    connect(command(Print), &QAction::triggered, this, &DrawingWindow::printDrawing);
    connect(command(Close), &QAction::triggered, this, &QWidget::close);
    connect(command(Fit), &QAction::triggered, view_, &DrawingView::fitToWindow);
    connect(command(ZoomIn), &QAction::triggered, this,
            [this] { view_->zoomBy(kZoomStep, QRectF(view_->rect()).center()); });
    connect(command(ZoomOut), &QAction::triggered, this,
            [this] { view_->zoomBy(1.0 / kZoomStep, QRectF(view_->rect()).center()); });

    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("mnuDrawingFile"));
    file->addAction(command(New));
    file->addSeparator();
    file->addAction(command(SaveDxf));
    // For CAD programs that show no block attributes, where the table would stay an empty grid.
    tableAsText_ = file->addAction(QStringLiteral("DXF の面積表を文字で書き出す(&T)"));
    tableAsText_->setObjectName(QStringLiteral("mnuDrawingDxfTableAsText"));
    tableAsText_->setCheckable(true);
    tableAsText_->setStatusTip(
        QStringLiteral("DXF 形式で保存するとき、面積表の値を属性ではなく文字で書き出します（属性を表示しない CAD 用）"));
    for (DrawingCommand id : {SaveSima, SaveSvg, SavePdf}) file->addAction(command(id));
    file->addSeparator();
    file->addAction(command(Print));
    file->addSeparator();
    file->addAction(command(Close));
    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("mnuDrawingView"));
    for (DrawingCommand id : {Fit, ZoomIn, ZoomOut}) view->addAction(command(id));

    QToolBar* bar = addToolBar(QStringLiteral("toolDrawing"));
    bar->setObjectName(QStringLiteral("toolDrawing"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->toggleViewAction()->setVisible(false);
    for (DrawingCommand id : {Fit, ZoomIn, ZoomOut}) bar->addAction(command(id));
    bar->addSeparator();
    for (DrawingCommand id : {SaveDxf, SaveSima, SavePdf, Print}) bar->addAction(command(id));
    setContextMenuPolicy(Qt::NoContextMenu);
}

void DrawingWindow::refresh() {
    view_->setDrawing(drawing());
    showLayers();
}

void DrawingWindow::showLatestDrawing() {
    refresh();
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

// The layers in their colours, as the layer list of a CAD program shows them.
void DrawingWindow::showLayers() {
    QString text = QStringLiteral("画層：");
    for (const drawing::Layer& layer : drawing().layers) {
        const QString colour = QString::fromStdString(drawing::colourOnWhite(layer.colour));
        text += QStringLiteral("&nbsp;&nbsp;<span style=\"color:%1\">■</span>&nbsp;%2")
                    .arg(colour, QString::fromStdString(layer.name).toHtmlEscaped());
        if (layer.locked) text += QStringLiteral("（ロック）");
    }
    layers_->setText(text);
}

void DrawingWindow::newDrawing() {
    const Message question{"表示している図面を消去して、新しい図面にしますか？", kTitle.toStdString(),
                           Message::Icon::Question};
    if (showMessage(question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) return;
    link_ = std::make_unique<EngineCadLink>();
    refresh();
}

void DrawingWindow::saveAs(const QString& caption, const QString& filter, const QString& suffix,
                           const std::function<std::optional<Message>(const std::string&)>& write) {
    const QString start = suggestedPath_.isEmpty() ? QString() : suggestedPath_ + "." + suffix;
    const QString path = chooseFile({FileDialogRequest::Kind::Save, caption, start, filter, suffix});
    if (path.isEmpty()) return;
    if (const auto failure = write(path.toStdString())) {
        showMessage(*failure, QMessageBox::Ok);
        return;
    }
    statusBar()->showMessage(QStringLiteral("保存しました：") + path, 5000);
}

void DrawingWindow::saveAsDxf() {
    saveAs(QStringLiteral("DXF 形式で保存"), QStringLiteral("DXF ファイル (*.dxf)"), QStringLiteral("dxf"),
           [this](const std::string& path) {
               return drawing::writeDxfFile(path, drawing(), {.insertsAsText = tableAsText_->isChecked()});
           });
}

void DrawingWindow::saveAsSima() {
    if (!writeSima) return;
    saveAs(QStringLiteral("SIMA 形式で書き出し"), QStringLiteral("SIMA ファイル (*.sim)"), QStringLiteral("sim"),
           writeSima);
}

void DrawingWindow::showNotices(const std::vector<std::string>& lines) {
    QStringList all;
    for (const std::string& line : lines) all << QString::fromStdString(line);
    statusBar()->setToolTip(all.join(QLatin1Char('\n')));
    if (all.isEmpty()) {
        statusBar()->clearMessage();
        return;
    }
    const QString more = all.size() > 1 ? QStringLiteral("（ほか %1 件）").arg(all.size() - 1) : QString();
    statusBar()->showMessage(all.front() + more);
}

void DrawingWindow::saveAsSvg() {
    saveAs(QStringLiteral("SVG 形式で保存"), QStringLiteral("SVG ファイル (*.svg)"), QStringLiteral("svg"),
           [this](const std::string& path) { return drawing::writeSvgFile(path, drawing()); });
}

void DrawingWindow::saveAsPdf() {
    saveAs(QStringLiteral("PDF 形式で保存"), QStringLiteral("PDF ファイル (*.pdf)"), QStringLiteral("pdf"),
           [this](const std::string& path) { return writePdfFile(path, view_->scene()); });
}

void DrawingWindow::printDrawing() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kTitle);
    setPageForScene(printer, view_->scene());
    if (!choosePrinter(printer)) return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        showMessage(Message{"印刷を始められませんでした。", kTitle.toStdString(), Message::Icon::Critical}, QMessageBox::Ok);
        return;
    }
    paintScenePage(painter, printer, view_->scene());
    painter.end();
}

}  // namespace mirota
