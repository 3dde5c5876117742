// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct chmFile;

// A compiled HTML help file (.chm), read through chmlib. Objects are named by their
// path inside the file, which starts with "/" ("/parameters.html"). Alongside the
// topics the file holds its system data (/#SYSTEM: contents file, default topic,
// title) and its context map (/#IVB: context number to topic, the topic named in
// /#STRINGS), both read once when the file opens.
class ChmFile {
public:
    // Null when the file is missing or is no help file.
    static std::unique_ptr<ChmFile> open(const QString &path);
    ~ChmFile();
    ChmFile(const ChmFile &) = delete;
    ChmFile &operator=(const ChmFile &) = delete;

    bool contains(const QString &objectPath) const;
    std::optional<QByteArray> read(const QString &objectPath) const;
    // The plain objects of the file (no directories, no internal "#" or "$" objects).
    QStringList objectPaths() const;

    // Object paths, empty when the file names none that it holds.
    QString contentsFile() const { return m_contentsFile; }
    QString defaultTopic() const { return m_defaultTopic; }
    QString title() const { return m_title; }
    std::optional<QString> topicForContext(quint32 context) const;

    // The object path that a reference inside the file names: a fragment or query is
    // dropped, backslashes become "/", an "ms-its:" or "mk:@MSITStore:" prefix up to
    // "::" is removed and a leading "/" added.
    static QString objectPathOf(const QString &reference);

private:
    explicit ChmFile(chmFile *handle);
    void readSystemData();
    void readContextMap();
    QString existingObjectFor(const QString &storedPath) const;

    chmFile *m_handle;
    QString m_contentsFile;
    QString m_defaultTopic;
    QString m_title;
    QHash<quint32, QString> m_contextTopics;
};
