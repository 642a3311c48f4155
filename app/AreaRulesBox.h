#pragma once

#include <QGroupBox>

#include "settings/Preferences.h"

class QCheckBox;
class QComboBox;

namespace mirota {

// The settings dialog's 面積の計算 group: how computed values are rounded (端数処理) and added up
// (合計の出し方), the registered area asked for, 坪, and the area table's net lines. These are the user's
// preferences, not the document's.
class AreaRulesBox : public QGroupBox {
    Q_OBJECT

public:
    explicit AreaRulesBox(QWidget* parent = nullptr);

    void load(const Preferences& prefs);
    void store(Preferences& prefs) const;

    QComboBox* rounding() const { return rounding_; }
    QComboBox* sum() const { return sum_; }
    QComboBox* registered() const { return registered_; }
    QComboBox* sideDigits() const { return sideDigits_; }
    QCheckBox* tsubo() const { return tsubo_; }
    QCheckBox* areaTableSummary() const { return areaTableSummary_; }

private:
    QComboBox* rounding_;
    QComboBox* sum_;
    QComboBox* registered_;
    QComboBox* sideDigits_;
    QCheckBox* tsubo_;
    QCheckBox* areaTableSummary_;
};

}  // namespace mirota
