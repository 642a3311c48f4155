#include "ui/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/FocusReturn.h"

namespace mirota {

QString startFolderFor(const QString& documentPath, const QString& lastUsedFolder) {
    const QString candidates[] = {documentPath.isEmpty() ? QString() : QFileInfo(documentPath).absolutePath(),
                                  lastUsedFolder,
                                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
    for (const QString& folder : candidates) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) return QDir::toNativeSeparators(folder);
    }
    return QDir::toNativeSeparators(QDir::homePath());
}

QString showFileDialog(QWidget* parent, const FileDialogRequest& request) {
    const FocusReturn focusReturn;
    QFileDialog dialog(parent, request.caption, request.start, request.filter);
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace mirota
