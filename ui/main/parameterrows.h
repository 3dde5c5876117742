// SPDX-License-Identifier: MIT
#pragma once

#include "core/jobparameters.h"

#include <span>
#include <string>

// The rows of the two grids, each described once. The main window builds the grids from
// these tables and drives every row's notifications through one handler per kind.

enum class RowKind {
    Category,
    Calculator,
    Date,          // date only: a typed time of day is dropped
    DateWithTime,  // keeps a time of day typed with the date
    Time,
    Text,
    // read-only kinds of the prediction grid
    NumberDisplay,
    DateDisplay,
    TimeDisplay,
};

enum class RowRule { None, Positive, NonNegative };

struct ParameterRowSpec {
    const char *name;
    const char *caption;
    const char *hint;              // empty: no hint
    RowKind kind;
    int imageIndex = -1;           // category icon
    bool focusable = true;         // category rows
    const char *displayFormat = "";
    bool immediatePost = false;
    bool leftAligned = false;
    double kestrun::JobParameters::*field = nullptr; // every editor row but the reason
    RowRule rule = RowRule::None;
    // The reason row stores text; it alone does not recalculate.
    bool isReason() const { return kind == RowKind::Text; }
};

// VGridIn in display order.
std::span<const ParameterRowSpec> parameterRows();
// VGridOut in display order.
std::span<const ParameterRowSpec> predictionRows();

// The eight target rows, in the order ApplyPredictTarget hides them.
std::span<const char *const> targetRowNames();
// The target rows a kind shows (empty for a value outside 0 to 5).
std::span<const char *const> targetRowsShown(kestrun::PredictTarget target);

// The order in which start-up copies the rows into the job parameters.
std::span<const char *const> rowCopyOrder();

const ParameterRowSpec *findParameterRow(std::string_view name);
