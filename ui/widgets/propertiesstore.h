// SPDX-License-Identifier: MIT
#pragma once

#include "core/regionalsettings.h"
#include "support/storevalue.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// Saves a fixed list of component properties to an INI file and restores them from it,
// only when asked to. Each entry of the list is one section named "<component>:
// TcxPropertiesStoreComponent" that opens with a key of empty name and value (the line
// "=") followed by one key per listed property, named by its path exactly as listed.
//
// Values by the kind the property holds: int is an integer, double a number, DateTimeValue
// a date-time, QString a text, bool true or false; an invalid QVariant (a row without a
// value) is not written. Read back, a value reaches its property as int, double,
// DateTimeValue or QString; "True" and "False" come back as text.
class PropertiesStore : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString StorageName READ storageName WRITE setStorageName)

public:
    // One stored property. The writer returns false when the property cannot take the
    // value; the property then keeps the value it had and restoring goes on.
    struct Property {
        QString path;
        std::function<QVariant()> read;
        std::function<bool(const QVariant &)> write;
    };
    struct Entry {
        QString component;
        QList<Property> properties;
    };

    explicit PropertiesStore(const kestrun::RegionalSettings &settings, QObject *parent = nullptr);

    QString storageName() const { return m_storageName; }
    void setStorageName(const QString &path) { m_storageName = path; }
    const kestrun::RegionalSettings &regionalSettings() const { return m_settings; }
    void setRegionalSettings(const kestrun::RegionalSettings &settings) { m_settings = settings; }

    const std::vector<Entry> &components() const { return m_components; }
    void setComponents(std::vector<Entry> components) { m_components = std::move(components); }
    void addComponent(Entry entry) { m_components.push_back(std::move(entry)); }

    // For each entry in list order, hands every key of its section (found regardless of
    // letter case) in file order to the listed property whose path matches exactly,
    // letter case included. Missing file, section or key: the property keeps its value.
    // Throws kestrun::Error only when the file exists but cannot be read.
    void RestoreProperties();
    // Writes the store sections in list order into the file, which is first emptied when
    // recreate is set; otherwise each store section replaces the first of that name and
    // the other sections stay. Throws kestrun::Error when the file cannot be read or written.
    void StoreProperties(bool recreate);

    static QString sectionName(const QString &component);

    // A property reached from object through a dotted path of Qt properties, each but the
    // last holding a QObject* ("Properties.Value"). Missing objects read as no value and
    // refuse writes. Writes follow the property's type: a bool takes only the words
    // "True" and "False" (any letter case), an integer only an integer, a double or
    // DateTimeValue an integer, number or date-time, a QString a text or an integer; a
    // QVariant property takes any value, other types what Qt converts.
    static Property objectProperty(QObject *object, const QString &path);

    static std::optional<kestrun::StoreValue> storeValueOf(const QVariant &value);
    static QVariant variantOf(const kestrun::StoreValue &value);

private:
    kestrun::RegionalSettings m_settings;
    QString m_storageName;
    std::vector<Entry> m_components;
};
