#include "app/SheetDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirota {

namespace {

QComboBox* choice(const char* name, std::initializer_list<const char*> captions) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    for (const char* caption : captions) combo->addItem(QString::fromUtf8(caption));
    return combo;
}

}  // namespace

SheetDialog::SheetDialog(InputSet inputSet, QWidget* parent)
    : QDialog(parent),
      form_(choice("cboSheetForm", {"ヘロン式（三辺長）", "三斜式（底辺・高さ）"})),
      paper_(choice("cboSheetPaper", {"A4 縦", "A3 縦"})),
      inputSet_(choice("cboSheetInputSet", {"設計値", "実測値"})) {
    setObjectName(QStringLiteral("frmSheet"));
    setWindowTitle(QStringLiteral("求積表"));
    inputSet_->setCurrentIndex(static_cast<int>(inputSet));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("様式(&F)："), form_);
    fields->addRow(QStringLiteral("用紙(&Y)："), paper_);
    fields->addRow(QStringLiteral("入力値(&I)："), inputSet_);

    auto* buttons = new QDialogButtonBox;
    const auto button = [&](const char* name, const char* caption, QDialogButtonBox::ButtonRole role) {
        QPushButton* added = buttons->addButton(QString::fromUtf8(caption), role);
        added->setObjectName(QString::fromLatin1(name));
        added->setAutoDefault(false);
        return added;
    };
    connect(button("cmdSheetPdf", "PDF で保存(&S)...", QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
            &SheetDialog::pdfRequested);
    connect(button("cmdSheetPreview", "印刷プレビュー(&V)...", QDialogButtonBox::ActionRole), &QPushButton::clicked,
            this, &SheetDialog::previewRequested);
    connect(button("cmdSheetPrint", "印刷(&P)...", QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
            &SheetDialog::printRequested);
    connect(button("cmdSheetClose", "閉じる(&X)", QDialogButtonBox::RejectRole), &QPushButton::clicked, this,
            &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

sheet::Options SheetDialog::chosen() const {
    sheet::Options options;
    options.form = form_->currentIndex() == 1 ? sheet::Form::BaseAndHeight : sheet::Form::Heron;
    options.paper = paper_->currentIndex() == 1 ? sheet::Paper::A3 : sheet::Paper::A4;
    options.inputSet = inputSet_->currentIndex() == 1 ? InputSet::Measured : InputSet::Design;
    return options;
}

void SheetDialog::choose(const sheet::Options& options) {
    form_->setCurrentIndex(options.form == sheet::Form::BaseAndHeight ? 1 : 0);
    paper_->setCurrentIndex(options.paper == sheet::Paper::A3 ? 1 : 0);
    inputSet_->setCurrentIndex(static_cast<int>(options.inputSet));
}

}  // namespace mirota
