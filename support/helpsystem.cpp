// SPDX-License-Identifier: MIT
#include "support/helpsystem.h"

#include "support/helpviewer.h"


HelpSystem::HelpSystem(QString helpFile) : m_helpFile(std::move(helpFile)) {}

HelpSystem::~HelpSystem() = default;

HelpViewer &HelpSystem::openViewer()
{
    // No parent: the help window is a window of its own beside the main window.
    if (!m_viewer)
        m_viewer = std::make_unique<HelpViewer>();
    m_viewer->openHelpFile(m_helpFile);
    m_viewer->bringToFront();
    return *m_viewer;
}

void HelpSystem::showContents()
{
    openViewer().showContents();
}

void HelpSystem::showDefaultTopic()
{
    openViewer().showDefaultTopic();
}

void HelpSystem::showContext(int context)
{
    openViewer().showContext(context);
}
