#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QDialog>

#include "edit/DocumentEditor.h"
#include "ui/MessageSink.h"
#include "model/SurveyData.h"
#include "settings/Preferences.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirota {

class AreaRulesBox;

// The settings dialog (frmSetUp, "設定"): the drawing conditions of the document, the CAD release, the
// two options with the station-name prefix, and how a drawing reaches the CAD program.
// The two lists, the release and the option boxes take effect the moment they are changed; the fields,
// the two drawing check boxes, the output choice and the drawing options are stored only by "設 定".
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kFieldCount = 11;

    // offerDde: the platform can hold a DDE conversation with the CAD program.
    // Every change of the document goes through edits, as one transaction each.
    SettingsDialog(DocumentEditor& edits, Preferences& prefs, bool offerDde, QWidget* parent = nullptr);

    // How the dialog shows a message and learns the answer; tests put a recorder in its place.
    MessageSink showMessage;
    // Both buttons end by asking the main window to refresh its chain grid and its layout.
    std::function<void()> refreshMainWindow;

    // The controls. Fields 0..4 and 8..10 are numbers, 5..7 the layer names.
    QLineEdit* txtDrawIni(int index) const { return txtDrawIni_.at(static_cast<std::size_t>(index)); }
    QComboBox* cboDrawIni(int index) const { return cboDrawIni_.at(static_cast<std::size_t>(index)); }
    QCheckBox* ChkDrawini(int index) const { return ChkDrawini_.at(static_cast<std::size_t>(index)); }
    QGroupBox* areaTablePosition() const { return fraAreaTable_; }
    QRadioButton* Option1() const { return Option1_; }
    QRadioButton* Option2() const { return Option2_; }
    QCheckBox* chkSetUp(int index) const { return chkSetUp_.at(static_cast<std::size_t>(index)); }
    QLineEdit* txtSetUp() const { return txtSetUp_; }
    QComboBox* cboOutput() const { return cboOutput_; }
    AreaRulesBox* areaRules() const { return areaRules_; }
    // The drawing options in the order of kDrawingOptionSettings: 三斜, exception figures, hatching.
    QCheckBox* drawingOption(int index) const { return drawingOptions_.at(static_cast<std::size_t>(index)); }
    QPushButton* cmdSetUp(int index) const { return cmdSetUp_.at(static_cast<std::size_t>(index)); }

    // 0 "設 定": check the entries, store them, write the options, close; 1 "中 止": close.
    void cmdSetUp_Click(int index);

    // The field's number as a single: the whole text one decimal number within the single range.
    static std::optional<float> fieldNumber(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape and the window's close button end the dialog as "中 止" does.
    void reject() override;

private:
    void buildControls(bool offerDde);
    void Form_Load();
    bool txtDrawIni_KeyPress(int index, QKeyEvent* key);
    void txtDrawIni_LostFocus(int index);
    void chkSetUp_Click(int index);
    bool storeEntries();
    void unload(DialogCode result);
    // Reports a refused entry and puts the cursor into its field.
    void refuse(int field, const Message& message);
    // Moves the focus without the check made on leaving a field.
    void focusQuietly(QWidget* widget);
    const std::string& digits() const { return prefs_.digitsFormat; }
    // The document's settings as change leaves them, stored as one edit.
    void changeDocument(const std::function<void(DocumentSettings&)>& change);

    DocumentEditor& edits_;
    const SurveyData& data_;
    Preferences& prefs_;
    bool focusMovedByDialog_ = false;

    std::array<QLineEdit*, kFieldCount> txtDrawIni_{};
    std::array<QComboBox*, 2> cboDrawIni_{};
    std::array<QCheckBox*, 2> ChkDrawini_{};
    QGroupBox* fraAreaTable_ = nullptr;
    QRadioButton* Option1_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    std::array<QCheckBox*, 2> chkSetUp_{};
    QLineEdit* txtSetUp_ = nullptr;
    QComboBox* cboOutput_ = nullptr;
    AreaRulesBox* areaRules_ = nullptr;
    std::array<QCheckBox*, std::size(kDrawingOptionSettings)> drawingOptions_{};
    std::array<QPushButton*, 2> cmdSetUp_{};
};

}  // namespace mirota
