#include "app/AboutBox.h"
#include "model/ProgramTitle.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace mirota {

namespace {

const QString kApplicationTitle = QString::fromUtf8(kProgramTitle);

// The program's picture: a development of three triangles, the middle one numbered in a circle.
QPixmap programPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    p.setBrush(QColor(255, 255, 255));
    p.setPen(QPen(QColor(40, 48, 60), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawRoundedRect(QRectF(1.5, 1.5, 45, 45), 5, 5);
    const QPointF bottom[] = {{6, 36}, {24, 36}, {42, 36}};
    const QPointF top[] = {{15, 16}, {33, 16}};
    const QPointF triangles[3][3] = {{bottom[0], top[0], bottom[1]}, {top[0], bottom[1], top[1]},
                                     {bottom[1], top[1], bottom[2]}};
    p.setPen(QPen(QColor(38, 110, 200), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 1 ? QColor(255, 255, 255) : QColor(214, 230, 250));
        p.drawPolygon(triangles[i], 3);
    }
    p.setPen(QPen(QColor(200, 50, 50), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(24, 21.8), 4.6, 4.6);
    QFont font = p.font();
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(19, 16.8, 10, 10), Qt::AlignCenter, QStringLiteral("2"));
    p.setPen(QPen(QColor(40, 48, 60), 1.2));
    p.drawLine(QPointF(6, 41), QPointF(42, 41));
    return pixmap;
}

}  // namespace

QString versionCaption(const ProgramVersion& version) {
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + QString::number(version.major) + QLatin1Char('.') +
           QString::number(version.minor) + QString::number(version.revision);
}

AboutBox::AboutBox(const ProgramVersion& version, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    setModal(false);

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setPixmap(programPicture(48));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle_ = new QLabel(QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ ﾀｲﾄﾙ"));
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);
    lblVersion_ = new QLabel(QStringLiteral("ﾊﾞｰｼﾞｮﾝ"));
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    lblDescription_ = new QLabel(
        QStringLiteral("三角形の三辺から面積を求め、測量図形の展開図を作図するプログラムです。"));
    lblDescription_->setObjectName(QStringLiteral("lblDescription"));

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    cmdOK_ = new QPushButton(QStringLiteral("OK"));
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdOK_->setMinimumWidth(96);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(6);
    layout->addWidget(picture, 0, 0, 3, 1);
    layout->addWidget(lblTitle_, 0, 1);
    layout->addWidget(lblVersion_, 1, 1);
    layout->addWidget(lblDescription_, 2, 1);
    layout->setRowMinimumHeight(3, 8);
    layout->addWidget(line, 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    layout->addLayout(buttons, 5, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    frmAbout_Form_Load(version);
}

void AboutBox::frmAbout_Form_Load(const ProgramVersion& version) {
    setWindowTitle(kApplicationTitle + QStringLiteral(" のﾊﾞｰｼﾞｮﾝ情報"));
    lblVersion_->setText(versionCaption(version));
    lblTitle_->setText(kApplicationTitle);
}

}  // namespace mirota
