#include "LayoutPreview.h"

#include <cstdlib>
#include <cstring>

#include "WidgetTree.h"

#include "layout/CParseJson.h"
#include "layout/CParseLayer.h"
#include "services/CAutoScreen.h"
#include "renderer/CCSoftwareRenderer.h"
#include "spine/Json.h"

namespace {

const char* const kUsage =
    "usage: layoutpreview [--frame WxH] [--design WxH] [--search DIR]... [--png OUT.png] FILE.json\n"
    "  Loads a layout file as a game does and prints its widget tree.\n"
    "  --frame WxH    the window size in pixels (default 960x640)\n"
    "  --design WxH   the game's design resolution (default: the layout's own)\n"
    "  --search DIR   another folder to look for pictures in (the layout's own\n"
    "                 folder is searched first)\n"
    "  --png OUT.png  also save the screen as the engine draws it, as a PNG\n"
    "                 picture of the window's size\n";

const int kMaxSide = 16384;

// "960x640": two whole numbers from 1 to kMaxSide.
bool ParseSize(const std::string& text, cocos2d::Size& size)
{
    const size_t x = text.find('x');
    if (x == std::string::npos || x == 0 || x + 1 >= text.size() || x > 5 || text.size() - x - 1 > 5)
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i != x && (text[i] < '0' || text[i] > '9'))
            return false;
    }
    const int width = std::atoi(text.substr(0, x).c_str());
    const int height = std::atoi(text.substr(x + 1).c_str());
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        return false;
    size = cocos2d::Size(static_cast<float>(width), static_cast<float>(height));
    return true;
}

std::string SizeText(cocos2d::Size size)
{
    return FormatNumber(size.width) + " x " + FormatNumber(size.height);
}

// The folder part of a path ("" for a bare name), with its separator.
std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Up to the end of the line the reader stopped at, at most 40 bytes.
std::string Excerpt(const char* text)
{
    if (text == nullptr)
        return std::string();
    std::string result;
    for (const char* p = text; *p != '\0' && *p != '\n' && *p != '\r' && result.size() < 40; ++p)
        result += *p;
    return result;
}

} // namespace

bool ParseLayoutPreviewArguments(const std::vector<std::string>& args, LayoutPreviewOptions& options,
                                 std::string& message)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
            continue;
        }
        if (arg == "--frame" || arg == "--design" || arg == "--search" || arg == "--png") {
            if (i + 1 >= args.size()) {
                message = arg + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (arg == "--search") {
                options.searchPaths.push_back(value);
            } else if (arg == "--png") {
                options.picture = value;
            } else if (!ParseSize(value, arg == "--frame" ? options.frame : options.design)) {
                message = arg + " takes WIDTHxHEIGHT in pixels (1 to 16384 each), not \"" + value + "\"";
                return false;
            }
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-') {
            message = "unknown option " + arg;
            return false;
        }
        if (!options.file.empty()) {
            message = "one layout file at a time (" + options.file + " and " + arg + ")";
            return false;
        }
        options.file = arg;
    }
    if (options.file.empty() && !options.help) {
        message = "no layout file given";
        return false;
    }
    return true;
}

LayoutPreview::LayoutPreview(const LayoutPreviewOptions& options)
    : m_sOptions(options), m_sDesign(cocos2d::Size::ZERO), m_pScene(nullptr), m_pLayer(nullptr), m_bStarted(false),
      m_bSearching(false)
{
}

LayoutPreview::~LayoutPreview()
{
    if (m_bStarted) {
        cocos2d::Director* director = cocos2d::Director::getInstance();
        director->end();
        director->mainLoop(0.0f);
    }
    if (m_bSearching)
        cocos2d::FileUtils::getInstance()->setSearchPaths(m_sSearchPaths);
}

bool LayoutPreview::ReadDesignSize(const std::string& path, std::string& message)
{
    const std::string text = cocos2d::FileUtils::getInstance()->getStringFromFile(path);
    if (text.empty()) {
        message = "cannot read " + m_sOptions.file + ": it is empty or unreadable";
        return false;
    }
    Json* document = Json_create(text.c_str());
    if (document == nullptr) {
        const std::string near = Excerpt(Json_getError());
        message = m_sOptions.file + " is not valid JSON" + (near.empty() ? std::string() : " (near \"" + near + "\")");
        return false;
    }
    Json* tree = Json_getItem(document, "widgetTree");
    const bool isLayout = tree != nullptr && tree->type == Json_Object;
    Json* width = Json_getItem(document, "designWidth");
    Json* height = Json_getItem(document, "designHeight");
    if (width != nullptr && height != nullptr && width->type == Json_Number && height->type == Json_Number)
        m_sDesign = cocos2d::Size(width->valueFloat, height->valueFloat);
    Json_dispose(document);
    if (!isLayout) {
        message = m_sOptions.file + " is not a layout: it has no \"widgetTree\" object";
        return false;
    }
    return true;
}

