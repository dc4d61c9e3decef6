#pragma once
// Everything a control needs from its platform, handed to it when it is created.
// The control does not own these; they must outlive it.

namespace tellvane {

class HostContainer;
class DrawingSurface;
class Screen;
class MessageBox;
class SettingsStore;
class LibraryLocation;
class EventPump;
class PlotDocumentFactory;

struct Platform {
    HostContainer& container;
    DrawingSurface& picture;  ///< Picture1, the chart's surface
    Screen& screen;
    MessageBox& messageBox;
    SettingsStore& settings;
    LibraryLocation& library;
    EventPump& events;
    PlotDocumentFactory& plotDocuments;
};

}  // namespace tellvane
