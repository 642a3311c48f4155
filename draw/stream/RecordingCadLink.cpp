#include "draw/stream/RecordingCadLink.h"

namespace mirota {

std::optional<LinkError> RecordingCadLink::open(const std::string& application, const std::string& topic) {
    open_ = false;
    if (openFailure_) return LinkError{*openFailure_};
    opened_.emplace_back(application, topic);
    open_ = true;
    return std::nullopt;
}

std::optional<LinkError> RecordingCadLink::execute(const std::string& text) {
    if (!open_) return LinkError{"作図ソフトとの接続が開かれていません。"};
    if (++executeCount_ == failingExecute_) {
        open_ = false;
        return LinkError{executeFailure_};
    }
    requests_.push_back(text);
    return std::nullopt;
}

void RecordingCadLink::failOnOpen(std::string description) { openFailure_ = std::move(description); }

void RecordingCadLink::failAtExecute(int n, std::string description) {
    failingExecute_ = n;
    executeFailure_ = std::move(description);
}

}  // namespace mirota
