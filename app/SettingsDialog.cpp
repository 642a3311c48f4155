#include "app/SettingsDialog.h"

#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/AreaRulesBox.h"
#include "model/NumberText.h"
#include "settings/PreferencesStore.h"
#include "ui/QtText.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

constexpr float kStartScale = 200.0f;

// Fields that must hold a number when the cursor leaves them.
constexpr bool isNumericField(int index) { return index <= 4 || index >= 8; }


// The number fields stored as typed, in the order they are checked, and where each is kept.
struct NumberField {
    int field;
    float DrawingConditions::*value;
    const char* caption;  // as the messages name the field
};
constexpr NumberField kTypedNumbers[] = {{0, &DrawingConditions::referenceX, "基準図形の座標値 X"},
                                         {1, &DrawingConditions::referenceY, "基準図形の座標値 Y"},
                                         {2, &DrawingConditions::referenceAngle, "基準図形の角度"},
                                         {8, &DrawingConditions::tableX, "面積表位置 X"},
                                         {9, &DrawingConditions::tableY, "面積表位置 Y"}};

struct LayerField {
    int field;
    std::string DrawingConditions::*name;
    const char* standard;  // shown and kept when the name is empty
    const char* caption;   // as the messages name the field
};
constexpr LayerField kLayerFields[] = {{5, &DrawingConditions::drawingLayerName, "図面", "作図レイヤ名"},
                                       {6, &DrawingConditions::dimensionLayerName, "寸法値", "寸法値レイヤ名"},
                                       {7, &DrawingConditions::areaTableLayerName, "面積表", "面積表レイヤ名"}};

// What list 0 (the dimension position) or list 1 (the display unit) stores for an item.
void storeListItem(DrawingConditions& c, int list, int item) {
    if (list == 0) {
        c.dimensionPosition = static_cast<DimensionPosition>(item);
    } else {
        c.displayUnit = static_cast<DisplayUnit>(item);
    }
}

// A check box stores its state only when it differs from what the value shows (checked: On), so
// that a value outside On and Off stays unless the box is changed.
void storeCheckBox(Switch& value, bool checked) {
    if (checked != (value == Switch::On)) value = checked ? Switch::On : Switch::Off;
}

// Plain number text: the shortest decimal form of the single.
QString plainText(float value) { return std::isfinite(value) ? qt(number::singleText(value)) : QString(); }

QLabel* caption(const QString& text, QWidget* buddy, bool required = false) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(buddy);
    if (required) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(Qt::red));
        label->setPalette(palette);
    }
    return label;
}

struct OutputChoice {
    const char* caption;
    const char* value;
    bool needsDde;
};

// The captions of the drawing options, in the order of kDrawingOptionSettings.
constexpr const char* kDrawingOptionCaptions[] = {
    "三斜（底辺と高さ）を作図する(&1)",
    "例外処理の四角・円を位置に作図する(&2)",
    "控除図形にハッチングをかける(&3)",
};
static_assert(std::size(kDrawingOptionCaptions) == std::size(kDrawingOptionSettings));

constexpr OutputChoice kOutputs[] = {
    {"内蔵ビューア", "engine", false},
    {"AutoCAD LT (DDE)", "dde", true},
    {"スクリプトファイル (.scr)", "script", false},
};

}  // namespace

std::optional<float> SettingsDialog::fieldNumber(const QString& text) {
    const auto value = number::strictNumber(text.toStdString());
    if (!value) return std::nullopt;
    const float single = number::toSingle(*value);
    if (!std::isfinite(single)) return std::nullopt;
    return single;
}

