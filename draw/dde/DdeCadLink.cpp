#include "draw/dde/DdeCadLink.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <ddeml.h>

#include <string_view>

#include "model/CodePage.h"

namespace mirota {

namespace {

// A client needs no callback of its own: it starts every transaction itself and waits for it.
HDDEDATA CALLBACK clientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

std::string errorName(UINT error) {
    switch (error) {
    case DMLERR_ADVACKTIMEOUT: return "DMLERR_ADVACKTIMEOUT";
    case DMLERR_BUSY: return "DMLERR_BUSY";
    case DMLERR_DATAACKTIMEOUT: return "DMLERR_DATAACKTIMEOUT";
    case DMLERR_DLL_NOT_INITIALIZED: return "DMLERR_DLL_NOT_INITIALIZED";
    case DMLERR_DLL_USAGE: return "DMLERR_DLL_USAGE";
    case DMLERR_EXECACKTIMEOUT: return "DMLERR_EXECACKTIMEOUT";
    case DMLERR_INVALIDPARAMETER: return "DMLERR_INVALIDPARAMETER";
    case DMLERR_LOW_MEMORY: return "DMLERR_LOW_MEMORY";
    case DMLERR_MEMORY_ERROR: return "DMLERR_MEMORY_ERROR";
    case DMLERR_NOTPROCESSED: return "DMLERR_NOTPROCESSED";
    case DMLERR_NO_CONV_ESTABLISHED: return "DMLERR_NO_CONV_ESTABLISHED";
    case DMLERR_POKEACKTIMEOUT: return "DMLERR_POKEACKTIMEOUT";
    case DMLERR_POSTMSG_FAILED: return "DMLERR_POSTMSG_FAILED";
    case DMLERR_REENTRANCY: return "DMLERR_REENTRANCY";
    case DMLERR_SERVER_DIED: return "DMLERR_SERVER_DIED";
    case DMLERR_SYS_ERROR: return "DMLERR_SYS_ERROR";
    case DMLERR_UNADVACKTIMEOUT: return "DMLERR_UNADVACKTIMEOUT";
    case DMLERR_UNFOUND_QUEUE_ID: return "DMLERR_UNFOUND_QUEUE_ID";
    default: return std::to_string(error);
    }
}

LinkError failure(const std::string& text, UINT error) { return LinkError{text + "（DDE エラー " + errorName(error) + "）"}; }

// "5", "0.25": the time-out in seconds for the messages.
std::string secondsText(int milliseconds) {
    std::string text = std::to_string(milliseconds / 1000);
    int fraction = milliseconds % 1000;
    if (fraction == 0) return text;
    std::string digits = std::to_string(1000 + fraction).substr(1);
    while (digits.back() == '0') digits.pop_back();
    return text + "." + digits;
}

// The command's name, its first answer, to say which command failed.
std::string commandName(std::string_view text) { return std::string(text.substr(0, text.find('\r'))); }

// A string handle for the conversation's names, freed at the end of its scope.
class StringHandle {
public:
    StringHandle(DWORD instance, const std::string& codePageText)
        : instance_(instance), handle_(DdeCreateStringHandleA(instance, codePageText.c_str(), CP_WINANSI)) {}
    ~StringHandle() {
        if (handle_) DdeFreeStringHandle(instance_, handle_);
    }
    StringHandle(const StringHandle&) = delete;
    StringHandle& operator=(const StringHandle&) = delete;

