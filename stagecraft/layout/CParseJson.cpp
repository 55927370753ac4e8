#include "layout/CParseJson.h"

#include <cstdlib>
#include <memory>
#include <string>

#include "layout/CParseLayer.h"
#include "services/CAutoScreen.h"
#include "widgets/CCControlSliderEx.h"
#include "widgets/CCLabelAtlasEx.h"
#include "widgets/CCLayerEx.h"
#include "widgets/CCLayerGradientEx.h"
#include "widgets/CCScale9SpriteEx.h"
#include "widgets/CCScrollViewEx.h"
#include "widgets/CSpriteButton.h"
#include "widgets/CSpriteEditBox.h"
#include "widgets/CSpriteImage.h"
#include "widgets/CSpriteLabel.h"

namespace {

const char* const kFontName = "Helvetica";
const float kFontSize = 40.0f;
const int kEditMaxLength = 33;

using JsonDocument = std::unique_ptr<Json, void (*)(Json*)>;

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

std::string NameOf(Json* options)
{
    return JsonRead::String(options, "name", std::string());
}

// A resource entry ("fileNameData", "normalData" ...): an object with "path"
// and "resourceType".
Json* Resource(Json* options, const char* key)
{
    return JsonRead::Object(options, key);
}

std::string ResourcePath(Json* options, const char* key)
{
    return JsonRead::String(Resource(options, key), "path", std::string());
}

bool HasResourcePath(Json* options, const char* key)
{
    return JsonRead::HasString(Resource(options, key), "path");
}

int ResourceType(Json* options, const char* key)
{
    return JsonRead::Int(Resource(options, key), "resourceType", 0);
}

GLubyte Byte(Json* options, const char* key, int fallback)
{
    return static_cast<GLubyte>(JsonRead::Int(options, key, fallback));
}

cocos2d::Color3B Colour(Json* options, const char* r, const char* g, const char* b)
{
    return cocos2d::Color3B(Byte(options, r, 255), Byte(options, g, 255), Byte(options, b, 255));
}

// A size for Label::setDimensions: the editor's float truncated, never below 0.
unsigned int Dimension(float value)
{
    if (!(value > 0.0f))
        return 0;
    if (value >= 65536.0f)
        return 65536;
    return static_cast<unsigned int>(value);
}

// True for every atlas key the label atlas and the atlas button need.
bool HasAtlasKeys(Json* options)
{
    return Json_getBool(options, "stringValue") && Json_getBool(options, "charMapFile") &&
           Json_getBool(options, "itemWidth") && Json_getBool(options, "itemHeight") &&
           Json_getBool(options, "startCharMap");
}

// The plain "Panel": no gradient, no touch layer.
bool IsPlainPanel(const std::string& className, const std::string& name)
{
    return className == "Panel" && !Contains(name, "Gradient") && !Contains(name, "LayerEx");
}

// Pictures named by the layout: null for an empty or unreadable path.
cocos2d::Texture2D* LoadTexture(const std::string& path)
{
    return path.empty() ? nullptr : cocos2d::Director::getInstance()->getTextureCache()->addImage(path);
}

cocos2d::Sprite* LoadSprite(const std::string& path)
{
    return path.empty() ? nullptr : cocos2d::Sprite::create(path);
}

void MoveX(cocos2d::Node* node, float dx)
{
    node->setPositionX(node->getPositionX() + dx);
}

void MoveY(cocos2d::Node* node, float dy)
{
    node->setPositionY(node->getPositionY() + dy);
}

} // namespace

CParseJson* CParseJson::shareParseJson()
{
    static CParseJson* instance = new CParseJson();
    return instance;
}

CParseJson* GetParseJson()
{
    return CParseJson::shareParseJson();
}

CParseJson::CParseJson() : m_pRootLayer(nullptr), m_fDesignWidth(0.0f), m_fDesignHeight(0.0f) {}

CParseJson::CParseJson(const CParseJson& other)
    : cocos2d::Ref(), m_pRootLayer(other.m_pRootLayer), m_fDesignWidth(other.m_fDesignWidth),
      m_fDesignHeight(other.m_fDesignHeight)
{
}

