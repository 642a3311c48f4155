// libFuzzer target: any bytes are either refused with a message or read into a document that
// saves without refusal, and what is saved reads back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "io/DataFileReader.h"
#include "io/DataFileWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mirota::SurveyData document;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (auto refused = mirota::parseDataFile(bytes, document)) {
        if (refused->text.empty()) std::abort();
        return 0;
    }
    std::string saved;
    if (mirota::formatDataFile(document, saved)) std::abort();  // a document read must save
    mirota::SurveyData again;
    std::string savedAgain;
    if (mirota::parseDataFile(saved, again) || mirota::formatDataFile(again, savedAgain) || savedAgain != saved) {
        std::abort();
    }
    return 0;
}
