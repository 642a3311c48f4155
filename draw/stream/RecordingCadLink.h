#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "draw/CadLink.h"

namespace mirota {

// A link that keeps every command text it is given, in order, instead of drawing. It can be told
// to fail on open or at the n-th execute, to see how a drawing copes with a lost conversation.
class RecordingCadLink : public CadLink {
public:
    std::optional<LinkError> open(const std::string& application, const std::string& topic) override;
    // Records the text; fails while no conversation is open, or when told to.
    std::optional<LinkError> execute(const std::string& text) override;

    // Every text accepted since construction, across conversations.
    const std::vector<std::string>& requests() const { return requests_; }
    // Every (application, topic) opened, in order.
    const std::vector<std::pair<std::string, std::string>>& opened() const { return opened_; }
    bool isOpen() const { return open_; }

    void failOnOpen(std::string description = "作図ソフトとの接続を開けませんでした。");
    // Fails the n-th execute (1-based, counted over the life of the link) and closes the conversation.
    void failAtExecute(int n, std::string description = "作図ソフトが命令を受け付けませんでした。");

private:
    std::vector<std::string> requests_;
    std::vector<std::pair<std::string, std::string>> opened_;
    bool open_ = false;
    int executeCount_ = 0;
    std::optional<std::string> openFailure_;
    int failingExecute_ = 0;
    std::string executeFailure_;
};

}  // namespace mirota