CParseJson& CParseJson::operator=(const CParseJson& other)
{
    m_pRootLayer = other.m_pRootLayer;
    m_fDesignWidth = other.m_fDesignWidth;
    m_fDesignHeight = other.m_fDesignHeight;
    return *this;
}

CParseJson::~CParseJson() {}

// ---------------------------------------------------------------- the tree

cocos2d::Node* CParseJson::ParseLayerJsonFile(const char* file, CParseLayer* layer)
{
    if (file == nullptr || *file == 0)
        return nullptr;
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    const std::string path = files->fullPathForFilename(file);
    if (path.empty())
        return nullptr;
    const std::string text = files->getStringFromFile(path);
    if (text.empty())
        return nullptr;
    JsonDocument document(Json_create(text.c_str()), Json_dispose);
    if (!document)
        return nullptr;

    Json* tree = JsonRead::Object(document.get(), "widgetTree");
    m_fDesignWidth = JsonRead::Float(document.get(), "designWidth", 0.0f);
    m_fDesignHeight = JsonRead::Float(document.get(), "designHeight", 0.0f);
    m_pRootLayer = layer;
    if (tree == nullptr)
        return nullptr;

    const std::string rootClass = JsonRead::String(tree, "classname", std::string());
    if (layer != nullptr || IsPlainPanel(rootClass, NameOf(JsonRead::Object(tree, "options"))))
        return ParseLayerJsonNode(tree, 0);

    // No layer to report to and a root that is not one: the tree is built
    // into a new design-size layer, which receives the button events and is
    // returned with the root widget as its only child.
    CParseLayer* holder = CParseLayer::create();
    if (holder == nullptr)
        return nullptr;
    holder->setContentSize(cocos2d::Size(m_fDesignWidth, m_fDesignHeight));
    holder->SetDesignWidth(m_fDesignWidth);
    holder->SetDesignHeight(m_fDesignHeight);
    m_pRootLayer = holder;
    cocos2d::Node* root = ParseLayerJsonNode(tree, 0);
    if (root == nullptr) {
        m_pRootLayer = nullptr;
        return nullptr;
    }
    holder->addChild(root);
    return holder;
}

cocos2d::Node* CParseJson::ParseLayerJsonNode(Json* entry, int depth)
{
    if (entry == nullptr || entry->type != Json_Object)
        return nullptr;
    const std::string className = JsonRead::String(entry, "classname", std::string());
    Json* options = JsonRead::Object(entry, "options");
    const std::string name = NameOf(options);

    cocos2d::Node* node = nullptr;
    if (className == "Button") {
        node = CSpriteButton::create();
        SetPropertyForButton(node, options);
    } else if (className == "Label") {
        node = CSpriteLabel::create();
        SetPropertyForLabel(node, options);
    } else if (className == "LabelAtlas" && Contains(name, "bt_")) {
        node = CSpriteButton::create();
        SetPropertyForLabelAtlasButton(node, options);
    } else if (className == "LabelAtlas") {
        node = CCLabelAtlasEx::create();
        SetPropertyForLabelAtlas(node, options);
    } else if (className == "ScrollView") {
        node = CCScrollViewEx::create();
        SetPropertyForScrollView(node, options);
    } else if (className == "TextButton") {
        node = CSpriteButton::create();
        SetPropertyForTextButton(node, options);
    } else if (className == "TextField") {
        node = CSpriteEditBox::create();
        SetPropertyForEditBox(node, options);
    } else if (className == "ImageView" && Contains(name, "scale9")) {
        node = CCScale9SpriteEx::create();
        SetPropertyForScale9Sprite(node, options);
    } else if (className == "ImageView") {
        node = CSpriteImage::create();
        SetPropertyForImageView(node, options);
    } else if (className == "Panel" && Contains(name, "Gradient")) {
        node = CCLayerGradientEx::create();
        SetPropertyForLayerGradient(node, options);
    } else if (className == "Panel" && Contains(name, "LayerEx")) {
        node = CCLayerEx::create();
        SetPropertyForLayerEx(node, options);
    } else if (className == "Panel") {
        if (depth > 0 || m_pRootLayer == nullptr) {
            CParseLayer* layer = CParseLayer::create();
            if (depth == 0)
                m_pRootLayer = layer;
            node = layer;
            SetPropertyForLayer(node, options);
        } else {
            // The caller's own layer keeps its size, tag and name.
            node = m_pRootLayer;
        }
        if (depth == 0 && m_pRootLayer != nullptr) {
            m_pRootLayer->SetDesignWidth(m_fDesignWidth);
            m_pRootLayer->SetDesignHeight(m_fDesignHeight);
        }
    } else if (className == "Slider") {
        node = CCControlSliderEx::create();
        SetPropertyForControlSlider(node, options);
    }
    // "CheckBox", "LoadingBar", "TextArea", "ListView", "PageView",
    // "LabelBMFont", "DragPanel" and every other class yield nothing, and so
    // do their children: there is no node to hold them.
    if (node == nullptr)
        return nullptr;

    Json* children = JsonRead::Array(entry, "children");
    for (Json* child = Json_getItemAt(children, 0); child != nullptr; child = child->next) {
        if (cocos2d::Node* built = ParseLayerJsonNode(child, depth + 1))
            node->addChild(built);
    }
    return node;
}

