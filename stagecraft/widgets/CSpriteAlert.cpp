#include "widgets/CSpriteAlert.h"

#include <algorithm>
#include <new>

#include "services/CAutoScreen.h"
#include "services/TzTextConvert.h"
#include "widgets/CCScale9SpriteEx.h"
#include "widgets/CSpriteButton.h"
#include "widgets/CSpriteImage.h"
#include "widgets/CSpriteLabel.h"
#include "widgets/WidgetListeners.h"

USING_NS_CC;

std::string CSpriteAlert::m_sButtonFile = "LayerCommon/bt_alert0.png";
std::string CSpriteAlert::m_sButtonFile2 = "LayerCommon/bt_alert1.png";
std::string CSpriteAlert::m_sButtonFileDesc;
std::string CSpriteAlert::m_sButtonFileDesc2;
std::string CSpriteAlert::m_sButtonFileDesc4;
std::string CSpriteAlert::m_sBackFile = "LayerCommon/imscale9.png";
std::string CSpriteAlert::m_sBackFileTitle;
std::string CSpriteAlert::m_sFontTitleName = "Arial";
float CSpriteAlert::m_fFontSize = 44;
float CSpriteAlert::m_fContextWidth = 640;
float CSpriteAlert::m_fContextDelayHeight = 65;
float CSpriteAlert::m_fContextOffsety = 0;
bool CSpriteAlert::m_bButtonLabel = false;
CSpriteAlert::TzButtonExDesc CSpriteAlert::m_eButtonExEnum = CSpriteAlert::EX_DESC_NONE;
Vec2 CSpriteAlert::m_sButtonScale(1, 1);
Size CSpriteAlert::m_sButtonSizeAdd(0, 0);

namespace {

// The texts the alert supplies itself, in the ANSI code page (936).
const char kTitleText[] = "\xCF\xB5\xCD\xB3\xCC\xE1\xCA\xBE";          // system notice
const char kSureText[] = "\xC8\xB7\xB6\xA8";                          // confirm
const char kCancelText[] = "\xC8\xA1\xCF\xFB";                        // cancel
const char kSwitchText[] = "\xC7\xD0\xBB\xBB\xD5\xCB\xBA\xC5";        // switch account

const GLubyte kBackOpacity = 100;
const int kContentZ = 1;
// Distance of the title from the panel's top and of the buttons from its bottom.
const float kEdgeGap = 20;
// Share of the width a message may take before it wraps.
const float kMessageShare = 0.8f;
// Desktop message: left edge, height share of the panel, font size.
const float kDesktopMessageX = 86;
const float kDesktopMessageHeightDivisor = 1.5f;
const float kDesktopMessageFontSize = 20;
// Desktop buttons: normal, pressed, selected, hover and disabled side by side.
const int kStripFrames = 5;
// The title image's height counts a quarter more, as room around it.
const float kTitleImageRoom = 1.25f;

// One button of a mobile alert: image, label, layout name and description image.
struct MobileButton {
    const std::string* image;
    const char* label;
    const char* name;
    const std::string* description;
};

// Wraps a label wider than width at that width (whole points).
void WrapAt(CSpriteLabel* label, float width)
{
    if (label != nullptr && label->getContentSize().width > width)
        label->setDimensions(static_cast<float>(static_cast<int>(width)), 0);
}

} // namespace

CSpriteAlert::CSpriteAlert()
    : m_pBackLayer(nullptr),
      m_pScale9(nullptr),
      m_pTitleImage(nullptr),
      m_pTitleLabel(nullptr),
      m_pMessage(nullptr),
      m_eButtonEnum(ALERT_SURE),
      m_nSelectIndex(0),
      m_nAlertType(0),
      m_pPressedButton(nullptr),
      m_bListening(false)
{
}

CSpriteAlert::~CSpriteAlert()
{
    m_vButtons.clear();
    if (CSpriteButton::m_pButtonMoved == this)
        CSpriteButton::m_pButtonMoved = nullptr;
}

