// The window "Варианты": the variant search for the input form's fixed inputs as a sortable
// table and a plot of total mass against the smaller margin, with the Pareto set marked and
// the form's current design highlighted. A click on a row or a point, or Enter on a row, hands
// that variant's inputs to the form; the table can be saved as CSV; Escape closes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/variant_plot_layout.h"
#include "engine/design_inputs.h"
#include "engine/variant_search.h"
#include "win/window.h"

namespace gearpair::win {

class VariantsWindow : public Window {
public:
    using ChosenHandler = std::function<void(const DesignInputs&)>;

    // A window owned by `form`; `chosen` receives the inputs of a chosen variant.
    VariantsWindow(HWND form, ChosenHandler chosen);
    ~VariantsWindow() override;

    // Runs the search for the form's inputs and shows it with the form's design selected; the
    // form is left as it is.
    void Search(const DesignInputs& form);
    // Shows the window beside the form, not over it, within the work area: when neither side
    // of the form has room, the form goes to the work area's corner first.
    void ShowBesideForm();

    enum Id : int {
        kTable = 3001,
        kExportButton,
        kCloseButton,
    };

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddColumns();
    void FitColumns();
    void ArrangeControls();
    LRESULT OnNotify(const NMHDR& header, LPARAM lParam);
    void SortBy(int column);
    std::optional<std::size_t> SelectedRow() const;
    // Selects the variant's row and brings it into the middle of the view; the form is left.
    void ShowRow(std::size_t row);
    // Hands the variant's inputs to the form.
    void ChooseRow(std::size_t row);
    void PaintPlot(HDC dc);
    void ExportCsv();

    HWND form_;
    ChosenHandler chosen_;
    HFONT font_;
    HFONT bold_;
    HWND summary_;
    HWND table_;
    HWND hint_;
    HWND exportButton_;
    HWND closeButton_;
    RECT plot_{};  // the plot's place in the client area

    DesignInputs fixed_;
    std::vector<Variant> variants_;
    std::optional<std::size_t> current_;
    std::vector<std::size_t> order_;  // the variant of each table row
    int sortColumn_ = -1;             // the search's order
    bool descending_ = false;
    VariantPlotLayout layout_;
};

}  // namespace gearpair::win
