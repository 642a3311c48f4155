#pragma once

#include <string>

#include "model/DrawingConditions.h"
#include "model/SurveyData.h"

namespace mirota {

// What the settings dialog changes in the document: the drawing conditions, the CAD release and the
// option flags. They travel in the data file.
struct DocumentSettings {
    DrawingConditions conditions;
    std::string acadVersion;
    decltype(SurveyData::optionFlags) optionFlags{};

    static DocumentSettings of(const SurveyData& data) { return {data.conditions, data.acadVersion, data.optionFlags}; }
    void applyTo(SurveyData& data) const {
        data.conditions = conditions;
        data.acadVersion = acadVersion;
        data.optionFlags = optionFlags;
    }

    bool operator==(const DocumentSettings&) const = default;
};

}  // namespace mirota
