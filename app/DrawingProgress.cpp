#include "app/DrawingProgress.h"

#include <algorithm>

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "ui/Twips.h"

namespace mirota {

namespace {

constexpr int kWidth = 4800;  // twips
constexpr int kHeight = 1300;

}  // namespace

DrawingProgress::DrawingProgress(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmDraw"));
    setWindowTitle(QStringLiteral("図面ファイル書き出し中"));
    setWindowModality(Qt::NonModal);
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(8);
    label_ = new QLabel(QStringLiteral("Now Drawing・・・"), this);
    label_->setObjectName(QStringLiteral("Label1"));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setTextVisible(false);
    bar_->setRange(0, 1);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addStretch();
}

void DrawingProgress::start() {
    bar_->setRange(0, 1);
    bar_->setValue(0);
    if (QWidget* owner = parentWidget()) move(owner->geometry().center() - rect().center());
    show();
    raise();
}

void DrawingProgress::setProgress(int value, int maximum) {
    // A bar of range 0..0 would show a busy indicator instead of a position.
    const int top = std::max(maximum, 1);
    if (bar_->maximum() != top) bar_->setRange(0, top);
    bar_->setValue(std::clamp(value, 0, top));
}

}  // namespace mirota
