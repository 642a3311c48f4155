// ファイル > CSV で書き出し: the areas and totals with the summary, as the command line's CSV gives them.
#include "app/MainWindow.h"

#include <QDir>
#include <QFileInfo>

#include "calc/DocumentSummary.h"
#include "calc/SummaryTable.h"
#include "grid/ShownRules.h"
#include "io/CsvFile.h"

namespace mirota {

QString MainWindow::besideDocument(const QString& nameEnd) const {
    if (data_.currentFilePath.empty()) return dialogStartFolder();
    const QFileInfo document(QString::fromStdString(data_.currentFilePath));
    return QDir::toNativeSeparators(document.dir().filePath(document.completeBaseName() + nameEnd));
}

void MainWindow::mnuExportCsv_Click() {
    const QString start = besideDocument(QStringLiteral(".csv"));
    const QString path = askFileName({FileDialogRequest::Kind::Save, QStringLiteral("CSV で書き出し"), start,
                                      QStringLiteral("CSV ファイル (*.csv)"), QStringLiteral("csv")});
    if (path.isEmpty()) return;
    const AreaRules rules = areaRulesOf(prefs_);
    const auto rows = spreadsheetWithSummary(data_, rules, summarizeDocument(data_, rules));
    if (const auto failure = writeCsvFile(QDir::toNativeSeparators(path).toStdString(), rows)) {
        showMessage(*failure, QMessageBox::Ok);
    }
}

}  // namespace mirota
