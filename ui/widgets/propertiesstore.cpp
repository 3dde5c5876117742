// SPDX-License-Identifier: MIT
#include "ui/widgets/propertiesstore.h"

#include "support/settingsfile.h"
#include "ui/widgets/datetimevalue.h"

#include <QDate>
#include <QMetaProperty>
#include <QPointer>
#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

const QString kEntryClassName = QStringLiteral("TcxPropertiesStoreComponent");

bool isIntegral(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return (type.flags() & QMetaType::IsEnumeration) != 0;
    }
}

QObject *objectIn(const QVariant &value)
{
    if (!(value.metaType().flags() & QMetaType::PointerToQObject))
        return nullptr;
    return *static_cast<QObject *const *>(value.constData());
}

struct Target {
    QObject *object = nullptr;
    QMetaProperty property;
};

std::optional<Target> resolve(QObject *root, const QStringList &names)
{
    QObject *object = root;
    for (qsizetype i = 0; object != nullptr && i + 1 < names.size(); ++i)
        object = objectIn(object->property(names[i].toUtf8().constData()));
    if (object == nullptr)
        return std::nullopt;
    const int index = object->metaObject()->indexOfProperty(names.back().toUtf8().constData());
    if (index < 0)
        return std::nullopt;
    return Target{object, object->metaObject()->property(index)};
}

std::optional<double> daysOf(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<DateTimeValue>())
        return value.value<DateTimeValue>().days;
    if (value.metaType().id() == QMetaType::Int || value.metaType().id() == QMetaType::Double)
        return value.toDouble();
    return std::nullopt;
}

// The value a property of the given type takes, or an invalid QVariant when it takes none.
QVariant convertedFor(QMetaType type, const QVariant &value)
{
    const int id = value.metaType().id();
    if (type.id() == QMetaType::QVariant)
        return value;
    if (type.id() == QMetaType::Bool) {
        if (id != QMetaType::QString)
            return {};
        const QString word = value.toString();
        if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        return {};
    }
    if (isIntegral(type))
        return id == QMetaType::Int ? value : QVariant();
    if (type.id() == QMetaType::Double || type.id() == QMetaType::Float) {
        const auto days = daysOf(value);
        return days ? QVariant(*days) : QVariant();
    }
    if (type == QMetaType::fromType<DateTimeValue>()) {
        const auto days = daysOf(value);
        return days ? QVariant::fromValue(DateTimeValue{*days}) : QVariant();
    }
    if (type.id() == QMetaType::QString) {
        if (id == QMetaType::QString)
            return value;
        return id == QMetaType::Int ? QVariant(QString::number(value.toInt())) : QVariant();
    }
    return value;
}

} // namespace

PropertiesStore::PropertiesStore(const kestrun::RegionalSettings &settings, QObject *parent)
    : QObject(parent), m_settings(settings)
{
}

QString PropertiesStore::sectionName(const QString &component)
{
    return component + QStringLiteral(": ") + kEntryClassName;
}

std::optional<kestrun::StoreValue> PropertiesStore::storeValueOf(const QVariant &value)
{
    if (!value.isValid())
        return std::nullopt;
    const QMetaType type = value.metaType();
    if (type == QMetaType::fromType<DateTimeValue>())
        return kestrun::StoredDateTime{value.value<DateTimeValue>().days};
    switch (type.id()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::QString:
        return value.toString().toStdString();
    default:
        break;
    }
    if (isIntegral(type)) {
        bool exact = false;
        const qlonglong integer = value.toLongLong(&exact);
        if (exact && integer >= std::numeric_limits<std::int32_t>::min() && integer <= std::numeric_limits<std::int32_t>::max())
            return static_cast<std::int32_t>(integer);
        return value.toDouble();
    }
    if (value.canConvert<QString>())
        return value.toString().toStdString();
    return std::nullopt;
}

QVariant PropertiesStore::variantOf(const kestrun::StoreValue &value)
{
    struct Converter {
        QVariant operator()(const std::string &text) const { return QString::fromStdString(text); }
        QVariant operator()(std::int32_t integer) const { return static_cast<int>(integer); }
        QVariant operator()(double number) const { return number; }
        QVariant operator()(kestrun::StoredDateTime moment) const { return QVariant::fromValue(DateTimeValue{moment.days}); }
        QVariant operator()(bool flag) const { return flag; }
    };
    return std::visit(Converter{}, value);
}

PropertiesStore::Property PropertiesStore::objectProperty(QObject *object, const QString &path)
{
    const QStringList names = path.split(QLatin1Char('.'));
    const QPointer<QObject> root(object);
    auto read = [root, names]() -> QVariant {
        const auto target = resolve(root.data(), names);
        return target ? target->property.read(target->object) : QVariant();
    };
    auto write = [root, names](const QVariant &value) -> bool {
        const auto target = resolve(root.data(), names);
        if (!target || !target->property.isWritable())
            return false;
        const QVariant converted = convertedFor(target->property.metaType(), value);
        return converted.isValid() && target->property.write(target->object, converted);
    };
    return {path, std::move(read), std::move(write)};
}

void PropertiesStore::RestoreProperties()
{
    const IniDocument document = SettingsFile(m_storageName).read();
    const int currentYear = QDate::currentDate().year();
    for (const Entry &entry : m_components) {
        const IniDocument::Section *section = document.findSection(sectionName(entry.component).toStdString());
        if (section == nullptr)
            continue;
        for (const IniDocument::Key &key : section->keys) {
            const QString path = QString::fromStdString(key.name);
            const auto property = std::ranges::find_if(entry.properties, [&path](const Property &p) { return p.path == path; });
            if (key.name.empty() || property == entry.properties.end() || !property->write)
                continue;
            // A refused value leaves the property as it was; the next keys still apply.
            property->write(variantOf(kestrun::readStoreValue(key.value, m_settings, currentYear)));
        }
    }
}

void PropertiesStore::StoreProperties(bool recreate)
{
    const SettingsFile file(m_storageName);
    IniDocument document = recreate ? IniDocument() : file.read();
    for (const Entry &entry : m_components) {
        std::string name = sectionName(entry.component).toStdString();
        IniDocument::Section *section = document.findSection(name);
        if (section != nullptr) {
            section->name = std::move(name);
            section->keys.clear();
        } else {
            section = &document.addSection(std::move(name));
        }
        section->add({}, {});
        for (const Property &property : entry.properties) {
            const auto value = property.read ? storeValueOf(property.read()) : std::nullopt;
            if (value)
                section->add(property.path.toStdString(), kestrun::encodeStoreValue(*value, m_settings));
        }
    }
    file.write(document);
}