    HSZ get() const { return handle_; }

private:
    DWORD instance_;
    HSZ handle_;
};

}  // namespace

DdeCadLink::DdeCadLink(int timeoutMilliseconds) : timeoutMilliseconds_(timeoutMilliseconds) {}

DdeCadLink::~DdeCadLink() {
    close();
    // Ending the instance would close an abandoned conversation after all, and wait.
    if (instance_ && !abandoned_) DdeUninitialize(instance_);
}

void DdeCadLink::close() {
    if (conversation_) DdeDisconnect(static_cast<HCONV>(conversation_));
    conversation_ = nullptr;
}

std::optional<LinkError> DdeCadLink::open(const std::string& application, const std::string& topic) {
    close();
    application_ = application;
    if (!instance_) {
        DWORD instance = 0;
        const UINT error = DdeInitializeA(&instance, clientCallback, APPCMD_CLIENTONLY | CBF_SKIP_ALLNOTIFICATIONS, 0);
        if (error != DMLERR_NO_ERROR) return failure("DDE を使う準備ができませんでした。", error);
        instance_ = instance;
    }
    const codepage::Conversion service = codepage::fromUtf8(application);
    const codepage::Conversion subject = codepage::fromUtf8(topic);
    if (!service.ok() || !subject.ok()) {
        return LinkError{"DDE のアプリケーション名かトピックにコードページ 932 にない文字があります。"};
    }
    const StringHandle serviceHandle(instance_, service.text);
    const StringHandle topicHandle(instance_, subject.text);
    if (!serviceHandle.get() || !topicHandle.get()) {
        return failure("DDE の名前を登録できませんでした。", DdeGetLastError(instance_));
    }
    conversation_ = DdeConnect(instance_, serviceHandle.get(), topicHandle.get(), nullptr);
    if (!conversation_) {
        const UINT error = DdeGetLastError(instance_);
        return failure("「" + application + "」（トピック「" + topic + "」）と DDE で接続できませんでした。" +
                           application + " が起動していないか、応答していません。",
                       error);
    }
    return std::nullopt;
}

std::optional<LinkError> DdeCadLink::execute(const std::string& text) {
    if (!conversation_) return LinkError{"「" + application_ + "」との DDE 接続が開かれていません。"};
    const std::string command = commandName(text);
    // The request ends at its NUL: a NUL inside would cut the command short.
    if (text.find('\0') != std::string::npos) {
        return LinkError{"命令「" + command + "」に NUL 文字が含まれているため送れません。"};
    }
    const codepage::Conversion converted = codepage::fromUtf8(text);
    if (!converted.ok()) {
        return LinkError{"命令「" + command + "」の文字「" + codepage::characterAt(text, *converted.failedAt) +
                         "」は送れません（コードページ 932 にない文字です）。"};
    }
    std::string request = converted.text;
    request.push_back('\0');
    if (request.size() > 0xFFFFFFFFu) return LinkError{"命令「" + command + "」が長すぎて送れません。"};

    const HDDEDATA accepted = DdeClientTransaction(
        reinterpret_cast<LPBYTE>(request.data()), static_cast<DWORD>(request.size()),
        static_cast<HCONV>(conversation_), nullptr, CF_TEXT, XTYP_EXECUTE,
        static_cast<DWORD>(timeoutMilliseconds_), nullptr);
    if (accepted) return std::nullopt;

    const UINT error = DdeGetLastError(instance_);
    switch (error) {
    case DMLERR_EXECACKTIMEOUT:
        // Closing the conversation would wait for the busy program to answer the close as well
        // (up to another 10 seconds): it is left as it is, and the next open() starts a new one.
        conversation_ = nullptr;
        abandoned_ = true;
        return failure(application_ + " が命令「" + command + "」を " + secondsText(timeoutMilliseconds_) +
                           " 秒以内に受け付けませんでした（時間切れ）。ほかの処理の途中か、応答していません。",
                       error);
    case DMLERR_NOTPROCESSED:
        return failure(application_ + " が命令「" + command + "」を拒否しました。", error);
    case DMLERR_BUSY:
        return failure(application_ + " が取り込み中のため、命令「" + command + "」を受け付けませんでした。", error);
    default:
        return failure(application_ + " に命令「" + command + "」を送れませんでした。DDE 接続が切れた可能性があります。",
                       error);
    }
}

}  // namespace mirota
