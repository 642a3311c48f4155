#include "app/AreaRulesBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "calc/AreaRules.h"
#include "model/NumberText.h"
#include "ui/QtText.h"

namespace mirota {

namespace {

// A combo whose items carry the rule's name as their data.
template <class Rule>
QComboBox* ruleCombo(const char* objectName, std::initializer_list<std::pair<Rule, const char*>> items) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromUtf8(objectName));
    for (const auto& [rule, caption] : items) combo->addItem(QString::fromUtf8(caption), qt(std::string(nameOf(rule))));
    return combo;
}

void select(QComboBox* combo, const std::string& name) {
    const int index = combo->findData(qt(name));
    combo->setCurrentIndex(index >= 0 ? index : 0);  // a name not in the list: the default, first
}

std::string selected(const QComboBox* combo) { return combo->currentData().toString().toStdString(); }

}  // namespace

AreaRulesBox::AreaRulesBox(QWidget* parent)
    : QGroupBox(QStringLiteral("面積の計算"), parent),
      rounding_(ruleCombo<RoundingRule>("cboRounding", {{RoundingRule::HalfUp, "四捨五入"},
                                                         {RoundingRule::Down, "切り捨て"},
                                                         {RoundingRule::Up, "切り上げ"}})),
      sum_(ruleCombo<SumRule>("cboSumRule",
                              {{SumRule::Stored, "計算値の合計"}, {SumRule::Shown, "表示した値の合計"}})),
      registered_(ruleCombo<RegisteredClass>("cboRegistered", {{RegisteredClass::None, "なし"},
                                                                {RegisteredClass::Residential, "土地：宅地・鉱泉地"},
                                                                {RegisteredClass::Other, "土地：その他の地目"},
                                                                {RegisteredClass::Floor, "建物：床面積"}})),
      sideDigits_(new QComboBox),
      tsubo_(new QCheckBox(QStringLiteral("坪も表示する(&P)"))),
      areaTableSummary_(new QCheckBox(QStringLiteral("面積表に差引面積と合計を作図する(&A)"))) {
    setObjectName(QStringLiteral("fraAreaRules"));
    tsubo_->setObjectName(QStringLiteral("chkTsubo"));
    areaTableSummary_->setObjectName(QStringLiteral("chkAreaTableSummary"));
    // 辺の桁数: typed sides and elements (2 for cm, 3 for mm), apart from the computed values' 桁数.
    sideDigits_->setObjectName(QStringLiteral("cboSideDigits"));
    sideDigits_->addItem(QStringLiteral("桁数と同じ"), QString());
    for (int decimals = 0; decimals <= 5; ++decimals) {
        const QString format = qt(number::digitsFormatFor(decimals));
        sideDigits_->addItem(decimals == 0 ? QStringLiteral("0") : format, format);
    }
    auto* layout = new QGridLayout(this);
    const std::pair<const char*, QComboBox*> rows[] = {
        {"端数処理(&R)：", rounding_}, {"合計の出し方(&W)：", sum_}, {"登記面積(&D)：", registered_},
        {"辺の桁数(&Q)：", sideDigits_}};
    int row = 0;
    for (const auto& [caption, combo] : rows) {
        auto* label = new QLabel(QString::fromUtf8(caption));
        label->setBuddy(combo);
        layout->addWidget(label, row, 0, Qt::AlignRight);
        layout->addWidget(combo, row++, 1, Qt::AlignLeft);
    }
    layout->addWidget(tsubo_, 0, 2);
    layout->addWidget(areaTableSummary_, 1, 2);
    layout->setColumnStretch(3, 1);
}

void AreaRulesBox::load(const Preferences& prefs) {
    select(rounding_, prefs.roundingRule);
    select(sum_, prefs.sumRule);
    select(registered_, prefs.registeredClass);
    select(sideDigits_, prefs.sideDigitsFormat);
    tsubo_->setChecked(prefs.showTsubo);
    areaTableSummary_->setChecked(prefs.areaTableSummary);
}

void AreaRulesBox::store(Preferences& prefs) const {
    prefs.roundingRule = selected(rounding_);
    prefs.sumRule = selected(sum_);
    prefs.registeredClass = selected(registered_);
    prefs.sideDigitsFormat = selected(sideDigits_);
    prefs.showTsubo = tsubo_->isChecked();
    prefs.areaTableSummary = areaTableSummary_->isChecked();
}

}  // namespace mirota