CSpriteAlert* CSpriteAlert::create()
{
    CSpriteAlert* alert = new (std::nothrow) CSpriteAlert();
    if (alert != nullptr && alert->init()) {
        alert->autorelease();
        return alert;
    }
    delete alert;
    return nullptr;
}

CSpriteAlert* CSpriteAlert::CreateOnPanel()
{
    CSpriteAlert* alert = create();
    if (alert == nullptr)
        return nullptr;
    alert->SetBackLayerColor(Color4B(0, 0, 0, 255));
    alert->SetBackFile(m_sBackFile);
    return alert;
}

CSpriteAlert* CSpriteAlert::create(const std::string& message, TzButtonEnum buttons)
{
    CSpriteAlert* alert = CreateOnPanel();
    if (alert == nullptr)
        return nullptr;
    alert->SetAlertTitle(m_sBackFileTitle);
    alert->SetAlertMessage(message);
    alert->SetAlertButton(buttons);
    alert->SetAlertAutoScale9Pos();
    return alert;
}

CSpriteAlert* CSpriteAlert::create(const std::string& message, Node* target, SEL_CallFuncN callback,
                                   TzButtonEnum buttons, int type)
{
    CSpriteAlert* alert = create(message, buttons);
    if (alert == nullptr)
        return nullptr;
    alert->SetSelectorEnded(target, callback);
    alert->SetAlertType(type);
    return alert;
}

CSpriteAlert* CSpriteAlert::createPC(const std::string& message, TzButtonEnum buttons)
{
    CSpriteAlert* alert = CreateOnPanel();
    if (alert == nullptr)
        return nullptr;
    alert->SetAlertMessage(message);
    alert->SetAlertButtonPC(buttons);
    alert->SetAlertAutoNormal();
    return alert;
}

// --- parts --------------------------------------------------------------------------

Node* CSpriteAlert::Panel()
{
    if (m_pScale9 != nullptr)
        return m_pScale9;
    return this;
}

void CSpriteAlert::SetBackLayerColor(Color4B color)
{
    if (m_pBackLayer != nullptr)
        m_pBackLayer->removeFromParent();
    m_pBackLayer = LayerColor::create(color, CAutoScreen::GetSceneWidth(), CAutoScreen::GetSceneHeight());
    if (m_pBackLayer == nullptr)
        return;
    m_pBackLayer->setAnchorPoint(Vec2::ZERO);
    m_pBackLayer->setPosition(Vec2::ZERO);
    m_pBackLayer->setOpacity(kBackOpacity);
    addChild(m_pBackLayer);
}

void CSpriteAlert::SetBackFile(const std::string& file)
{
    if (file.empty())
        return;
    if (m_pScale9 != nullptr)
        m_pScale9->removeFromParent();
    m_pScale9 = CCScale9SpriteEx::create(file);
    if (m_pScale9 == nullptr)
        return;
    const Size size = getContentSize();
    m_pScale9->setPosition(size.width / 2, size.height / 2);
    addChild(m_pScale9, 0);
}

void CSpriteAlert::SetAlertTitle(const std::string& file)
{
    if (m_pTitleImage != nullptr)
        m_pTitleImage->removeFromParent();
    if (m_pTitleLabel != nullptr)
        m_pTitleLabel->removeFromParent();
    m_pTitleImage = nullptr;
    m_pTitleLabel = nullptr;
    if (!file.empty()) {
        m_sBackFileTitle = file;
        m_pTitleImage = CSpriteImage::create(file);
        if (m_pTitleImage != nullptr)
            Panel()->addChild(m_pTitleImage, kContentZ);
    } else {
        m_pTitleLabel = CSpriteLabel::create(TzConverUtf8(kTitleText), m_sFontTitleName, m_fFontSize);
        if (m_pTitleLabel != nullptr)
            Panel()->addChild(m_pTitleLabel, kContentZ);
    }
}

void CSpriteAlert::SetAlertMessage(const std::string& text)
{
    if (m_pMessage != nullptr)
        m_pMessage->removeFromParent();
    m_pMessage = CSpriteLabel::create(text, m_sFontTitleName, m_fFontSize);
    if (m_pMessage != nullptr)
        Panel()->addChild(m_pMessage, kContentZ);
}

