#pragma once

#include <QDialog>

#include "draw/sheet/SheetOptions.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

namespace mirota {

// ファイル > 求積表: the choice of form, paper and input set, the title block (所在, 地番, 地目 or the
// building, 作成者, 作成日, 縮尺), and the commands that make the sheet from it (PDF, print preview, print).
// The window makes the sheet and keeps the title block with the document; the dialog only asks.
class SheetDialog : public QDialog {
    Q_OBJECT

public:
    // The title block as the document keeps it; a floor area names its building where land has its 地目.
    SheetDialog(InputSet inputSet, const TitleBlock& titleBlock, RegisteredClass registered, QWidget* parent);

    // The form, paper, input set, title block, date and scale chosen; everything else as the options' defaults.
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
    QLineEdit* location_;
    QLineEdit* lot_;
    QLineEdit* landUse_;
    QLineEdit* author_;
    QDateEdit* date_;
    QComboBox* scale_;
};

}  // namespace mirota