bool LayoutPreview::Load(std::string& message)
{
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    m_sSearchPaths = files->getOriginalSearchPaths();
    m_bSearching = true;
    const std::string folder = FolderOf(m_sOptions.file);
    if (!folder.empty())
        files->addSearchPath(folder);
    for (const std::string& path : m_sOptions.searchPaths)
        files->addSearchPath(path);

    const std::string path = files->fullPathForFilename(m_sOptions.file);
    if (path.empty() || !files->isFileExist(path)) {
        message = "cannot read " + m_sOptions.file + ": no such file";
        return false;
    }
    if (!ReadDesignSize(path, message))
        return false;
    if (m_sOptions.design.width > 0 && m_sOptions.design.height > 0)
        m_sDesign = m_sOptions.design;
    if (!(m_sDesign.width > 0 && m_sDesign.height > 0) || m_sDesign.width > kMaxSide || m_sDesign.height > kMaxSide)
        m_sDesign = m_sOptions.frame; // no usable design size in the file: the window's

    // The engine as the game starts it: a view of the window's size, then the
    // screen adaptation for the design resolution, then the scene.
    cocos2d::Director* director = cocos2d::Director::getInstance();
    cocos2d::GLView* view = cocos2d::GLViewImpl::createWithRect(
        "layoutpreview", cocos2d::Rect(0, 0, m_sOptions.frame.width, m_sOptions.frame.height));
    director->setOpenGLView(view);
    CAutoScreen::SetSceneResolute(m_sDesign.width, m_sDesign.height);
    m_pScene = cocos2d::Scene::create();
    director->runWithScene(m_pScene);
    m_bStarted = true;
    director->mainLoop(0.0f);

    // The screen: parse into it, add what a root of another class gives,
    // centre the design in the scene.
    m_pLayer = CParseLayer::create();
    cocos2d::Node* root = GetParseJson()->ParseLayerJsonFile(path.c_str(), m_pLayer);
    if (root == nullptr) {
        message = m_sOptions.file + " gives no widgets: its \"widgetTree\" is of a class that builds nothing";
        m_pLayer = nullptr;
        return false;
    }
    if (root != m_pLayer) {
        // A root of another class is not the layer: the layer gets it as a
        // child, and the design size the parse read (only a "Panel" root
        // hands it to the layer) to centre it by.
        m_pLayer->addChild(root);
        m_pLayer->SetDesignWidth(GetParseJson()->GetDesignWidth());
        m_pLayer->SetDesignHeight(GetParseJson()->GetDesignHeight());
    }
    m_pLayer->SetAutoPosition();
    m_pScene->addChild(m_pLayer);
    director->mainLoop(0.0f);
    return true;
}

std::string LayoutPreview::Describe() const
{
    const cocos2d::Size scene = CAutoScreen::GetSceneSize();
    std::string room = "no extra room";
    if (scene.width > m_sDesign.width)
        room = "extra width " + FormatNumber(scene.width - m_sDesign.width);
    else if (scene.height > m_sDesign.height)
        room = "extra height " + FormatNumber(scene.height - m_sDesign.height);
    return m_sOptions.file + ": design " + SizeText(m_sDesign) + ", frame " + SizeText(m_sOptions.frame) +
           ", scene " + SizeText(scene) + " at scale " + FormatNumber(CAutoScreen::GetSceneScale(), 4) + " (" +
           room + ")";
}

bool LayoutPreview::SavePicture(const std::string& path, std::string& message)
{
    cocos2d::Director* director = cocos2d::Director::getInstance();
    if (!m_bStarted || director->getRenderer() == nullptr) {
        message = "no screen loaded to draw";
        return false;
    }
    director->mainLoop(0.0f);
    cocos2d::Image* image = director->getRenderer()->getSoftwareRenderer()->newImage();
    if (image == nullptr) {
        message = "the window of " + SizeText(m_sOptions.frame) + " gives no picture";
        return false;
    }
    const bool saved = image->saveToFile(path);
    image->release();
    if (!saved)
        message = "cannot write the picture " + path;
    return saved;
}

int RunLayoutPreview(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    LayoutPreviewOptions options;
    std::string message;
    if (!ParseLayoutPreviewArguments(args, options, message)) {
        err << "layoutpreview: " << message << "\n" << kUsage;
        return 2;
    }
    if (options.help) {
        out << kUsage;
        return 0;
    }
    LayoutPreview preview(options);
    if (!preview.Load(message)) {
        err << "layoutpreview: " << message << "\n";
        return 1;
    }
    out << preview.Describe() << "\n";
    PrintWidgetTree(preview.GetLayer(), out);
    if (!options.picture.empty() && !preview.SavePicture(options.picture, message)) {
        err << "layoutpreview: " << message << "\n";
        return 1;
    }
    return 0;
}