// ---------------------------------------------------------------- shared steps

void CParseJson::RouteToRootLayer(cocos2d::Node* button)
{
    CSpriteSelectorN* selector = dynamic_cast<CSpriteSelectorN*>(button);
    if (selector == nullptr || m_pRootLayer == nullptr)
        return;
    selector->SetSelectorBegan(m_pRootLayer, CC_CALLFUNCN_SELECTOR(CParseLayer::ccParseLayerButtonBegan));
    selector->SetSelectorMoved(m_pRootLayer, CC_CALLFUNCN_SELECTOR(CParseLayer::ccParseLayerButtonMoved));
    selector->SetSelectorEnded(m_pRootLayer, CC_CALLFUNCN_SELECTOR(CParseLayer::ccParseLayerButtonEnded));
}

void CParseJson::AnnounceToRootLayer(cocos2d::Node* node)
{
    if (m_pRootLayer != nullptr)
        m_pRootLayer->InitNodeInterface(node);
}

void CParseJson::SetPropertyForUIJsonData(cocos2d::Node* node, Json* options)
{
    CSpriteUIJsonData* record = dynamic_cast<CSpriteUIJsonData*>(node);
    if (record == nullptr)
        return;
    const std::string name = NameOf(options);
    record->SetJsonName(name);
    record->SetJsonParent(m_pRootLayer);
    node->setName(name);
    AnnounceToRootLayer(node);
}

void CParseJson::SetPropertyForCNode(cocos2d::Node* node, Json* options)
{
    if (node == nullptr)
        return;
    node->setContentSize(
        cocos2d::Size(JsonRead::Float(options, "width", 0.0f), JsonRead::Float(options, "height", 0.0f)));
    node->setTag(JsonRead::Int(options, "tag", 0));
    node->setAnchorPoint(cocos2d::Vec2(JsonRead::Float(options, "anchorPointX", 0.5f),
                                       JsonRead::Float(options, "anchorPointY", 0.5f)));
    node->setPosition(cocos2d::Vec2(JsonRead::Float(options, "x", 0.0f), JsonRead::Float(options, "y", 0.0f)));
    node->setScaleX(JsonRead::Float(options, "scaleX", 1.0f));
    node->setScaleY(JsonRead::Float(options, "scaleY", 1.0f));
    node->setRotation(JsonRead::Float(options, "rotation", 0.0f));
    if (const Json* visible = Json_getItem(options, "visible"))
        node->setVisible(visible->type != Json_False);
    node->setLocalZOrder(JsonRead::Int(options, "ZOrder", 0));
}

void CParseJson::SetPropertyForCNodeColor(cocos2d::Node* node, Json* options)
{
    if (node == nullptr)
        return;
    if (!JsonRead::HasNumber(options, "opacity"))
        node->setOpacity(255);
    else if (JsonRead::Int(options, "opacity", 255) != 0)
        node->setOpacity(Byte(options, "opacity", 255));
    node->setColor(Colour(options, "colorR", "colorG", "colorB"));
}

