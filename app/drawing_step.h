// The working drawings of a completed design: those of a design job, written by
// `gearpair-cli --drawings DIR` and into the hand-off's dwgN, and those of a desktop program's
// run, written into its dwgN and shown in its drawing window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/design_job.h"
#include "app/design_texts.h"
#include "drawing/drawing_files.h"
#include "drawing/drawings.h"
#include "engine/design_products.h"
#include "engine/gear_design.h"

namespace gearpair {

// Why a design gets no sheets: "Чертежи не выполнены." and the warning of a pair that cannot be
// made; empty when its sheets are drawn.
std::string NoDrawingsReason(const DesignProducts& products);

// Writes the drawing files of the completed job into `dir` (created when missing), the SVG
// files only `withSvg`, through the drawing pipeline; the job gains the paths written (after any
// written before, also those before a failure; none written leaves them as they were). A failure
// makes the job failed with the file layer's message, which names the file. A pair that cannot
// be made gets no files: its list is empty, its status stays and its message says why.
// `inputs` are the title blocks' texts. A gear shaft is drawn whole from the job's shafts.
void WriteJobDrawings(JobResult& job, const std::string& dir, bool withSvg,
                      const DrawingInputs& inputs = {});

// The drawings of a desktop program's completed run.
struct RunDrawings {
    DrawingFiles files;     // both sheets, the files written and the failure's message, if any
    std::string directory;  // the run's dwgN, where the drawing window's save dialogs open
    PartWarnings warnings;  // the line above each part's sheet
    std::string reason;     // NoDrawingsReason: why there are no sheets; empty when drawn
};

// Writes the DXF and PDF files of the session's completed run (its record and `products`)
// into the run's dwgN with the title blocks' texts `inputs`. The hand-off is complete by then:
// a failure here is the result's message, never an exception, and leaves the hand-off alone.
// With the run's `arrangement` a gear shaft is drawn whole, its shafts designed here with the
// sketch layout's distances; where no bearing fits them the sheet keeps the toothed part.
RunDrawings WriteRunDrawings(const GearSession& session, const DesignProducts& products,
                             const DrawingInputs& inputs,
                             std::optional<std::uint8_t> arrangement = std::nullopt);

}  // namespace gearpair
