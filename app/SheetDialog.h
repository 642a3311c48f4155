#pragma once

#include <QDialog>

#include "draw/sheet/SheetOptions.h"

class QComboBox;

namespace mirota {

// ファイル > 求積表: the choice of form, paper and input set, and the commands that make the sheet from
// it (PDF, print preview, print). The window makes the sheet; the dialog only asks.
class SheetDialog : public QDialog {
    Q_OBJECT

public:
    SheetDialog(InputSet inputSet, QWidget* parent);

    // The form, paper and input set chosen; everything else as the options' defaults.
    sheet::Options chosen() const;
    // Shows the form, paper and input set of these options as chosen.
    void choose(const sheet::Options& options);

signals:
    void pdfRequested();
    void previewRequested();
    void printRequested();

private:
    QComboBox* form_;
    QComboBox* paper_;
    QComboBox* inputSet_;
};

}  // namespace mirota