void CParseJson::SetPropertyForSprite(cocos2d::Node* node, Json* options)
{
    cocos2d::Sprite* sprite = dynamic_cast<cocos2d::Sprite*>(node);
    if (sprite == nullptr)
        return;
    sprite->setFlippedX(JsonRead::Int(options, "flipX", 0) != 0);
    sprite->setFlippedY(JsonRead::Int(options, "flipY", 0) != 0);
}

// ---------------------------------------------------------------- layers

void CParseJson::SetPropertyForLayer(cocos2d::Node* node, Json* options)
{
    cocos2d::Layer* layer = dynamic_cast<cocos2d::Layer*>(node);
    if (layer == nullptr)
        return;
    layer->setContentSize(cocos2d::Size(m_fDesignWidth, m_fDesignHeight));
    SetPropertyForCNode(layer, options);
    SetPropertyForUIJsonData(layer, options);
    SetAutoPositionWithNode(layer);
}

void CParseJson::SetPropertyForLayerEx(cocos2d::Node* node, Json* options)
{
    CCLayerEx* layer = dynamic_cast<CCLayerEx*>(node);
    if (layer == nullptr)
        return;
    SetPropertyForLayer(layer, options);
    if (Contains(NameOf(options), "false"))
        layer->SetRemoveSelf(false);
    SetAutoPositionWithNode(layer);
}

void CParseJson::SetPropertyForLayerGradient(cocos2d::Node* node, Json* options)
{
    CCLayerGradientEx* layer = dynamic_cast<CCLayerGradientEx*>(node);
    if (layer == nullptr)
        return;
    SetPropertyForCNode(layer, options);
    SetPropertyForUIJsonData(layer, options);
    const cocos2d::Size size = layer->getContentSize();
    layer->setStartColor(Colour(options, "bgStartColorR", "bgStartColorG", "bgStartColorB"));
    layer->setEndColor(Colour(options, "bgEndColorR", "bgEndColorG", "bgEndColorB"));
    layer->setVector(
        cocos2d::Vec2(JsonRead::Float(options, "vectorX", 0.0f), JsonRead::Float(options, "vectorY", 0.0f)));
    layer->setContentSize(size);
    SetPropertyForUIJsonData(layer, options);
    SetAutoPositionWithNode(layer);
}

void CParseJson::SetPropertyForScrollView(cocos2d::Node* node, Json* options)
{
    CCScrollViewEx* scroll = dynamic_cast<CCScrollViewEx*>(node);
    if (scroll == nullptr)
        return;
    SetPropertyForCNode(scroll, options);
    SetPropertyForUIJsonData(scroll, options);
    scroll->setContentSize(cocos2d::Size(JsonRead::Float(options, "innerWidth", 0.0f),
                                         JsonRead::Float(options, "innerHeight", 0.0f)));
    scroll->setViewSize(
        cocos2d::Size(JsonRead::Float(options, "width", 0.0f), JsonRead::Float(options, "height", 0.0f)));
    scroll->SetScrollTop();
    switch (JsonRead::Int(options, "direction", 0)) {
    case 1: scroll->setDirection(CCScrollViewEx::Direction::VERTICAL); break;
    case 2: scroll->setDirection(CCScrollViewEx::Direction::HORIZONTAL); break;
    default: scroll->setDirection(CCScrollViewEx::Direction::BOTH); break;
    }
    scroll->setDelegate(static_cast<CCScrollViewDelegateEx*>(scroll));
    SetAutoPositionWithNode(scroll);
}

// ---------------------------------------------------------------- buttons

void CParseJson::SetPropertyForButton(cocos2d::Node* node, Json* options)
{
    CSpriteButton* button = dynamic_cast<CSpriteButton*>(node);
    if (button == nullptr)
        return;
    SetPropertyForCNodeColor(button, options);
    SetPropertyForSprite(button, options);
    RouteToRootLayer(button);
    SetPropertyForTextButton(button, options);
}