// --- buttons ----------------------------------------------------------------------------

void CSpriteAlert::RemoveAlertButtons()
{
    for (CSpriteButton* button : m_vButtons)
        button->removeFromParent();
    m_vButtons.clear();
}

void CSpriteAlert::PrepareAlertButton(CSpriteButton* button, int index)
{
    button->SetParamInt(index);
    button->SetScale9RelativeSize(m_sButtonSizeAdd);
    button->setScaleX(m_sButtonScale.x);
    button->setScaleY(m_sButtonScale.y);
    button->SetConstScaleX(m_sButtonScale.x);
    button->SetConstScaleY(m_sButtonScale.y);
    button->SetButtonType(1);
}

void CSpriteAlert::SetAlertButton(TzButtonEnum buttons)
{
    RemoveAlertButtons();
    m_eButtonEnum = buttons;
    const MobileButton sure = {&m_sButtonFile, kSureText, "bt_Sure", &m_sButtonFileDesc};
    const MobileButton switchAccount = {&m_sButtonFile, kSwitchText, "bt_Sure", &m_sButtonFileDesc4};
    const MobileButton cancel = {&m_sButtonFile2, kCancelText, "bt_Cancel", &m_sButtonFileDesc2};
    MobileButton row[2] = {buttons == ALERT_SWITCH_CANCEL ? switchAccount : sure, cancel};
    int count = 0;
    if (buttons == ALERT_SURE)
        count = 1;
    else if (buttons == ALERT_SURE_CANCEL || buttons == ALERT_SWITCH_CANCEL)
        count = 2;
    for (int i = 0; i < count; ++i) {
        // The labels are stored in the ANSI code page, like the title.
        const std::string label = m_bButtonLabel ? TzConverUtf8(row[i].label) : std::string();
        CSpriteButton* button = CSpriteButton::create(*row[i].image, label, m_sFontTitleName, m_fFontSize);
        if (button == nullptr)
            continue;
        PrepareAlertButton(button, i);
        button->SetJsonName(row[i].name);
        AddAlertButton(button);
        if (m_eButtonExEnum == EX_DESC_IMAGE && !row[i].description->empty()) {
            if (CSpriteImage* description = CSpriteImage::create(*row[i].description)) {
                const Size size = button->getContentSize();
                description->setPosition(size.width / 2, size.height / 2);
                button->addChild(description);
            }
        }
    }
}

void CSpriteAlert::SetAlertButtonPC(TzButtonEnum buttons)
{
    RemoveAlertButtons();
    m_eButtonEnum = buttons;
    const std::string* files[2] = {&m_sButtonFile, &m_sButtonFile2};
    const int count = buttons == ALERT_SURE ? 1 : (buttons == ALERT_SURE_CANCEL ? 2 : 0);
    for (int i = 0; i < count; ++i) {
        CSpriteButton* button = CSpriteButton::create(*files[i], kStripFrames, CSpriteButton::BUTTON_STRIP);
        if (button == nullptr)
            continue;
        PrepareAlertButton(button, i);
        AddAlertButton(button);
    }
}

void CSpriteAlert::AddAlertButton(const std::string& text)
{
    if (CSpriteButton* button = CSpriteButton::create(m_sButtonFile, text, m_sFontTitleName, m_fFontSize))
        AddAlertButton(button);
}

void CSpriteAlert::AddAlertButton(CSpriteButton* button)
{
    if (button == nullptr)
        return;
    button->SetSelectorEnded(this, CC_CALLFUNCN_SELECTOR(CSpriteAlert::ccButtonEventWithAlertButton));
    Panel()->addChild(button, kContentZ);
    m_vButtons.pushBack(button);
}

void CSpriteAlert::ccButtonEventWithAlertButton(Node* button)
{
    m_pPressedButton = button;
    if (CSpriteButton* pressed = dynamic_cast<CSpriteButton*>(button))
        m_nSelectIndex = static_cast<unsigned short>(pressed->GetParamInt());
    // The caller's callback may drop the last reference; the alert lives to the end of this call.
    retain();
    removeFromParentAndCleanup(true);
    CallSelectorEnded(this);
    autorelease();
}

