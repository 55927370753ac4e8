// The layout previewer: loads a layout file as a game would at a chosen frame
// size (a headless director and view of that size, the screen adaptation set
// up for the design resolution, the layout parsed into a layer centred in the
// scene) so that its widget tree can be shown.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cocos2d.h"

class CParseLayer;

struct LayoutPreviewOptions {
    std::string file;
    // The window's size in pixels.
    cocos2d::Size frame = cocos2d::Size(960, 640);
    // The design resolution the game gives the screen adaptation; zero takes
    // the layout's own "designWidth" x "designHeight".
    cocos2d::Size design = cocos2d::Size::ZERO;
    // Folders searched for the pictures, after the layout file's own folder.
    std::vector<std::string> searchPaths;
    // Where to save the screen as the engine draws it (PNG); empty: nowhere.
    std::string picture;
    bool help = false;
};

// Reads the arguments after the program name; false with a message for a
// usage error.
bool ParseLayoutPreviewArguments(const std::vector<std::string>& args, LayoutPreviewOptions& options,
                                 std::string& message);

class LayoutPreview {
public:
    explicit LayoutPreview(const LayoutPreviewOptions& options);
    // Ends the director (the scene, view and timers go with it) and gives the
    // file utilities back their search paths.
    ~LayoutPreview();
    LayoutPreview(const LayoutPreview&) = delete;
    LayoutPreview& operator=(const LayoutPreview&) = delete;

    // Sets the engine up, parses the layout into a layer of a running scene
    // and draws one frame; false with a message naming the file and what is
    // wrong with it when it cannot be read or parsed.
    bool Load(std::string& message);

    CParseLayer* GetLayer() const { return m_pLayer; }
    cocos2d::Scene* GetScene() const { return m_pScene; }
    cocos2d::Size GetDesignSize() const { return m_sDesign; }
    // One line: the file, design, frame and the scene the adaptation chose.
    std::string Describe() const;

    // Draws a frame of the loaded screen and saves it as PNG at path (the
    // frame's size, top row first); false with a message when the frame is
    // empty or the file cannot be written.
    bool SavePicture(const std::string& path, std::string& message);

private:
    // The layout's design size from its text; false with a message when the
    // text is not a layout.
    bool ReadDesignSize(const std::string& path, std::string& message);

    LayoutPreviewOptions m_sOptions;
    cocos2d::Size m_sDesign;
    cocos2d::Scene* m_pScene;
    CParseLayer* m_pLayer;
    std::vector<std::string> m_sSearchPaths; // as they were before Load
    bool m_bStarted;
    bool m_bSearching;
};

// The whole program: arguments, load, tree, picture. Returns the exit
// status: 0 when the tree was printed (and the picture saved, when asked
// for), 1 when the layout cannot be read or parsed or the picture cannot be
// written, 2 for a usage error.
int RunLayoutPreview(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