void CParseJson::SetPropertyForTextButton(cocos2d::Node* node, Json* options)
{
    CSpriteButton* button = dynamic_cast<CSpriteButton*>(node);
    if (button == nullptr)
        return;
    SetPropertyForCNode(button, options);
    button->SetConstScaleX(button->getScaleX());
    button->SetConstScaleY(button->getScaleY());

    const std::string text = JsonRead::String(options, "text", std::string());
    if (!text.empty())
        button->SetButtobLabel(text, kFontName, JsonRead::Float(options, "fontSize", kFontSize));

    static const struct {
        const char* key;
        CSpriteButton::BUTTON_ENUM status;
    } kStates[] = {
        {"normalData", CSpriteButton::BUTTON_NORMAL},
        {"pressedData", CSpriteButton::BUTTON_PRESSED},
        {"disabledData", CSpriteButton::BUTTON_DISABLED},
    };
    for (const auto& state : kStates) {
        if (HasResourcePath(options, state.key))
            button->SetButtonFileStatus(ResourcePath(options, state.key), 1, state.status);
    }
    // Loading a look also shows it; a parsed button starts in its normal look
    // whatever the last look loaded was.
    button->SetButtonShowEnum(CSpriteButton::BUTTON_NORMAL);

    if (Json_getBool(options, "scale9Enable")) {
        const cocos2d::Rect insets(
            JsonRead::Float(options, "capInsetsX", 0.0f), JsonRead::Float(options, "capInsetsY", 0.0f),
            JsonRead::Float(options, "capInsetsWidth", 0.0f), JsonRead::Float(options, "capInsetsHeight", 0.0f));
        if (HasResourcePath(options, "normalData")) {
            button->SetButtonScale9File(ResourcePath(options, "normalData"));
            if (button->GetScale9() != nullptr)
                button->GetScale9()->setCapInsets(insets);
        }
        if (JsonRead::HasNumber(options, "scale9Width") && JsonRead::HasNumber(options, "scale9Height"))
            button->setContentSize(cocos2d::Size(JsonRead::Float(options, "scale9Width", 1.0f),
                                                 JsonRead::Float(options, "scale9Height", 1.0f)));
    }

    RouteToRootLayer(button);
    SetPropertyForUIJsonData(button, options);
    SetAutoPositionWithNode(button);
}

void CParseJson::SetPropertyForLabelAtlasButton(cocos2d::Node* node, Json* options)
{
    CSpriteButton* button = dynamic_cast<CSpriteButton*>(node);
    if (button == nullptr)
        return;
    if (HasAtlasKeys(options)) {
        const std::string path = ResourcePath(options, "charMapFileData");
        cocos2d::Texture2D* texture = LoadTexture(path);
        if (texture != nullptr) {
            // The strip is cut into columns of "itemWidth"; without a usable
            // width the whole image is the one column.
            const int itemWidth = JsonRead::Int(options, "itemWidth", 0);
            const float width = texture->getContentSize().width;
            const int columns = itemWidth > 0 ? static_cast<int>(width / static_cast<float>(itemWidth)) : 1;
            button->SetButtonFileStatus(texture, columns, CSpriteButton::BUTTON_STRIP);
            // The first character of the map names the look to show; one
            // that is no look shows the normal one.
            const int shown = std::atoi(JsonRead::String(options, "startCharMap", "0").c_str());
            const bool look = shown >= CSpriteButton::BUTTON_NORMAL && shown <= CSpriteButton::BUTTON_DISABLED;
            button->SetButtonShowEnum(look ? static_cast<CSpriteButton::BUTTON_ENUM>(shown)
                                           : CSpriteButton::BUTTON_NORMAL);
        }
    }
    button->SetConstScaleX(button->getScaleX());
    button->SetConstScaleY(button->getScaleY());
    RouteToRootLayer(button);
    SetPropertyForCNode(button, options);
    SetPropertyForUIJsonData(button, options);
    SetAutoPositionWithNode(button);
}

// ---------------------------------------------------------------- labels and images

