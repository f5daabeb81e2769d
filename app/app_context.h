#pragma once

namespace orvane {

class CDataFile;
class CRegistryStore;
class COptionFlags;

// The program-wide objects that windows work with; they live for the whole run.
struct AppContext {
    CDataFile &document;
    CRegistryStore &registry;
    COptionFlags &options;
    bool bPalette256 = false; // the screen has 8 bits per pixel: paint the background white
};

} // namespace orvane