SettingsDialog::SettingsDialog(DocumentEditor& edits, Preferences& prefs, bool offerDde, QWidget* parent)
    : QDialog(parent), edits_(edits), data_(edits.document()), prefs_(prefs) {
    setObjectName(QStringLiteral("frmSetUp"));
    setWindowTitle(QStringLiteral("設定"));
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    showMessage = [this](const Message& message, QMessageBox::StandardButtons buttons) {
        return showMessageBox(this, message, buttons);
    };
    buildControls(offerDde);
    Form_Load();

    // Connected after loading: only the user's changes take effect at once.
    for (int i = 0; i < 2; ++i) {
        connect(cboDrawIni(i), &QComboBox::currentIndexChanged, this, [this, i](int index) {
            if (index < 0) return;
            changeDocument([&](DocumentSettings& s) { storeListItem(s.conditions, i, index); });
        });
        connect(chkSetUp(i), &QCheckBox::toggled, this, [this, i] { chkSetUp_Click(i); });
        connect(cmdSetUp(i), &QPushButton::clicked, this, [this, i] { cmdSetUp_Click(i); });
    }
    connect(ChkDrawini(1), &QCheckBox::toggled, fraAreaTable_, &QWidget::setEnabled);
    connect(Option1_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) changeDocument([](DocumentSettings& s) { s.acadVersion = "98"; });
    });
    connect(Option2_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) changeDocument([](DocumentSettings& s) { s.acadVersion = "2000"; });
    });
}

