// SPDX-License-Identifier: MIT
#include "ui/main/parameterbinding.h"

#include "core/dateops.h"
#include "core/error.h"
#include "core/regionaldates.h"
#include "core/validation.h"
#include "ui/widgets/datetimevalue.h"
#include "ui/widgets/verticalgrid.h"

#include <QDate>

using kestrun::DateTime;
using kestrun::Error;
using kestrun::JobParameters;
using kestrun::PredictTarget;

namespace {

EditorKind editorKindOf(RowKind kind)
{
    switch (kind) {
    case RowKind::Calculator: return EditorKind::Calculator;
    case RowKind::Date:
    case RowKind::DateWithTime: return EditorKind::Date;
    case RowKind::Time: return EditorKind::Time;
    case RowKind::Text: return EditorKind::Text;
    case RowKind::NumberDisplay: return EditorKind::NumberDisplay;
    case RowKind::DateDisplay: return EditorKind::DateDisplay;
    case RowKind::TimeDisplay: return EditorKind::TimeDisplay;
    case RowKind::Category: break;
    }
    return EditorKind::Text;
}

bool isDateTimeKind(RowKind kind)
{
    return kind == RowKind::Date || kind == RowKind::DateWithTime || kind == RowKind::Time;
}

QVariant designValue(const ParameterRowSpec &spec)
{
    static const JobParameters defaults = kestrun::jobParameterDefaults();
    if (spec.isReason())
        return QString::fromStdString(defaults.DelayReason);
    const double value = defaults.*spec.field;
    if (isDateTimeKind(spec.kind))
        return QVariant::fromValue(DateTimeValue{value});
    return value;
}

double numberOf(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<DateTimeValue>())
        return value.value<DateTimeValue>().days;
    return value.toDouble();
}

QString formatted(const char *pattern, const QString &text)
{
    return QString::fromLatin1(pattern).arg(text);
}

} // namespace

ParameterBinding::ParameterBinding(VerticalGrid *input, VerticalGrid *output, JobParameters &parameters,
                                   const kestrun::RegionalSettings &settings, std::function<void()> recalculate)
    : m_input(input), m_output(output), m_parameters(parameters), m_settings(settings),
      m_recalculate(std::move(recalculate))
{
}

namespace {

// Adds a row of a table to a grid; the editor row it made, or null for a category row.
GridEditorRow *addRow(VerticalGrid *grid, const ParameterRowSpec &spec)
{
    const QString name = QString::fromLatin1(spec.name);
    const QString caption = QString::fromLatin1(spec.caption);
    const QString hint = QString::fromLatin1(spec.hint);
    if (spec.kind == RowKind::Category) {
        grid->addCategoryRow(name, caption, hint, spec.imageIndex, spec.focusable);
        return nullptr;
    }
    GridEditorRow *row = grid->addEditorRow(name, caption, hint, editorKindOf(spec.kind));
    row->setDisplayFormat(QString::fromLatin1(spec.displayFormat));
    row->setCaptionStyle(GridTextStyle::grey());
    return row;
}

} // namespace

void ParameterBinding::buildRows()
{
    for (const ParameterRowSpec &spec : parameterRows()) {
        GridEditorRow *row = addRow(m_input, spec);
        if (!row)
            continue;
        row->setImmediatePost(spec.immediatePost);
        row->setAlignment(spec.leftAligned ? Qt::AlignLeft : Qt::AlignRight);
        row->setKeepsTimeOfDay(spec.kind == RowKind::DateWithTime);
        row->setValue(designValue(spec));
        row->onChange = [this, &spec] { EditPropertiesChange(spec); };
        row->onEditValueChanged = [this, &spec] { EditPropertiesEditValueChanged(spec); };
        if (spec.rule != RowRule::None)
            row->onValidate = [this, &spec](const QString &text, QString &errorText, bool &error) {
                EditPropertiesValidate(spec, text, errorText, error);
            };
    }
    for (const ParameterRowSpec &spec : predictionRows()) {
        GridEditorRow *row = addRow(m_output, spec);
        if (!row)
            continue;
        row->setAlignment(Qt::AlignRight);
        row->setContentStyle(GridTextStyle::grey());
        row->setValue(spec.kind == RowKind::NumberDisplay ? QVariant(0.0) : QVariant::fromValue(DateTimeValue{0}));
    }
}

