// SPDX-License-Identifier: MIT
#include "ui/main/storedproperties.h"

#include "ui/widgets/baritem.h"
#include "ui/widgets/grideditorrow.h"

#include <QWidget>

namespace {

// Rows that keep their value, in the file's order; the target date row sits between
// them and keeps only its image index.
constexpr const char *kRowsBeforeTargetDate[] = {
    "EditorRowBaselineDate", "EditorRowBaselineFj", "EditorRowBaselineKp", "EditorRowBaselineTime",
    "EditorRowBeadingTime", "EditorRowDelayDays", "EditorRowDelayHours", "EditorRowDelayReason",
    "EditorRowForwardFlop", "EditorRowPipeLength"};
constexpr const char *kRowsAfterTargetDate[] = {
    "EditorRowTargetDays", "EditorRowTargetFj", "EditorRowTargetFjInterval", "EditorRowTargetHours",
    "EditorRowTargetKp", "EditorRowTargetKpInterval", "EditorRowTargetTime"};

bool isInteger(const QVariant &value)
{
    return value.metaType() == QMetaType::fromType<int>();
}

PropertiesStore::Entry rowValue(GridEditorRow *row)
{
    return {row->objectName(),
            {{QStringLiteral("Properties.Value"), [row] { return row->value(); },
              [row](const QVariant &value) { return row->assignValue(value); }}}};
}

PropertiesStore::Property integer(const char *path, std::function<int()> read, std::function<void(int)> write)
{
    return {QLatin1String(path), [read] { return QVariant(read()); },
            [write](const QVariant &value) {
                if (!isInteger(value))
                    return false;
                write(value.toInt());
                return true;
            }};
}

} // namespace

std::vector<PropertiesStore::Entry> storedProperties(const StoredPropertyTargets &t)
{
    std::vector<PropertiesStore::Entry> entries;
    for (const char *name : kRowsBeforeTargetDate)
        entries.push_back(rowValue(t.row(name)));

    GridEditorRow *targetDate = t.row("EditorRowTargetDate");
    entries.push_back({targetDate->objectName(),
                       {integer("Properties.ImageIndex", [targetDate] { return targetDate->imageIndex(); },
                                [targetDate](int index) { targetDate->setImageIndex(index); })}});

    for (const char *name : kRowsAfterTargetDate)
        entries.push_back(rowValue(t.row(name)));

    QWidget *window = t.window;
    QSize *outer = t.restoredOuterSize;
    QPoint *topLeft = t.storedTopLeft;
    entries.push_back({window->objectName(),
                       {integer("Height", [window] { return window->frameGeometry().height(); },
                                [outer](int height) { outer->setHeight(height); }),
                        integer("Left", [window] { return window->frameGeometry().left(); },
                                [topLeft](int left) { topLeft->setX(left); }),
                        integer("Top", [window] { return window->frameGeometry().top(); },
                                [topLeft](int top) { topLeft->setY(top); }),
                        integer("Width", [window] { return window->frameGeometry().width(); },
                                [outer](int width) { outer->setWidth(width); })}});

    BarItem *menu = t.predictionMenu;
    entries.push_back({menu->objectName(),
                       {integer("Tag", [menu] { return menu->tag(); }, [menu](int value) { menu->setTag(value); })}});

    QWidget *statusBar = t.statusBar;
    entries.push_back(
        {statusBar->objectName(),
         {{QStringLiteral("Visible"), [statusBar] { return QVariant(!statusBar->isHidden()); },
           [statusBar](const QVariant &value) {
               // The property takes the words by name; anything else keeps the design value.
               const QString word = value.toString();
               if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                   statusBar->setHidden(false);
               else if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                   statusBar->setHidden(true);
               else
                   return false;
               return true;
           }}}});
    return entries;
}
