// The drawing run: the drawing conditions are checked, the areas recalculated and the development
// sent through the link the preference chooses, with the progress window up and the busy pointer.
#include "grid/ShownRules.h"
#include "app/MainWindow.h"

#include <optional>
#include <string>

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "app/DrawingProgress.h"
#include "app/DrawingWindow.h"
#include "draw/sima/SimaExport.h"
#include "draw/stream/DrawingRun.h"
#include "draw/stream/ScriptCadLink.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {


// The busy pointer and the progress window for as long as the run goes, whichever way it ends.
class RunScreens {
public:
    explicit RunScreens(DrawingProgress& progress) : progress_(progress) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~RunScreens() {
        progress_.hide();
        QApplication::restoreOverrideCursor();
    }
    RunScreens(const RunScreens&) = delete;
    RunScreens& operator=(const RunScreens&) = delete;

    // Shows the window when the first command goes out, and keeps it painted between commands; what
    // the user types meanwhile waits, as the run does not take input.
    void report(int value, int maximum) {
        if (!progress_.isVisible()) progress_.start();
        progress_.setProgress(value, maximum);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    DrawingProgress& progress_;
};

// The first of the document's layers that an earlier additional drawing locked in the drawing. Objects
// on a locked layer are neither moved nor erased, so a drawing onto it would stay where it is drawn.
std::optional<std::string> lockedLayerOf(const SurveyData& data, const drawing::Drawing& drawing) {
    for (const std::string* name : {&data.conditions.drawingLayerName, &data.conditions.dimensionLayerName,
                                    &data.conditions.areaTableLayerName}) {
        const drawing::Layer* layer = drawing.findLayer(*name);
        if (layer && layer->locked) return *name;
    }
    return std::nullopt;
}

// The drawing run's settings: the user's preferences, as plain values.
DrawingRunSettings runSettingsOf(const Preferences& prefs) {
    const AreaRules rules = areaRulesOf(prefs);
    DrawingRunSettings settings{prefs.digitsFormat, prefs.stationPrefix,
                                {rules.rounding, rules.sum, rules.registered, prefs.areaTableSummary}};
    settings.heightLines = prefs.drawHeightLines;
    settings.exceptionFigures = prefs.drawExceptionFigures;
    settings.deductionHatching = prefs.hatchDeductions;
    settings.sideDigitsFormat = prefs.sideDigits();
    return settings;
}

}  // namespace

std::optional<Message> MainWindow::writeSima(const std::string& path) {
    const DrawingRunResult result = exportSimaFile(data_, runSettingsOf(prefs_), path);
    if (result.outcome != DrawingRunResult::Outcome::ConditionsMissing) tierView_->showCalculatedColumns();
    // A finished export has one message; it is shown only when it warns.
    if (result.finished() && result.messages.back().icon == Message::Icon::Information) return std::nullopt;
    return result.messages.empty() ? std::nullopt : std::optional<Message>(result.messages.back());
}

void MainWindow::mnuToolDraw_Click() {
    const LinkKind kind = linkKindFor(prefs_.drawingOutput);
    if (kind == LinkKind::Engine) {
        if (const auto locked = lockedLayerOf(data_, drawingWindow_->drawing())) {
            showMessage(Message{"画層「" + *locked + "」は前回の追加作図でロックされているため、作図できません。\r\n\r\n"
                                "設定で作図・寸法値・面積表のレイヤ名を前回と別の名前にするか、"
                                "図面ウィンドウの「新しい図面」で図面を新しくしてください。",
                                kProgramTitle, Message::Icon::Warning},
                        QMessageBox::Ok);
            return;
        }
        runDrawing(drawingWindow_->engineLink(), kind, {});
        return;
    }
    std::string scriptPath;
    if (kind == LinkKind::Script) {
        scriptPath = askScriptPath().toStdString();
        if (scriptPath.empty()) return;
    }
    const std::unique_ptr<CadLink> link = outsideLink(kind, scriptPath);
    if (!link) {
        showMessage(Message{"この環境では AutoCAD LT との DDE による接続は使えません。\r\n"
                            "設定の図面の出力先で、内蔵ビューアかスクリプトファイル (.scr) を選んでください。",
                            kProgramTitle, Message::Icon::Warning},
                    QMessageBox::Ok);
        return;
    }
    // A script is written once the whole drawing is in it.
    auto* script = dynamic_cast<ScriptCadLink*>(link.get());
    runDrawing(*link, kind, [script]() -> std::optional<LinkError> {
        if (!script) return std::nullopt;
        return script->save();
    });
}

QString MainWindow::askScriptPath() {
    const QString folder = dialogStartFolder();
    const QString name = data_.currentFilePath.empty()
                             ? QStringLiteral("展開図")
                             : QFileInfo(QString::fromStdString(data_.currentFilePath)).completeBaseName();
    const QString path = askFileName({FileDialogRequest::Kind::Save, QStringLiteral("スクリプトファイルの保存"),
                                     QDir(folder).filePath(name + QStringLiteral(".scr")),
                                     QStringLiteral("スクリプト ファイル (*.scr)"), QStringLiteral("scr")});
    return path.isEmpty() ? QString() : QDir::toNativeSeparators(path);
}

void MainWindow::runDrawing(CadLink& link, LinkKind kind, const std::function<std::optional<LinkError>()>& finish) {
    DrawingRunResult result;
    {
        RunScreens screens(*frmDraw_);
        DrawingRunSettings settings = runSettingsOf(prefs_);
        settings.goOnWithoutFaultyFigures = [this](const CalculationFailure& failure) {
            return goOnWithoutFaultyFigures(failure, std::nullopt, "図面を作図します");
        };
        result = drawToLink(data_, settings, link,
                            [&screens](int value, int maximum) { screens.report(value, maximum); });
        if (result.finished() && finish) {
            if (const auto failure = finish()) {
                result.outcome = DrawingRunResult::Outcome::NotFinished;
                result.messages.back() = drawingNotFinishedMessage(failure->description);
            }
        }
    }
    using Outcome = DrawingRunResult::Outcome;
    if (result.outcome != Outcome::ConditionsMissing) {
        tierView_->showCalculatedColumns();
        if (result.outcome != Outcome::NotCalculated) tierView_->showTotals();
    }
    const bool sent = result.outcome == Outcome::Finished || result.outcome == Outcome::NotFinished;
    if (sent && kind == LinkKind::Engine) {
        const QString document = QString::fromStdString(data_.currentFilePath);
        drawingWindow_->setSuggestedPath(QDir(dialogStartFolder())
                                             .filePath(document.isEmpty() ? QStringLiteral("展開図")
                                                                          : QFileInfo(document).completeBaseName()));
    }
    for (const Message& message : result.messages) showMessage(message, QMessageBox::Ok);
    // The drawing window comes up after the messages, so that it hides none of them.
    if (sent && kind == LinkKind::Engine) {
        drawingWindow_->showLatestDrawing();
        drawingWindow_->showNotices(result.notices);
    }
    if (result.openSettingsDialog()) openSettingsDialog(false);
}

}  // namespace mirota
