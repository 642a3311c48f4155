#pragma once

#include <optional>
#include <string>

#include "draw/CadLink.h"

namespace mirota {

// The conversation with the running CAD program over DDE (Windows only): a DDEML client in its ANSI
// form, since the CAD program takes code page 932 bytes. Every command text goes out unchanged as
// one execute request, in code page 932 and ended by a NUL, and must be accepted within the
// time-out. open() closes the conversation of an earlier run and opens a new one, so that the CAD
// program may have been restarted in between. A conversation whose request timed out is abandoned
// rather than closed, since closing it would wait for the busy program. Every failure is described
// in words for the user, with the DDE error.
class DdeCadLink : public CadLink {
public:
    explicit DdeCadLink(int timeoutMilliseconds = kTimeoutMilliseconds);
    ~DdeCadLink() override;
    DdeCadLink(const DdeCadLink&) = delete;
    DdeCadLink& operator=(const DdeCadLink&) = delete;

    std::optional<LinkError> open(const std::string& application, const std::string& topic) override;
    std::optional<LinkError> execute(const std::string& text) override;

private:
    void close();

    int timeoutMilliseconds_;
    unsigned long instance_ = 0;   // the DDEML instance, made by the first open()
    void* conversation_ = nullptr;  // HCONV while a conversation is open
    bool abandoned_ = false;        // a conversation was left behind after a time-out
    std::string application_;       // named in the messages
};

}  // namespace mirota