// --- layouts -------------------------------------------------------------------------------

void CSpriteAlert::PlaceButtons(float width, float y)
{
    if (m_vButtons.size() == 1) {
        m_vButtons.at(0)->setPosition(width / 2, y);
    } else if (m_vButtons.size() >= 2) {
        m_vButtons.at(0)->setPosition(width / 4, y);
        m_vButtons.at(1)->setPosition(width / 2 + width / 4, y);
    }
}

void CSpriteAlert::SetAlertAutoScale9Pos()
{
    if (m_pScale9 == nullptr)
        return;
    const Size panel = m_pScale9->getContentSize();
    const float width = std::max(m_fContextWidth, panel.width);
    // A long message wraps first, so that the panel grows to its wrapped height.
    WrapAt(m_pMessage, kMessageShare * m_fContextWidth);
    float title = 0;
    if (m_pTitleLabel != nullptr)
        title = m_pTitleLabel->getContentSize().height;
    else if (m_pTitleImage != nullptr)
        title = m_pTitleImage->getContentSize().height * kTitleImageRoom;
    const float message = m_pMessage != nullptr ? m_pMessage->getContentSize().height : 0;
    const float buttons = m_vButtons.empty() ? 0 : m_vButtons.at(0)->getContentSize().height;
    const float height = std::max(panel.height, title + message + buttons + 4 * m_fContextDelayHeight);
    m_pScale9->setContentSize(Size(width, height));

    Node* titleNode = m_pTitleLabel != nullptr ? static_cast<Node*>(m_pTitleLabel) : m_pTitleImage;
    if (titleNode != nullptr) {
        titleNode->setAnchorPoint(Vec2(0.5f, 1.0f));
        titleNode->setPosition(width / 2, height - kEdgeGap);
    }
    if (m_pMessage != nullptr)
        m_pMessage->setPosition(width / 2, height / 2 + m_fContextOffsety);
    for (CSpriteButton* button : m_vButtons)
        button->setAnchorPoint(Vec2(0.5f, 0.0f));
    PlaceButtons(width, kEdgeGap);
}

void CSpriteAlert::SetAlertAutoNormal()
{
    if (m_pScale9 == nullptr)
        return;
    const Size panel = m_pScale9->getContentSize();
    if (m_pMessage != nullptr) {
        WrapAt(m_pMessage, kMessageShare * panel.width);
        m_pMessage->setAnchorPoint(Vec2(0.0f, 1.0f));
        m_pMessage->setPosition(kDesktopMessageX, panel.height / kDesktopMessageHeightDivisor);
        m_pMessage->setSystemFontSize(kDesktopMessageFontSize);
    }
    PlaceButtons(panel.width, kEdgeGap);
}

void CSpriteAlert::SetAlertButtonCutoverPos()
{
    if (m_eButtonEnum != ALERT_SURE_CANCEL || m_vButtons.size() < 2)
        return;
    CSpriteButton* first = m_vButtons.at(0);
    CSpriteButton* second = m_vButtons.at(1);
    const float x = first->getPositionX();
    first->setPositionX(second->getPositionX());
    second->setPositionX(x);
}

// --- input ------------------------------------------------------------------------------------

void CSpriteAlert::onEnter()
{
    Layer::onEnter();
    if (m_bListening)
        return;
    m_bListening = true;
    ListenToMouseMoves(this);
    ListenToTouches(this, true);
}

void CSpriteAlert::onExit()
{
    Node::onExit();
}

void CSpriteAlert::OnMouseMove(Event* /*event*/)
{
    CSpriteButton::m_pButtonMoved = this;
}

bool CSpriteAlert::OnTouchBegan(Touch* /*touch*/, Event* /*event*/)
{
    return true;
}

void CSpriteAlert::OnTouchMoved(Touch* /*touch*/, Event* /*event*/) {}

void CSpriteAlert::OnTouchEnded(Touch* /*touch*/, Event* /*event*/) {}

void CSpriteAlert::OnTouchCancel(Touch* touch, Event* event)
{
    OnTouchEnded(touch, event);
}
