// ファイル > 求積表: the area calculation sheet the core lays out, saved as PDF, previewed or printed.
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

#include "app/MainWindow.h"
#include "app/SheetDialog.h"
#include "grid/ShownRules.h"
#include "model/NumberText.h"
#include "model/ProgramTitle.h"
#include "settings/PreferencesStore.h"
#include "viewer/SheetPages.h"

namespace mirota {

namespace {

const QString kTitle = QString::fromUtf8(kProgramTitle);

// The printer ready for the sheet: its paper, the whole page to paint on.
void prepare(QPrinter& printer, const sheet::Sheet& sheet) {
    printer.setDocName(QString::fromStdString(sheet.title));
    printer.setFullPage(true);
    setPageForSheet(printer, sheet);
}

}  // namespace

void MainWindow::mnuSheet_Click() {
    tierView_->HideCellEditors();
    auto* dialog = new SheetDialog(data_.view.currentInputSet, data_.titleBlock, areaRulesOf(prefs_).registered, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const auto make = [this, dialog](void (MainWindow::*use)(const sheet::Sheet&)) {
        if (const auto sheet = sheetAskedFor(*dialog)) (this->*use)(*sheet);
    };
    connect(dialog, &SheetDialog::pdfRequested, this, [make] { make(&MainWindow::saveSheetPdf); });
    connect(dialog, &SheetDialog::previewRequested, this, [make] { make(&MainWindow::previewSheet); });
    connect(dialog, &SheetDialog::printRequested, this, [make] { make(&MainWindow::printSheet); });
    dialog->open();
    // The dialog offers the user's last choice, the input set being edited until one was made.
    sheet::Options last;
    last.form = sheet::formNamed(prefs_.sheetForm).value_or(sheet::Form::Heron);
    last.paper = sheet::paperNamed(prefs_.sheetPaper).value_or(sheet::Paper::A4);
    last.inputSet = prefs_.sheetInputSet == "measured" ? InputSet::Measured
                    : prefs_.sheetInputSet == "design" ? InputSet::Design
                                                       : data_.view.currentInputSet;
    dialog->choose(last);
    connect(dialog, &QDialog::finished, this, [this, dialog] {
        const sheet::Options chosen = dialog->chosen();
        prefs_.sheetForm = chosen.form == sheet::Form::BaseAndHeight ? "sansha" : "heron";
        prefs_.sheetPaper = chosen.paper == sheet::Paper::A3 ? "a3" : "a4";
        prefs_.sheetInputSet = chosen.inputSet == InputSet::Measured ? "measured" : "design";
        writeSheetSettings(*openSettingsKey(), prefs_);
    });
}

std::optional<sheet::Sheet> MainWindow::sheetAskedFor(const SheetDialog& dialog) {
    const sheet::Options chosen = dialog.chosen();
    for (const TitleField& field : kTitleFields) {
        if (const auto problem = titleFieldProblem(chosen.titleBlock.*field.field)) {
            showMessage(Message{std::string(field.name) + *problem, kProgramTitle, Message::Icon::Warning}, QMessageBox::Ok);
            return std::nullopt;
        }
    }
    if (edits_.changeTitleBlock(chosen.titleBlock)) updateCaption();
    const auto failure = calculateAndShow();
    if (failure && !goOnWithoutFaultyFigures(*failure, chosen.inputSet, "求積表を作成します")) return std::nullopt;
    return sheetFor(chosen);
}

sheet::Sheet MainWindow::sheetFor(sheet::Options chosen) const {
    chosen.rules = areaRulesOf(prefs_);
    chosen.sideDecimals = number::decimalsOf(prefs_.sideDigits());
    chosen.stationPrefix = prefs_.stationPrefix;
    chosen.documentName = QFileInfo(QString::fromStdString(data_.currentFilePath)).completeBaseName().toStdString();
    if (chosen.date.empty()) {
        const QDate today = QDate::currentDate();
        chosen.date = sheet::sheetDate(today.year(), today.month(), today.day());
    }
    return sheet::layOutSheet(data_, chosen);
}

void MainWindow::saveSheetPdf(const sheet::Sheet& sheet) {
    const QString start = besideDocument(QStringLiteral("_求積表.pdf"));
    const QString path = askFileName({FileDialogRequest::Kind::Save, QStringLiteral("求積表を PDF で保存"), start,
                                      QStringLiteral("PDF ファイル (*.pdf)"), QStringLiteral("pdf")});
    if (path.isEmpty()) return;
    if (const auto failure = writeSheetPdfFile(path.toStdString(), sheet)) {
        showMessage(*failure, QMessageBox::Ok);
        return;
    }
    statusBar()->showMessage(QStringLiteral("求積表を保存しました：") + QDir::toNativeSeparators(path), 5000);
}

void MainWindow::previewSheet(const sheet::Sheet& sheet) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, sheet);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("求積表 - 印刷プレビュー"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&sheet](QPrinter* target) {
        QPainter painter(target);
        paintSheet(painter, *target, sheet);
    });
    preview.exec();
}

void MainWindow::printSheet(const sheet::Sheet& sheet) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, sheet);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("求積表の印刷"));
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter;
    if (!painter.begin(&printer) || !paintSheet(painter, printer, sheet)) {
        showMessage(Message{"求積表を印刷できませんでした。", kTitle.toStdString(), Message::Icon::Critical}, QMessageBox::Ok);
    }
}

}  // namespace mirota