void CParseJson::SetPropertyForLabel(cocos2d::Node* node, Json* options)
{
    CSpriteLabel* label = dynamic_cast<CSpriteLabel*>(node);
    if (label == nullptr)
        return;
    SetPropertyForCNode(label, options);
    SetPropertyForUIJsonData(label, options);
    label->setSystemFontName(kFontName);
    label->setSystemFontSize(JsonRead::Float(options, "fontSize", kFontSize));
    label->setString(JsonRead::String(options, "text", "default"));
    label->setDimensions(static_cast<float>(Dimension(JsonRead::Float(options, "areaWidth", 0.0f))),
                         static_cast<float>(Dimension(JsonRead::Float(options, "areaHeight", 0.0f))));
    if (Contains(NameOf(options), "Tail"))
        label->SetEllipsis(static_cast<int>(label->getContentSize().width), CSpriteLabel::ELLIPSIS_BACK);
    SetPropertyForCNodeColor(label, options);
    SetAutoPositionWithNode(label);
    AnnounceToRootLayer(label);
}

void CParseJson::SetPropertyForLabelAtlas(cocos2d::Node* node, Json* options)
{
    CCLabelAtlasEx* atlas = dynamic_cast<CCLabelAtlasEx*>(node);
    if (atlas == nullptr)
        return;
    if (HasAtlasKeys(options) && ResourceType(options, "charMapFileData") == 0) {
        const std::string path = ResourcePath(options, "charMapFileData");
        cocos2d::Texture2D* texture = LoadTexture(path);
        const int itemWidth = JsonRead::Int(options, "itemWidth", 0);
        const int itemHeight = JsonRead::Int(options, "itemHeight", 0);
        // Glyphs that do not fit the map at least once would leave the atlas
        // no row or column to take characters from.
        if (texture != nullptr && itemWidth > 0 && itemHeight > 0 &&
            static_cast<float>(itemWidth) <= texture->getContentSize().width &&
            static_cast<float>(itemHeight) <= texture->getContentSize().height) {
            const std::string start = JsonRead::String(options, "startCharMap", "0");
            atlas->initWithString(JsonRead::String(options, "stringValue", "0"), texture, itemWidth, itemHeight,
                                  static_cast<unsigned char>(start.empty() ? 0 : start[0]));
        }
    }
    SetPropertyForCNode(atlas, options);
    SetPropertyForUIJsonData(atlas, options);
    SetAutoPositionWithNode(atlas);
}

void CParseJson::SetPropertyForImageView(cocos2d::Node* node, Json* options)
{
    CSpriteImage* image = dynamic_cast<CSpriteImage*>(node);
    if (image == nullptr)
        return;
    SetPropertyForCNode(image, options);
    const int type = ResourceType(options, "fileNameData");
    const std::string path = ResourcePath(options, "fileNameData");
    if ((type == 0 && !path.empty()) || type == 1)
        image->SetTextureFile(path, cocos2d::Rect::ZERO);
    SetPropertyForCNodeColor(image, options);
    SetPropertyForSprite(image, options);
    SetPropertyForUIJsonData(image, options);
    SetAutoPositionWithNode(image);
}

void CParseJson::SetPropertyForScale9Sprite(cocos2d::Node* node, Json* options)
{
    CCScale9SpriteEx* sprite = dynamic_cast<CCScale9SpriteEx*>(node);
    if (sprite == nullptr)
        return;
    const std::string path = ResourcePath(options, "fileNameData");
    const cocos2d::Sprite* plain = LoadSprite(path);
    const cocos2d::Size image = plain != nullptr ? plain->getContentSize() : cocos2d::Size::ZERO;
    const cocos2d::Rect insets(JsonRead::Float(options, "capInsetsX", image.width / 2),
                               JsonRead::Float(options, "capInsetsY", image.height / 2),
                               JsonRead::Float(options, "capInsetsWidth", 1.0f),
                               JsonRead::Float(options, "capInsetsHeight", 1.0f));
    sprite->setCapInsets(insets);
    const cocos2d::Size size(JsonRead::Float(options, "scale9Width", 1.0f),
                             JsonRead::Float(options, "scale9Height", 1.0f));
    if (plain != nullptr)
        sprite->initWithFile(insets, path);
    sprite->setContentSize(size);
    SetPropertyForCNode(sprite, options);
    SetPropertyForUIJsonData(sprite, options);
    SetAutoPositionWithNode(sprite);
}

