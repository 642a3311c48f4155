#pragma once

#include <optional>

#include <QWidget>

#include "model/SurveyData.h"
#include "settings/Preferences.h"

class QLabel;

namespace mirota {

class DevelopmentView;

// The development of the document beside the grids, redrawn after every change: what can be laid
// out is drawn, the first figure that cannot is named in red below. It only reads the document.
class PreviewPane : public QWidget {
    Q_OBJECT

public:
    PreviewPane(const SurveyData& data, const Preferences& prefs, QWidget* parent = nullptr);

    // The width it first takes beside the grids.
    QSize sizeHint() const override;

    DevelopmentView* view() const { return view_; }
    // The line naming the figure that could not be laid out; hidden when every figure was.
    QLabel* faultLine() const { return faultLine_; }

public slots:
    // Lays the development out again from the document (nothing while the pane is hidden).
    void refresh();
    // The figure of the current grid row of the current tier, or none.
    void setCurrentFigure(std::optional<int> figure);

signals:
    void figureClicked(int tier, int figure);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const SurveyData& data_;
    const Preferences& prefs_;
    DevelopmentView* view_ = nullptr;
    QLabel* faultLine_ = nullptr;
    std::optional<int> currentFigure_;
};

}  // namespace mirota
