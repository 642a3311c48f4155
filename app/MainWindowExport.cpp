// ファイル > CSV で書き出し: the areas and totals as the command line's CSV gives them.
#include "app/MainWindow.h"

#include <QDir>
#include <QFileInfo>

#include "calc/ResultRows.h"
#include "grid/ShownRules.h"
#include "io/CsvFile.h"

namespace mirota {

void MainWindow::mnuExportCsv_Click() {
    // Beside the document, under its name; an untitled document starts where the dialogs start.
    QString start = dialogStartFolder();
    if (!data_.currentFilePath.empty()) {
        const QFileInfo document(QString::fromStdString(data_.currentFilePath));
        start = document.dir().filePath(document.completeBaseName() + QStringLiteral(".csv"));
    }
    const QString path = askFileName({FileDialogRequest::Kind::Save, QStringLiteral("CSV で書き出し"), start,
                                      QStringLiteral("CSV ファイル (*.csv)"), QStringLiteral("csv")});
    if (path.isEmpty()) return;
    const auto rows = resultSpreadsheet(data_, areaRulesOf(prefs_));
    if (const auto failure = writeCsvFile(QDir::toNativeSeparators(path).toStdString(), rows)) {
        showMessage(*failure, QMessageBox::Ok);
    }
}

}  // namespace mirota
