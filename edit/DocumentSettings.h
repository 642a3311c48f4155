#pragma once

#include <string>
#include <utility>

#include "model/DrawingConditions.h"
#include "model/SurveyData.h"

namespace mirota {

// What the settings dialog changes in the document: the drawing conditions, the CAD release and the
// option flags; and the sheet's title block. They travel in the data file.
struct DocumentSettings {
    DrawingConditions conditions;
    std::string acadVersion;
    decltype(SurveyData::optionFlags) optionFlags{};
    TitleBlock titleBlock;

    static DocumentSettings of(const SurveyData& data) {
        return {data.conditions, data.acadVersion, data.optionFlags, data.titleBlock};
    }
    // Copied whole before anything is replaced: a failure leaves the document's settings as they were.
    void applyTo(SurveyData& data) const { DocumentSettings(*this).moveTo(data); }
    void moveTo(SurveyData& data) && noexcept {
        data.conditions = std::move(conditions);
        data.acadVersion = std::move(acadVersion);
        data.optionFlags = optionFlags;
        data.titleBlock = std::move(titleBlock);
    }

    bool operator==(const DocumentSettings&) const = default;
};

}  // namespace mirota
