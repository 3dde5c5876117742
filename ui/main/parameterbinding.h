// SPDX-License-Identifier: MIT
#pragma once

#include "core/jobparameters.h"
#include "core/regionalsettings.h"
#include "ui/main/parameterrows.h"

#include <QString>

#include <functional>

class GridEditorRow;
class VerticalGrid;

// Builds the rows of the parameter and prediction grids from their tables and binds the
// parameter rows to the job parameters: one handler per notification kind serves every
// row, told apart by the row's table entry.
class ParameterBinding {
public:
    ParameterBinding(VerticalGrid *input, VerticalGrid *output, kestrun::JobParameters &parameters,
                     const kestrun::RegionalSettings &settings, std::function<void()> recalculate);

    void buildRows();
    // Start-up: every parameter row's value into its field, in the documented order.
    void copyRowsIntoParameters();
    // The publishing half of Recalculate: the eight prediction rows, in publishing order.
    void publish();
    // Shows exactly the target rows of a kind, in place.
    void showTargetRows(kestrun::PredictTarget target);

    GridEditorRow *inputRow(const char *name) const;
    GridEditorRow *outputRow(const char *name) const;

private:
    void EditPropertiesChange(const ParameterRowSpec &spec);
    void EditPropertiesEditValueChanged(const ParameterRowSpec &spec);
    void EditPropertiesValidate(const ParameterRowSpec &spec, const QString &text, QString &errorText, bool &error);

    void storeCommittedValue(const ParameterRowSpec &spec);
    double convertEditorText(const ParameterRowSpec &spec, const QString &text) const;

    VerticalGrid *m_input;
    VerticalGrid *m_output;
    kestrun::JobParameters &m_parameters;
    const kestrun::RegionalSettings &m_settings;
    std::function<void()> m_recalculate;
};