GridEditorRow *ParameterBinding::inputRow(const char *name) const
{
    return m_input->editorRow(QString::fromLatin1(name));
}

GridEditorRow *ParameterBinding::outputRow(const char *name) const
{
    return m_output->editorRow(QString::fromLatin1(name));
}

void ParameterBinding::copyRowsIntoParameters()
{
    for (const char *name : rowCopyOrder())
        storeCommittedValue(*findParameterRow(name));
}

void ParameterBinding::storeCommittedValue(const ParameterRowSpec &spec)
{
    const QVariant value = inputRow(spec.name)->value();
    if (spec.isReason())
        m_parameters.DelayReason = value.toString().toStdString();
    else
        m_parameters.*spec.field = numberOf(value);
}

void ParameterBinding::EditPropertiesChange(const ParameterRowSpec &spec)
{
    // Re-reads the row's committed value: while the user types, this recomputes the
    // prediction already shown; the typed value arrives with the value-changed notification.
    storeCommittedValue(spec);
    if (!spec.isReason())
        m_recalculate();
}

void ParameterBinding::EditPropertiesEditValueChanged(const ParameterRowSpec &spec)
{
    const std::optional<QString> text = m_input->activeEditorText();
    if (!text)
        return;
    if (spec.isReason()) {
        m_parameters.DelayReason = text->toStdString();
        return;
    }
    m_parameters.*spec.field = convertEditorText(spec, *text);
    m_recalculate();
}

void ParameterBinding::EditPropertiesValidate(const ParameterRowSpec &spec, const QString &text,
                                              QString &errorText, bool &error)
{
    const auto value = kestrun::parseFloat(text.toStdString(), m_settings);
    if (!value)
        throw Error("Could not convert variant of type (String) into type (Double)");
    std::string ruleText = errorText.toStdString();
    if (spec.rule == RowRule::Positive)
        kestrun::ValidatePositive(*value, ruleText, error);
    else
        kestrun::ValidateNonNegative(*value, ruleText, error);
    errorText = QString::fromStdString(ruleText);
}

double ParameterBinding::convertEditorText(const ParameterRowSpec &spec, const QString &text) const
{
    const std::string utf8 = text.toStdString();
    switch (spec.kind) {
    case RowKind::Date:
    case RowKind::DateWithTime:
        if (const auto date = kestrun::parseDate(utf8, m_settings, QDate::currentDate().year()))
            return *date;
        throw Error(formatted("'%1' is not a valid date", text).toStdString());
    case RowKind::Time:
        if (const auto time = kestrun::parseTime(utf8, m_settings))
            return *time;
        throw Error(formatted("'%1' is not a valid time", text).toStdString());
    default:
        if (const auto number = kestrun::parseFloat(utf8, m_settings))
            return *number;
        throw Error(formatted("'%1' is not a valid floating point value", text).toStdString());
    }
}

void ParameterBinding::publish()
{
    const JobParameters &p = m_parameters;
    outputRow("EditorRowPredictKP")->setValue(p.PredictKp);
    outputRow("EditorRowPredictDistance")->setValue(p.PredictDistance);
    outputRow("EditorRowPredictFJ")->setValue(p.PredictFj);
    outputRow("EditorRowPredictNumFJ")->setValue(p.PredictNumFj);
    outputRow("EditorRowPredictDate")->setValue(QVariant::fromValue(DateTimeValue{p.PredictDateTime}));
    outputRow("EditorRowPredictTime")->setValue(QVariant::fromValue(DateTimeValue{p.PredictDateTime}));
    outputRow("EditorRowPredictDays")
        ->setValue(static_cast<double>(kestrun::ElapsedDays(p.BaselineDateTime, p.PredictDateTime)));
    outputRow("EditorRowPredictProductHrs")->setValue(p.PredictProductionHours);
}

void ParameterBinding::showTargetRows(PredictTarget target)
{
    for (const char *name : targetRowNames())
        inputRow(name)->setVisible(false);
    for (const char *name : targetRowsShown(target))
        inputRow(name)->setVisible(true);
}
