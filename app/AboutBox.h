#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace mirota {

// The program's own version: major, minor and revision.
struct ProgramVersion {
    int major;
    int minor;
    int revision;
};
inline constexpr ProgramVersion kProgramVersion{1, 0, 7};

// "ﾊﾞｰｼﾞｮﾝ " + major + "." + minor and revision written side by side: 1, 0, 7 gives "ﾊﾞｰｼﾞｮﾝ 1.07".
QString versionCaption(const ProgramVersion& version);

// The version box (frmAbout): the application title, its version and a line of description.
// It is shown modeless; its one button closes it.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(const ProgramVersion& version = kProgramVersion, QWidget* parent = nullptr);

    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblDescription() const { return lblDescription_; }
    QPushButton* cmdOK() const { return cmdOK_; }

private:
    void frmAbout_Form_Load(const ProgramVersion& version);

    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace mirota
