#pragma once

#include "draw/sheet/SheetOptions.h"
#include "draw/sheet/SheetPage.h"
#include "model/SurveyData.h"

namespace mirota::sheet {

// The area calculation sheet (求積表) of a calculated document, page by page: a title block (the document,
// the date, the input set, the unit, the rounding and sum rules, the form), every tier's tables with
// their totals (their header rows repeated on every page they run to), the summary with the grand total
// and the registered area, and the development drawn to a scale, on the last page when it fits there,
// else on a page of its own. Every page is numbered "n / N".
Sheet layOutSheet(const SurveyData& data, const Options& options);

}  // namespace mirota::sheet
