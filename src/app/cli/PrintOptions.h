#pragma once

#include "printing/ListingReport.h"
#include "printing/SlipPages.h"
#include "system/ProgramState.h"

#include <string>
#include <vector>

namespace varnelo::cli {

// The options of "tabulato" and "stampa".
struct PrintRequest {
    std::string folder;
    std::string system;
    bool slips = false;   // --schedine
    bool listing = false; // --tabulato
    int perSlip = 5;
    MarkMode mode = MarkMode::Black;
    ListingSize size = ListingSize::Normal;
    ListingSections sections = defaultListingSections();
    std::string pdf;
};

// `allowed` names the options the command takes; false after an Italian
// message on standard error.
bool parsePrintRequest(std::vector<std::string> args, const std::vector<std::string>& allowed,
                       PrintRequest& r);

// The system of the request opened into `state`; false after its notice.
bool openPrintedSystem(ProgramState& state, const PrintRequest& r);

} // namespace varnelo::cli