// ---------------------------------------------------------------- input widgets

void CParseJson::SetPropertyForControlSlider(cocos2d::Node* node, Json* options)
{
    CCControlSliderEx* slider = dynamic_cast<CCControlSliderEx*>(node);
    if (slider == nullptr)
        return;
    SetPropertyForCNode(slider, options);
    SetPropertyForUIJsonData(slider, options);
    cocos2d::Sprite* bar = LoadSprite(ResourcePath(options, "barFileNameData"));
    cocos2d::Sprite* progress = LoadSprite(ResourcePath(options, "progressBarData"));
    cocos2d::Sprite* ball = LoadSprite(ResourcePath(options, "ballNormalData"));
    // A slider is only made of all three pictures.
    if (bar != nullptr && progress != nullptr && ball != nullptr && slider->initWithSprites(bar, progress, ball)) {
        slider->setValue(static_cast<float>(JsonRead::Int(options, "percent", 1)) / 100.0f);
        slider->setMinimumValue(0.0f);
        slider->setMaximumValue(1.0f);
    }
    SetAutoPositionWithNode(slider);
}

void CParseJson::SetPropertyForEditBox(cocos2d::Node* node, Json* options)
{
    CSpriteEditBox* edit = dynamic_cast<CSpriteEditBox*>(node);
    if (edit == nullptr)
        return;
    SetPropertyForUIJsonData(edit, options);
    edit->setContentSize(
        cocos2d::Size(JsonRead::Float(options, "width", 0.0f), JsonRead::Float(options, "height", 0.0f)));
    const int tag = JsonRead::Int(options, "tag", 0);
    edit->setTag(tag);
    edit->setPosition(cocos2d::Vec2(JsonRead::Float(options, "x", 0.0f), JsonRead::Float(options, "y", 0.0f)));
    edit->setScaleX(JsonRead::Float(options, "scaleX", 1.0f));
    edit->setScaleY(JsonRead::Float(options, "scaleY", 1.0f));
    edit->setRotation(JsonRead::Float(options, "rotation", 0.0f));
    edit->setAnchorPoint(cocos2d::Vec2(JsonRead::Float(options, "anchorPointX", 0.5f),
                                       JsonRead::Float(options, "anchorPointY", 0.5f)));
    edit->setMaxLength(kEditMaxLength);
    if (const Json* visible = Json_getItem(options, "visible"))
        edit->setVisible(visible->type != Json_False);
    edit->setLocalZOrder(JsonRead::Int(options, "ZOrder", 0));
    if (Json_getItem(options, "placeHolder") != nullptr)
        edit->setPlaceHolder(JsonRead::String(options, "placeHolder", std::string()).c_str());
    edit->setText(JsonRead::String(options, "text", std::string()).c_str());
    if (Json_getItem(options, "fontSize") != nullptr)
        edit->setFontSize(JsonRead::Int(options, "fontSize", static_cast<int>(kFontSize)));
    if (Json_getItem(options, "fontName") != nullptr)
        edit->setFontName(JsonRead::String(options, "fontName", kFontName).c_str());
    if (Json_getItem(options, "maxLengthEnable") != nullptr) {
        const bool limited = Json_getBool(options, "maxLengthEnable");
        edit->setMaxLength(limited ? JsonRead::Int(options, "maxLength", kEditMaxLength) : kEditMaxLength);
    }
    if (Json_getItem(options, "passwordEnable") != nullptr) {
        const bool password = Json_getBool(options, "passwordEnable");
        edit->setInputFlag(password ? cocos2d::ui::EditBox::InputFlag::PASSWORD
                                    : cocos2d::ui::EditBox::InputFlag::SENSITIVE);
    }
    edit->setFontColor(Colour(options, "colorR", "colorG", "colorB"));
    edit->SetTouchPriority(tag);
    SetAutoPositionWithNode(edit);
}

