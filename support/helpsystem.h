// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class HelpViewer;

// The program's three help calls. It holds the help file's path, set at start-up from
// FileLocations::helpFile(), and the one help window, made at the first call and reused
// by every later one. The calls look at no result and raise nothing: the window itself
// tells the user when the file or a topic is missing. Windows that make help calls take
// a HelpSystem by reference; tests pass a subclass that records the calls. The help
// window is a widget, so the HelpSystem goes before the QApplication does.
class HelpSystem {
public:
    explicit HelpSystem(QString helpFile = {});
    virtual ~HelpSystem();
    HelpSystem(const HelpSystem &) = delete;
    HelpSystem &operator=(const HelpSystem &) = delete;

    void setHelpFile(const QString &path) { m_helpFile = path; }
    QString helpFile() const { return m_helpFile; }

    // Contents call: the table of contents.
    virtual void showContents();
    // Default-topic call.
    virtual void showDefaultTopic();
    // Context call: the topic of a context number.
    virtual void showContext(int context);

    // The help window, null before the first call.
    HelpViewer *viewer() const { return m_viewer.get(); }

private:
    HelpViewer &openViewer();

    QString m_helpFile;
    std::unique_ptr<HelpViewer> m_viewer;
};
