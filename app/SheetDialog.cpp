#include "app/SheetDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace mirota {

namespace {

QComboBox* choice(const char* name, std::initializer_list<const char*> captions) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    for (const char* caption : captions) combo->addItem(QString::fromUtf8(caption));
    return combo;
}

QLineEdit* field(const char* name, const std::string& text) {
    auto* edit = new QLineEdit(qt(text));
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(static_cast<int>(TitleBlock::kMaxCharacters));
    edit->setMinimumWidth(280);
    return edit;
}

// The development's scales offered besides the one chosen to fit (the first item).
constexpr int kScales[] = {50, 100, 200, 250, 300, 500, 600, 1000, 2500, 5000};

}  // namespace

SheetDialog::SheetDialog(InputSet inputSet, const TitleBlock& titleBlock, RegisteredClass registered, QWidget* parent)
    : QDialog(parent),
      form_(choice("cboSheetForm", {"ヘロン式（三辺長）", "三斜式（底辺・高さ）"})),
      paper_(choice("cboSheetPaper", {"A4 縦", "A3 縦"})),
      inputSet_(choice("cboSheetInputSet", {"設計値", "実測値"})),
      location_(field("txtSheetLocation", titleBlock.location)),
      lot_(field("txtSheetLot", titleBlock.lot)),
      landUse_(field("txtSheetLandUse", titleBlock.landUse)),
      author_(field("txtSheetAuthor", titleBlock.author)),
      date_(new QDateEdit(QDate::currentDate())),
      scale_(choice("cboSheetScale", {"自動（用紙に合わせる）"})) {
    setObjectName(QStringLiteral("frmSheet"));
    setWindowTitle(QStringLiteral("求積表"));
    inputSet_->setCurrentIndex(static_cast<int>(inputSet));
    date_->setObjectName(QStringLiteral("dtpSheetDate"));
    date_->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    date_->setCalendarPopup(true);
    for (const int scale : kScales) scale_->addItem(QStringLiteral("1/%1").arg(scale), scale);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("様式(&F)："), form_);
    fields->addRow(QStringLiteral("用紙(&Y)："), paper_);
    fields->addRow(QStringLiteral("入力値(&I)："), inputSet_);
    fields->addRow(QStringLiteral("所在(&L)："), location_);
    fields->addRow(QStringLiteral("地番(&N)："), lot_);
    fields->addRow(registered == RegisteredClass::Floor ? QStringLiteral("建物(&U)：") : QStringLiteral("地目(&U)："),
                   landUse_);
    fields->addRow(QStringLiteral("作成者(&A)："), author_);
    fields->addRow(QStringLiteral("作成日(&D)："), date_);
    fields->addRow(QStringLiteral("縮尺(&C)："), scale_);

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
    options.titleBlock = {location_->text().toStdString(), lot_->text().toStdString(), landUse_->text().toStdString(),
                          author_->text().toStdString()};
    const QDate date = date_->date();
    options.date = sheet::sheetDate(date.year(), date.month(), date.day());
    options.scale = scale_->currentData().toDouble();
    return options;
}

void SheetDialog::choose(const sheet::Options& options) {
    form_->setCurrentIndex(options.form == sheet::Form::BaseAndHeight ? 1 : 0);
    paper_->setCurrentIndex(options.paper == sheet::Paper::A3 ? 1 : 0);
    inputSet_->setCurrentIndex(static_cast<int>(options.inputSet));
}

}  // namespace mirota