// ---------------------------------------------------------------- adaptation

void CParseJson::SetAutoPositionWithNode(cocos2d::Node* node)
{
    const CSpriteUIJsonData* record = dynamic_cast<CSpriteUIJsonData*>(node);
    if (record == nullptr)
        return;
    const std::string name = record->GetJsonName();
    CCScrollViewEx* scroll = dynamic_cast<CCScrollViewEx*>(node);
    CCScale9SpriteEx* scale9 = dynamic_cast<CCScale9SpriteEx*>(node);

    if (Contains(name, "wh_")) {
        const cocos2d::Size change = CAutoScreen::GetChangeSize();
        if (scroll != nullptr) {
            const cocos2d::Size size = scroll->getContentSize();
            const cocos2d::Size grown(size.width + change.width, size.height + change.height);
            scroll->setContentSize(grown);
            scroll->setViewSize(scroll->getContentSize());
        } else if (scale9 != nullptr) {
            const cocos2d::Size size = scale9->getContentSize();
            scale9->setContentSize(cocos2d::Size(size.width + change.width, size.height + change.height));
        }
    }

    const float halfW = (CAutoScreen::GetSceneWidth() - m_fDesignWidth) / 2.0f;
    const float halfH = (CAutoScreen::GetSceneHeight() - m_fDesignHeight) / 2.0f;
    const bool resolute = CAutoScreen::GetResoluteBool();
    // Stretching across the width needs the width the layout was designed for.
    const bool widthKnown = m_fDesignWidth > 0.0f;
    const float widthScale = widthKnown ? CAutoScreen::GetSceneSize().width / m_fDesignWidth : 1.0f;

    if (StartsWith(name, "cs_")) {
        node->setScale(CAutoScreen::GetSceneScale());
    } else if (StartsWith(name, "bar_")) {
        if (!widthKnown)
            return;
        node->setScaleX(widthScale);
        if (node->getAnchorPoint().x == 0.0f && node->getAnchorPoint().y == 0.0f) {
            const float grow = node->getScaleX() - 1.0f;
            const float width = static_cast<float>(static_cast<int>(node->getContentSize().width));
            const float offset = grow > 0.0f ? width * grow / 2.0f : 0.0f;
            MoveX(node, -static_cast<float>(static_cast<int>(offset)));
        }
    } else if (StartsWith(name, "ubar_")) {
        if (widthKnown)
            node->setScaleX(widthScale);
        MoveY(node, halfH);
    } else if (StartsWith(name, "dbar_")) {
        if (widthKnown)
            node->setScaleX(widthScale);
        MoveY(node, -halfH);
    } else if (StartsWith(name, "wscale9_")) {
        if (scale9 != nullptr)
            scale9->setContentSize(cocos2d::Size(CAutoScreen::GetSceneWidth(), scale9->getContentSize().height));
    } else if (StartsWith(name, "uscale9_")) {
        if (scale9 != nullptr) {
            scale9->setContentSize(cocos2d::Size(CAutoScreen::GetSceneWidth(), scale9->getContentSize().height));
            MoveY(scale9, halfH);
        }
    } else if (StartsWith(name, "lu_")) {
        resolute ? MoveY(node, halfH) : MoveX(node, -halfW);
    } else if (StartsWith(name, "ld_")) {
        resolute ? MoveY(node, -halfH) : MoveX(node, -halfW);
    } else if (StartsWith(name, "ru_")) {
        resolute ? MoveY(node, halfH) : MoveX(node, halfW);
    } else if (StartsWith(name, "rd_")) {
        resolute ? MoveY(node, -halfH) : MoveX(node, halfW);
    } else if (StartsWith(name, "l_")) {
        MoveX(node, -halfW);
    } else if (StartsWith(name, "r_")) {
        MoveX(node, halfW);
    } else if (StartsWith(name, "u_")) {
        MoveY(node, halfH);
    } else if (StartsWith(name, "d_")) {
        MoveY(node, -halfH);
    }
    // "c_" and names without a marker stay where the layout put them.
}
