// The window "Варианты": the variant search for the input form's fixed inputs as a sortable
// table and a plot of total mass against the smaller margin, with the Pareto set marked and
// the form's current design highlighted. Choosing a row or a point hands its inputs to the
// form; the table can be exported as CSV.
#pragma once

#include <QWidget>

#include <optional>
#include <vector>

#include "app/variant_table.h"
#include "engine/design_inputs.h"
#include "engine/variant_search.h"
#include "ui/variants_model.h"

class QLabel;
class QSortFilterProxyModel;
class QTableView;

namespace gearpair {

class VariantPlot;

class VariantsWindow : public QWidget {
    Q_OBJECT

public:
    explicit VariantsWindow(QWidget* parent = nullptr);

    // Runs the search for the ratio, power, speed, life and arrangement of `form`, over the
    // default hardness list and the form's own hardness, and shows it; the form's design is
    // the current one.
    void Search(const DesignInputs& form);

    const VariantsModel& Model() const { return model_; }
    QTableView* Table() const { return table_; }
    VariantPlot* Plot() const { return plot_; }

    // Selects the variant (row of the model) in the table and hands its inputs to the form, as
    // a click on its row or its point does.
    void SelectVariant(std::size_t row);
    // Saves the table as CSV after asking for the file; a failure goes to the error box.
    void ExportCsv();

signals:
    // The inputs of the variant chosen in the table or on the plot.
    void VariantChosen(const gearpair::DesignInputs& inputs);

protected:
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Selects the row and brings it into view without touching the form.
    void ShowRow(std::size_t row);
    // Hands the row's inputs to the form.
    void ChooseRow(std::size_t row);
    void OnCurrentRowChanged(const QModelIndex& current);

    DesignInputs fixed_;
    VariantsModel model_;
    QSortFilterProxyModel* proxy_;
    QTableView* table_;
    VariantPlot* plot_;
    QLabel* summary_;
};

}  // namespace gearpair