void SettingsDialog::buildControls(bool offerDde) {
    for (int i = 0; i < kFieldCount; ++i) {
        auto* field = new QLineEdit;
        field->setObjectName(QStringLiteral("txtDrawIni%1").arg(i));
        const bool layer = !isNumericField(i);
        field->setFixedWidth(layer ? 120 : 96);
        if (!layer) field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->installEventFilter(this);
        txtDrawIni_[static_cast<std::size_t>(i)] = field;
    }
    for (int i = 0; i < 2; ++i) {
        auto* list = new QComboBox;
        list->setObjectName(QStringLiteral("cboDrawIni%1").arg(i));
        list->setFixedWidth(96);
        cboDrawIni_[static_cast<std::size_t>(i)] = list;
        auto* box = new QCheckBox(i == 0 ? QStringLiteral("追加作図(&T)") : QStringLiteral("面積表作図(&H)"));
        box->setObjectName(QStringLiteral("ChkDrawini%1").arg(i));
        ChkDrawini_[static_cast<std::size_t>(i)] = box;
    }

    auto* conditions = new QGroupBox(QStringLiteral("作図条件 ( 赤字は必須項目 ）"));
    auto* grid = new QGridLayout(conditions);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    grid->setColumnMinimumWidth(2, 24);
    grid->addWidget(caption(QStringLiteral("基準図形の座標値 ： X(&X) ="), txtDrawIni(0)), 0, 0);
    grid->addWidget(txtDrawIni(0), 0, 1);
    grid->addWidget(caption(QString(25, QLatin1Char(' ')) + QStringLiteral("： Y(&Y) ="), txtDrawIni(1)), 1, 0);
    grid->addWidget(txtDrawIni(1), 1, 1);
    grid->addWidget(caption(QStringLiteral("基準図形の角度(&G) ：（度）"), txtDrawIni(2)), 2, 0);
    grid->addWidget(txtDrawIni(2), 2, 1);
    grid->addWidget(caption(QStringLiteral("Noサイズ(㎜)(&N)："), txtDrawIni(3), true), 3, 0);
    grid->addWidget(txtDrawIni(3), 3, 1);
    grid->addWidget(caption(QStringLiteral("寸法値サイズ(㎜)(&Z)："), txtDrawIni(4), true), 4, 0);
    grid->addWidget(txtDrawIni(4), 4, 1);
    grid->addWidget(caption(QStringLiteral("縮尺(&K)："), txtDrawIni(10), true), 5, 0);
    grid->addWidget(txtDrawIni(10), 5, 1);
    grid->addWidget(caption(QStringLiteral("作図レイヤ名(&L)："), txtDrawIni(5)), 0, 3);
    grid->addWidget(txtDrawIni(5), 0, 4);
    grid->addWidget(caption(QStringLiteral("寸法値レイヤ名(&M)："), txtDrawIni(6)), 1, 3);
    grid->addWidget(txtDrawIni(6), 1, 4);
    grid->addWidget(caption(QStringLiteral("面積表レイヤ名(&J)："), txtDrawIni(7)), 2, 3);
    grid->addWidget(txtDrawIni(7), 2, 4);
    grid->addWidget(caption(QStringLiteral("寸法値位置(&I)："), cboDrawIni(0)), 3, 3);
    grid->addWidget(cboDrawIni(0), 3, 4, Qt::AlignLeft);
    grid->addWidget(caption(QStringLiteral("表示単位(&U)："), cboDrawIni(1)), 4, 3);
    grid->addWidget(cboDrawIni(1), 4, 4, Qt::AlignLeft);

    fraAreaTable_ = new QGroupBox(QStringLiteral("面積表位置（左上）"));
    fraAreaTable_->setObjectName(QStringLiteral("fraAreaTable"));
    auto* position = new QHBoxLayout(fraAreaTable_);
    position->addWidget(caption(QStringLiteral("X=(&E)："), txtDrawIni(8)));
    position->addWidget(txtDrawIni(8));
    position->addSpacing(12);
    position->addWidget(caption(QStringLiteral("Y=(&F)："), txtDrawIni(9)));
    position->addWidget(txtDrawIni(9));
    position->addStretch();
    auto* checks = new QVBoxLayout;
    checks->addWidget(ChkDrawini(0));
    checks->addWidget(ChkDrawini(1));
    auto* drawingRow = new QHBoxLayout;
    drawingRow->addLayout(checks);
    drawingRow->addSpacing(16);
    drawingRow->addWidget(fraAreaTable_, 1);
    grid->addLayout(drawingRow, 6, 0, 1, 5);

    auto* release = new QGroupBox(QStringLiteral("AutoCAD LTのバージョン"));
    Option1_ = new QRadioButton(QStringLiteral("AutoCAD LT98(&9)"));
    Option1_->setObjectName(QStringLiteral("Option1"));
    Option2_ = new QRadioButton(QStringLiteral("AutoCAD LT2000以降(&0)"));
    Option2_->setObjectName(QStringLiteral("Option2"));
    auto* releaseLayout = new QVBoxLayout(release);
    releaseLayout->addWidget(Option1_);
    releaseLayout->addWidget(Option2_);

    auto* output = new QGroupBox(QStringLiteral("作図の出力先(&O)"));
    cboOutput_ = new QComboBox;
    cboOutput_->setObjectName(QStringLiteral("cboOutput"));
    for (const OutputChoice& choice : kOutputs) {
        if (choice.needsDde && !offerDde) continue;
        cboOutput_->addItem(QString::fromUtf8(choice.caption), QString::fromUtf8(choice.value));
    }
    auto* outputLayout = new QVBoxLayout(output);
    outputLayout->addWidget(cboOutput_);
    outputLayout->addStretch();

    auto* options = new QGroupBox(QStringLiteral("オプション"));
    auto* optionLayout = new QGridLayout(options);
    for (int i = 0; i < 2; ++i) {
        auto* box = new QCheckBox(i == 0 ? QStringLiteral("フォームのサイズを保存する(&V)")
                                         : QStringLiteral("測点名の接頭語を指定する(&B)"));
        box->setObjectName(QStringLiteral("chkSetUp%1").arg(i));
        chkSetUp_[static_cast<std::size_t>(i)] = box;
        optionLayout->addWidget(box, i, 0);
    }
    txtSetUp_ = new QLineEdit;
    txtSetUp_->setObjectName(QStringLiteral("txtSetUp"));
    txtSetUp_->setFixedWidth(96);
    optionLayout->addWidget(txtSetUp_, 1, 1);
    optionLayout->setColumnStretch(2, 1);

    auto* drawingOptions = new QGroupBox(QStringLiteral("作図オプション"));
    auto* drawingOptionLayout = new QHBoxLayout(drawingOptions);
    for (std::size_t i = 0; i < drawingOptions_.size(); ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(kDrawingOptionCaptions[i]));
        box->setObjectName(QStringLiteral("chk") + QString::fromUtf8(kDrawingOptionSettings[i].name));
        drawingOptions_[i] = box;
        drawingOptionLayout->addWidget(box);
    }
    drawingOptionLayout->addStretch();

    auto* lower = new QHBoxLayout;
    lower->addWidget(release);
    lower->addWidget(output);
    lower->addWidget(options, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(i == 0 ? QStringLiteral("設 定(&S)") : QStringLiteral("中 止(&C)"));
        button->setObjectName(QStringLiteral("cmdSetUp%1").arg(i));
        button->setAutoDefault(false);
        button->setMinimumWidth(96);
        // A click keeps the cursor where it is, so the field it leaves is checked by the button itself.
        button->setFocusPolicy(Qt::TabFocus);
        cmdSetUp_[static_cast<std::size_t>(i)] = button;
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(conditions);
    areaRules_ = new AreaRulesBox;
    layout->addWidget(areaRules_);
    layout->addLayout(lower);
    layout->addWidget(drawingOptions);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* order[] = {txtDrawIni(0), txtDrawIni(1), txtDrawIni(2), txtDrawIni(3), txtDrawIni(4), txtDrawIni(10),
                        txtDrawIni(5), txtDrawIni(6), txtDrawIni(7), cboDrawIni(0), cboDrawIni(1), ChkDrawini(0),
                        ChkDrawini(1), txtDrawIni(8), txtDrawIni(9), areaRules_->rounding(), areaRules_->sum(),
                        areaRules_->registered(), areaRules_->sideDigits(), areaRules_->tsubo(), areaRules_->areaTableSummary(), Option1_,
                        Option2_, cboOutput_, chkSetUp(0), chkSetUp(1), txtSetUp_, drawingOption(0), drawingOption(1),
                        drawingOption(2), cmdSetUp(0), cmdSetUp(1)};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void SettingsDialog::changeDocument(const std::function<void(DocumentSettings&)>& change) {
    DocumentSettings settings = DocumentSettings::of(data_);
    change(settings);
    edits_.changeSettings(settings);
}

void SettingsDialog::Form_Load() {
    const DrawingConditions& c = data_.conditions;
    cboDrawIni(0)->clear();
    cboDrawIni(0)->addItems({QStringLiteral("上段"), QStringLiteral("中段"), QStringLiteral("下段")});
    cboDrawIni(1)->clear();
    cboDrawIni(1)->addItems({QStringLiteral("ｍ"), QStringLiteral("ｃｍ"), QStringLiteral("ｍｍ")});

    txtDrawIni(0)->setText(qt(number::formatSingle(c.referenceX, digits())));
    txtDrawIni(1)->setText(qt(number::formatSingle(c.referenceY, digits())));
    txtDrawIni(2)->setText(plainText(c.referenceAngle));
    txtDrawIni(8)->setText(plainText(c.tableX));
    txtDrawIni(9)->setText(plainText(c.tableY));
    txtDrawIni(10)->setText(plainText(c.scale));
    areaRules_->load(prefs_);
    // The text heights are shown as millimetres on paper at the scale; a scale of 0 is shown as 1:200.
    float scale = c.scale;
    if (scale == 0) {
        scale = kStartScale;
        txtDrawIni(10)->setText(QStringLiteral("200"));
    }
    txtDrawIni(3)->setText(plainText(c.numberHeight / scale * 1000.0f));
    txtDrawIni(4)->setText(plainText(c.labelHeight / scale * 1000.0f));

    // A value outside a list selects nothing.
    const int listed[] = {static_cast<int>(c.dimensionPosition), static_cast<int>(c.displayUnit)};
    for (int i = 0; i < 2; ++i) {
        cboDrawIni(i)->setCurrentIndex(listed[i] >= 0 && listed[i] < cboDrawIni(i)->count() ? listed[i] : -1);
    }
    ChkDrawini(0)->setChecked(c.additionalDrawing == Switch::On);
    ChkDrawini(1)->setChecked(c.areaTable == Switch::On);

    changeDocument([this](DocumentSettings& s) {
        for (const LayerField& layer : kLayerFields) {
            std::string& name = s.conditions.*layer.name;
            if (name.empty()) name = layer.standard;
            txtDrawIni(layer.field)->setText(qt(name));
        }
    });

    (number::leadingNumber(data_.acadVersion) != 2000 ? Option1_ : Option2_)->setChecked(true);

    for (std::size_t i = 0; i < kNumberedOptions.size(); ++i) {
        chkSetUp(static_cast<int>(i))->setChecked(data_.optionFlags.*kNumberedOptions[i]);
    }
    txtSetUp_->setEnabled(data_.optionFlags.useStationPrefix);
    if (data_.optionFlags.useStationPrefix) txtSetUp_->setText(qt(prefs_.stationPrefix));

    const int output = cboOutput_->findData(qt(prefs_.drawingOutput));
    cboOutput_->setCurrentIndex(output >= 0 ? output : 0);
    for (std::size_t i = 0; i < drawingOptions_.size(); ++i) {
        drawingOptions_[i]->setChecked(prefs_.*kDrawingOptionSettings[i].value);
    }
    fraAreaTable_->setEnabled(ChkDrawini(1)->isChecked());
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < kFieldCount; ++i) {
        if (watched != txtDrawIni(i)) continue;
        switch (event->type()) {
            case QEvent::FocusIn:
                txtDrawIni(i)->selectAll();
                // A click places the caret after the focus arrives; select once it has.
                QTimer::singleShot(0, txtDrawIni(i), &QLineEdit::selectAll);
                break;
            case QEvent::KeyPress:
                if (txtDrawIni_KeyPress(i, static_cast<QKeyEvent*>(event))) return true;
                break;
            case QEvent::FocusOut: {
                // Another window coming to the front or a menu opening does not leave the field.
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                if (!focusMovedByDialog_ && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                    // Told once the focus change is complete, never in the middle of it.
                    QTimer::singleShot(0, this, [this, i] { txtDrawIni_LostFocus(i); });
                }
                break;
            }
            default:
                break;
        }
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool SettingsDialog::txtDrawIni_KeyPress(int index, QKeyEvent* key) {
    const int code = key->key();
    if (key->text().isEmpty() || code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_Escape) return false;
    QLineEdit* field = txtDrawIni(index);
    if (index == 4 || index == 5) {
        const auto value = number::strictNumber(field->text().toStdString());
        if (value && *value < 0) {
            showMessage(Message{"0以上の数値を入力してください", kProgramTitle, Message::Icon::None}, QMessageBox::Ok);
            field->setText(QStringLiteral("0"));
            return true;
        }
    }
    if (code == Qt::Key_Return || code == Qt::Key_Enter) {
        field->setText(qt(number::formatDigits(field->text().toStdString(), digits())));
        chkSetUp(0)->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

void SettingsDialog::txtDrawIni_LostFocus(int index) {
    QLineEdit* field = txtDrawIni(index);
    if (!isNumericField(index) || !isVisible() || !field->isEnabled() || fieldNumber(field->text())) return;
    showMessage(Message{"数値を入力して下さい", kProgramTitle, Message::Icon::None}, QMessageBox::Ok);
    focusQuietly(field);
}

void SettingsDialog::chkSetUp_Click(int index) {
    const bool set = chkSetUp(index)->isChecked();
    bool OptionFlags::*option = kNumberedOptions[static_cast<std::size_t>(index)];
    changeDocument([&](DocumentSettings& s) { s.optionFlags.*option = set; });
    prefs_.optionFlags.*option = set;
    if (index != 1) return;
    txtSetUp_->setEnabled(set);
    // Without the prefix option the figures carry no prefix: the box is emptied as it is on opening.
    txtSetUp_->setText(set ? qt(prefs_.stationPrefix) : QString());
}

void SettingsDialog::focusQuietly(QWidget* widget) {
    focusMovedByDialog_ = true;
    widget->setFocus(Qt::OtherFocusReason);
    focusMovedByDialog_ = false;
}

void SettingsDialog::refuse(int field, const Message& message) {
    showMessage(message, QMessageBox::Ok);
    focusQuietly(txtDrawIni(field));
}

void SettingsDialog::cmdSetUp_Click(int index) {
    if (index == 0 && !storeEntries()) return;
    unload(index == 0 ? Accepted : Rejected);
}

void SettingsDialog::reject() { cmdSetUp_Click(1); }

void SettingsDialog::unload(DialogCode result) {
    if (refreshMainWindow) refreshMainWindow();
    done(result);
}

bool SettingsDialog::storeEntries() {
    // The required entries, the scale first: each a number above 0.
    struct Required {
        int field;
        const char* text;
    };
    const Required required[] = {{10, "縮尺を入力してください！(0以上)"},
                                 {3, "Noサイズを入力してください！(0以上)"},
                                 {4, "寸法値を入力してください！(0以上)"}};
    std::array<float, kFieldCount> entered{};
    for (const Required& entry : required) {
        const auto value = fieldNumber(txtDrawIni(entry.field)->text());
        if (!value || !(*value > 0)) {
            refuse(entry.field, Message{entry.text, "入力必須項目", Message::Icon::Warning});
            return false;
        }
        entered[static_cast<std::size_t>(entry.field)] = *value;
    }
    // The heights in drawing units: millimetres on paper at the scale.
    const float scale = entered[10];
    const float numberHeight = scale * entered[3] / 1000.0f;
    const float dimensionHeight = scale * entered[4] / 1000.0f;
    if (!std::isfinite(numberHeight) || !std::isfinite(dimensionHeight)) {
        const Required& entry = std::isfinite(numberHeight) ? required[2] : required[1];
        refuse(entry.field, Message{entry.text, "入力必須項目", Message::Icon::Warning});
        return false;
    }

    // The other numbers, in field order; an empty field counts 0. The reference point and angle are
    // stored as each passes, the rest once all have.
    DocumentSettings settings = DocumentSettings::of(data_);
    DrawingConditions& c = settings.conditions;
    for (const auto& [field, stored, fieldCaption] : kTypedNumbers) {
        const QString text = txtDrawIni(field)->text();
        float value = 0;
        if (!text.isEmpty()) {
            const auto number = fieldNumber(text);
            if (!number && !txtDrawIni(field)->isEnabled()) {
                // The table position while no table is drawn: what cannot be entered is not taken.
                entered[static_cast<std::size_t>(field)] = c.*stored;
                continue;
            }
            if (!number) {
                edits_.changeSettings(settings);  // the reference point and angle that passed stay stored
                refuse(field, Message{"作図条件は数値を入力してください！ 【" + std::string(fieldCaption) + "】", "入力形式指定",
                                      Message::Icon::Warning});
                return false;
            }
            value = *number;
        }
        if (field <= 2) c.*stored = value;
        entered[static_cast<std::size_t>(field)] = value;
    }
    for (const LayerField& layer : kLayerFields) {
        // Too long, or a character the data file cannot hold: named as the save would name it.
        if (const auto problem = layerNameProblem(txtDrawIni(layer.field)->text().toStdString())) {
            const std::string text = std::string(layer.caption) + *problem;
            edits_.changeSettings(settings);  // the reference point and angle that passed stay stored
            refuse(layer.field, Message{text, "入力形式指定", Message::Icon::Warning});
            return false;
        }
    }
    c.tableX = entered[8];
    c.tableY = entered[9];
    c.scale = entered[10];
    for (int i = 0; i < 2; ++i) {
        const int index = cboDrawIni(i)->currentIndex();
        if (index >= 0) storeListItem(c, i, index);
    }
    storeCheckBox(c.additionalDrawing, ChkDrawini(0)->isChecked());
    storeCheckBox(c.areaTable, ChkDrawini(1)->isChecked());
    for (const LayerField& layer : kLayerFields) c.*layer.name = txtDrawIni(layer.field)->text().toStdString();
    c.numberHeight = numberHeight;
    c.labelHeight = dimensionHeight;
    edits_.changeSettings(settings);
    prefs_.stationPrefix = txtSetUp_->text().toStdString();
    prefs_.drawingOutput = cboOutput_->currentData().toString().toStdString();
    areaRules_->store(prefs_);
    for (std::size_t i = 0; i < drawingOptions_.size(); ++i) {
        prefs_.*kDrawingOptionSettings[i].value = drawingOptions_[i]->isChecked();
    }

    auto key = openSettingsKey();
    for (std::size_t i = 0; i < kNumberedOptions.size(); ++i) {
        writeSettingText(*key, optionFlagName(static_cast<int>(i)), data_.optionFlags.*kNumberedOptions[i] ? "1" : "0");
    }
    writeSettingText(*key, optionTextName(1), prefs_.stationPrefix);
    writeSettingText(*key, "Keta", prefs_.digitsFormat);
    writeAreaRuleSettings(*key, prefs_);
    for (const DrawingOptionSetting& option : kDrawingOptionSettings) {
        writeSettingText(*key, option.name, prefs_.*option.value ? "1" : "0");
    }
    return true;
}

}  // namespace mirota
