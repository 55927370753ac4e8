// The layout loader's benchmark, measured against peers in the same run:
//   1. the engine's JSON reader (Json_create and Json_dispose) on a
//      multi-megabyte layout against rapidjson's DOM parse of the same bytes;
//   2. ParseLayerJsonFile of a 2,000-widget screen, time per widget, against a
//      floor: rapidjson reading the same file plus the same widgets made and
//      placed by code (what any loader has to pay).
// The screen is the project's lobby with its room list grown to 2,000 widgets
// (each room a panel holding a nine-slice background, an icon, two labels and
// an atlas button). Run from the programs' folder (layouts/ beside it).
// Prints medians and ratios (below 1: the engine is faster). Not a test.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <rapidjson/document.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include "cocos2d.h"
#include "spine/Json.h"

#include "layout/CParseJson.h"
#include "layout/CParseLayer.h"
#include "services/CAutoScreen.h"
#include "widgets/CCScale9SpriteEx.h"
#include "widgets/CCScrollViewEx.h"
#include "widgets/CSpriteButton.h"
#include "widgets/CSpriteImage.h"
#include "widgets/CSpriteLabel.h"

namespace {

const char* const kLobby = "layouts/lobby.json";
const char* const kScreen = "layouts/bench_rooms.json";
const int kWidgetsPerRoom = 6;
const int kRooms = 333; // with the root and the list: 2,000 widgets

double Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

rapidjson::Value* Find(rapidjson::Value& entry, const char* name)
{
    if (!entry.IsObject() || !entry.HasMember("options") || !entry.HasMember("children"))
        return nullptr;
    rapidjson::Value& options = entry["options"];
    if (options.HasMember("name") && options["name"].IsString() && std::string(options["name"].GetString()) == name)
        return &entry;
    for (rapidjson::Value& child : entry["children"].GetArray()) {
        if (rapidjson::Value* hit = Find(child, name))
            return hit;
    }
    return nullptr;
}

void Rename(rapidjson::Value& entry, int room, rapidjson::Document::AllocatorType& alloc)
{
    rapidjson::Value& options = entry["options"];
    std::string name = options["name"].GetString();
    if (!name.empty() && name.back() == '0')
        name.pop_back();
    name += std::to_string(room);
    options["name"].SetString(name.c_str(), static_cast<rapidjson::SizeType>(name.size()), alloc);
    for (rapidjson::Value& child : entry["children"].GetArray())
        Rename(child, room, alloc);
}

// The lobby with only its room list, grown to kRooms rooms; empty when the
// lobby cannot be read.
std::string GrowLobby()
{
    const std::string text = cocos2d::FileUtils::getInstance()->getStringFromFile(kLobby);
    rapidjson::Document doc;
    doc.Parse(text.c_str());
    if (doc.HasParseError() || !doc.HasMember("widgetTree"))
        return std::string();
    auto& alloc = doc.GetAllocator();
    rapidjson::Value& tree = doc["widgetTree"];
    rapidjson::Value* list = Find(tree, "l_sv_rooms");
    rapidjson::Value* first = list != nullptr ? Find(*list, "room_0") : nullptr;
    if (first == nullptr)
        return std::string();
    rapidjson::Value room(*first, alloc);
    rapidjson::Value rooms(rapidjson::kArrayType);
    const int height = 130 * kRooms;
    for (int i = 0; i < kRooms; ++i) {
        rapidjson::Value copy(room, alloc);
        Rename(copy, i, alloc);
        copy["options"]["y"].SetInt(height - 130 * (i + 1));
        rooms.PushBack(copy, alloc);
    }
    rapidjson::Value grown(*list, alloc);
    grown["children"] = rooms;
    grown["options"]["innerHeight"].SetInt(height);
    rapidjson::Value top(rapidjson::kArrayType);
    top.PushBack(grown, alloc);
    tree["children"] = top;
    rapidjson::StringBuffer out;
    rapidjson::PrettyWriter<rapidjson::StringBuffer> writer(out);
    writer.SetIndent(' ', 2);
    doc.Accept(writer);
    return std::string(out.GetString(), out.GetSize());
}

int CountWidgets(cocos2d::Node* node)
{
    int count = 0;
    for (cocos2d::Node* child : node->getChildren()) {
        const CSpriteUIJsonData* record = dynamic_cast<CSpriteUIJsonData*>(child);
        count += (record != nullptr && record->GetJsonParent() != nullptr ? 1 : 0) + CountWidgets(child);
    }
    return count;
}

// The floor's widgets: what the file describes, made and placed by code
// from values read with rapidjson.
void BuildByCode(const std::string& text, CParseLayer* layer)
{
    rapidjson::Document doc;
    doc.Parse(text.c_str());
    rapidjson::Value& list = doc["widgetTree"]["children"][0];
    CCScrollViewEx* view = CCScrollViewEx::create(cocos2d::Size(640, 130.0f * kRooms), cocos2d::Size(640, 380),
                                                  cocos2d::extension::ScrollView::Direction::VERTICAL);
    view->setPosition(list["options"]["x"].GetFloat(), list["options"]["y"].GetFloat());
    layer->addChild(view);
    for (rapidjson::Value& room : list["children"].GetArray()) {
        rapidjson::Value& o = room["options"];
        CParseLayer* panel = CParseLayer::create();
        panel->setContentSize(cocos2d::Size(o["width"].GetFloat(), o["height"].GetFloat()));
        panel->setPosition(o["x"].GetFloat(), o["y"].GetFloat());
        panel->setName(o["name"].GetString());
        view->addChild(panel);
        for (rapidjson::Value& item : room["children"].GetArray()) {
            rapidjson::Value& io = item["options"];
            const std::string cls = item["classname"].GetString();
            cocos2d::Node* node = nullptr;
            if (cls == "ImageView" && io["scale9Enable"].GetBool()) {
                CCScale9SpriteEx* bg = CCScale9SpriteEx::create(io["fileNameData"]["path"].GetString());
                bg->setCapInsets(cocos2d::Rect(io["capInsetsX"].GetFloat(), io["capInsetsY"].GetFloat(),
                                               io["capInsetsWidth"].GetFloat(), io["capInsetsHeight"].GetFloat()));
                node = bg;
            } else if (cls == "ImageView") {
                node = CSpriteImage::create(io["fileNameData"]["path"].GetString());
            } else if (cls == "Label") {
                node = CSpriteLabel::create(io["text"].GetString(), "Helvetica", io["fontSize"].GetFloat());
            } else if (cls == "LabelAtlas") {
                node = CSpriteButton::create(io["charMapFileData"]["path"].GetString(), 5, CSpriteButton::BUTTON_STRIP);
            }
            if (node == nullptr)
                continue;
            node->setAnchorPoint(cocos2d::Vec2(io["anchorPointX"].GetFloat(), io["anchorPointY"].GetFloat()));
            node->setContentSize(cocos2d::Size(io["width"].GetFloat(), io["height"].GetFloat()));
            node->setPosition(io["x"].GetFloat(), io["y"].GetFloat());
            node->setName(io["name"].GetString());
            panel->addChild(node);
        }
    }
}

std::string Format(double value, const char* format)
{
    char text[64];
    const int n = std::snprintf(text, sizeof(text), format, value);
    return n > 0 && n < static_cast<int>(sizeof(text)) ? std::string(text) : std::string("?");
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 11;
    cocos2d::Director* director = cocos2d::Director::getInstance();
    director->setOpenGLView(cocos2d::GLViewImpl::createWithRect("layout bench", cocos2d::Rect(0, 0, 960, 640)));
    CAutoScreen::SetSceneResolute(960, 640);
    director->runWithScene(cocos2d::Scene::create());
    director->mainLoop(0.0f);
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    files->addSearchPath("layouts/");

    const std::string text = GrowLobby();
    if (text.empty() || !files->writeStringToFile(text, kScreen)) {
        std::fprintf(stderr, "layout bench: cannot read %s or write %s (run from the programs' folder)\n", kLobby,
                     kScreen);
        return 1;
    }
    const double megabytes = static_cast<double>(text.size()) / (1024.0 * 1024.0);

    // Each reader in a block of its own rounds after one round to warm up, so
    // that neither pays for the other's way of using the heap.
    std::vector<double> engineReader, rapidReader;
    for (int i = 0; i <= rounds; ++i) {
        const double seconds = Seconds([&] {
            Json* doc = Json_create(text.c_str());
            if (doc == nullptr)
                std::abort();
            Json_dispose(doc);
        });
        if (i > 0)
            engineReader.push_back(seconds);
    }
    for (int i = 0; i <= rounds; ++i) {
        const double seconds = Seconds([&] {
            rapidjson::Document doc;
            doc.Parse(text.c_str());
            if (doc.HasParseError())
                std::abort();
        });
        if (i > 0)
            rapidReader.push_back(seconds);
    }
    const double reader = Median(engineReader), peer = Median(rapidReader);
    std::printf("== JSON reader on a %s MB layout (median of %d)\n", Format(megabytes, "%.2f").c_str(), rounds);
    std::printf("  engine's reader %s ms (%s MB/s), rapidjson DOM %s ms (%s MB/s), ratio %s\n",
                Format(reader * 1e3, "%.2f").c_str(), Format(megabytes / reader, "%.1f").c_str(),
                Format(peer * 1e3, "%.2f").c_str(), Format(megabytes / peer, "%.1f").c_str(),
                Format(reader / peer, "%.2f").c_str());

    std::vector<double> parse, floor;
    int widgets = 0, floorWidgets = 0;
    for (int i = 0; i < rounds; ++i) {
        CParseLayer* layer = CParseLayer::create();
        layer->retain();
        parse.push_back(Seconds([&] {
            if (GetParseJson()->ParseLayerJsonFile(kScreen, layer) == nullptr)
                std::abort();
        }));
        widgets = CountWidgets(layer) + 1;
        layer->release();
        director->mainLoop(0.0f);

        CParseLayer* byCode = CParseLayer::create();
        byCode->retain();
        floor.push_back(Seconds([&] { BuildByCode(files->getStringFromFile(kScreen), byCode); }));
        floorWidgets = static_cast<int>(byCode->getChildrenCount()) + 1;
        for (cocos2d::Node* view : byCode->getChildren())
            floorWidgets += static_cast<int>(static_cast<CCScrollViewEx*>(view)->getContainer()->getChildrenCount()) *
                            kWidgetsPerRoom;
        byCode->release();
        director->mainLoop(0.0f);
    }
    const double loader = Median(parse), code = Median(floor);
    std::printf("== ParseLayerJsonFile of a %d-widget screen (median of %d)\n", widgets, rounds);
    std::printf("  ParseLayerJsonFile %s ms (%s us a widget), floor (rapidjson + the %d widgets made by code) %s ms"
                " (%s us a widget), ratio %s\n",
                Format(loader * 1e3, "%.1f").c_str(), Format(loader * 1e6 / widgets, "%.2f").c_str(), floorWidgets,
                Format(code * 1e3, "%.1f").c_str(), Format(code * 1e6 / floorWidgets, "%.2f").c_str(),
                Format(loader / code, "%.2f").c_str());
    std::printf("  the JSON reader's part of ParseLayerJsonFile: about %s%%\n",
                Format(std::min(100.0, 100.0 * reader / loader), "%.0f").c_str());
    std::remove(files->fullPathForFilename(kScreen).c_str());
    director->end();
    director->mainLoop(0.0f);
    return 0;
}
