#include "widgets/CSpriteEditBox.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "widgets/CSpriteButton.h"
#include "widgets/CSpriteLabel.h"
#include "widgets/WidgetListeners.h"

USING_NS_CC;

CSpriteEditBox* CSpriteEditBox::m_pOpenEditBox = nullptr;

namespace {

const float kLabelFontSize = 26;
const float kTextFieldFontSize = 20;
// The caret: one red point, 80 % of the box high, blinking every half second.
const unsigned char kCaretPixel[3] = {0xFF, 0x00, 0x00};
const float kCaretHeightShare = 0.8f;
const float kBlinkHalf = 0.25f;
// The placeholder's colour while the box is empty.
const Color3B kPlaceHolderColor(150, 150, 150);

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

Sprite* CreateCaret()
{
    Texture2D* texture = new (std::nothrow) Texture2D();
    if (texture == nullptr)
        return nullptr;
    if (!texture->initWithData(kCaretPixel, sizeof(kCaretPixel), Texture2D::PixelFormat::RGB888, 1, 1, Size(1, 1))) {
        delete texture;
        return nullptr;
    }
    Sprite* caret = Sprite::createWithTexture(texture);
    texture->release();
    return caret;
}

} // namespace

CSpriteEditBox::CSpriteEditBox()
    : m_pMeasureLabel(nullptr),
      m_pDisplayLabel(nullptr),
      m_pTextField(nullptr),
      m_pCursor(nullptr),
      m_pStencil(nullptr),
      m_pClipping(nullptr),
      m_sFontColor(Color3B::WHITE),
      m_nCursorOffset(0),
      m_nMaxLength(33),
      m_bInputSucceed(false),
      m_bEnableInput(true),
      m_bEditBeganClear(true),
      m_bOpenIME(false),
      m_bTouchBeganInside(false),
      m_eInputCode(EventKeyboard::KeyCode::KEY_NONE)
{
}

CSpriteEditBox::~CSpriteEditBox()
{
    // Nobody hears from a box that is going away.
    m_funcEditBegan = nullptr;
    m_funcEditEnded = nullptr;
    m_funcTextChanged = nullptr;
    if (m_pTextField != nullptr) {
        CloseIME();
        m_pTextField->setDelegate(nullptr);
        m_pTextField->release();
    }
    if (m_pOpenEditBox == this)
        m_pOpenEditBox = nullptr;
    CC_SAFE_RELEASE(m_pMeasureLabel);
}

CSpriteEditBox* CSpriteEditBox::create()
{
    CSpriteEditBox* box = new (std::nothrow) CSpriteEditBox();
    if (box != nullptr && box->init()) {
        box->autorelease();
        return box;
    }
    delete box;
    return nullptr;
}

bool CSpriteEditBox::init()
{
    if (!Layer::init())
        return false;
    m_pMeasureLabel = CSpriteLabel::create();
    m_pDisplayLabel = CSpriteLabel::create();
    m_pTextField = TextFieldTTF::textFieldWithPlaceHolder("", "", kTextFieldFontSize);
    m_pCursor = CreateCaret();
    m_pStencil = LayerColor::create(Color4B::WHITE);
    Node* stencilHolder = Node::create();
    m_pClipping = ClippingNode::create(stencilHolder);
    if (m_pMeasureLabel == nullptr || m_pDisplayLabel == nullptr || m_pTextField == nullptr || m_pCursor == nullptr
        || m_pStencil == nullptr || m_pClipping == nullptr) {
        m_pMeasureLabel = nullptr;
        m_pTextField = nullptr;
        return false;
    }
    m_pMeasureLabel->retain();
    m_pMeasureLabel->setSystemFontSize(kLabelFontSize);

    m_pTextField->retain();
    m_pTextField->setHorizontalAlignment(TextHAlignment::LEFT);
    m_pTextField->setVerticalAlignment(TextVAlignment::CENTER);
    m_pTextField->setAnchorPoint(Vec2(0.0f, 0.5f));
    m_pTextField->setPosition(Vec2::ZERO);
    m_pTextField->setDelegate(this);

    m_pStencil->setContentSize(Size::ZERO);
    m_pStencil->setPosition(Vec2::ZERO);
    stencilHolder->addChild(m_pStencil);
    addChild(m_pClipping);

    m_pDisplayLabel->setSystemFontSize(kLabelFontSize);
    m_pDisplayLabel->setAnchorPoint(Vec2(0.0f, 0.5f));
    m_pDisplayLabel->setPosition(Vec2::ZERO);
    m_pClipping->addChild(m_pDisplayLabel);

    m_pCursor->setAnchorPoint(Vec2(0.0f, 0.5f));
    m_pCursor->setVisible(false);
    m_pCursor->runAction(RepeatForever::create(Sequence::create(FadeOut::create(kBlinkHalf),
                                                                FadeIn::create(kBlinkHalf), nullptr)));
    addChild(m_pCursor);

    setContentSize(getContentSize());
    RegisterTouchEvent();
    return true;
}

void CSpriteEditBox::RegisterTouchEvent()
{
    ListenToTouches(this, true, &CSpriteEditBox::TzTouchBegan, &CSpriteEditBox::TzTouchMoved,
                    &CSpriteEditBox::TzTouchEnded, &CSpriteEditBox::TzTouchCancelled);
    EventListenerKeyboard* keyboard = EventListenerKeyboard::create();
    keyboard->onKeyPressed = [this](EventKeyboard::KeyCode code, Event* e) { OnKeyPressed(code, e); };
    _eventDispatcher->addEventListenerWithSceneGraphPriority(keyboard, this);
}

// --- text -------------------------------------------------------------------

void CSpriteEditBox::setText(const char* text)
{
    m_nCursorOffset = 0;
    ReplaceText(text != nullptr ? text : "", 0);
    SetCursorOffsetLenth(static_cast<int>(m_strText.size()));
}

std::string CSpriteEditBox::GetText() const
{
    return m_pTextField != nullptr ? m_pTextField->getString() : m_strText;
}

int CSpriteEditBox::GetTextLength() const
{
    return static_cast<int>(GetText().size());
}

void CSpriteEditBox::setPlaceHolder(const char* text)
{
    m_pTextField->setPlaceHolder(text != nullptr ? text : "");
    SetEntry();
}

void CSpriteEditBox::setInputFlag(ui::EditBox::InputFlag flag)
{
    if (flag != ui::EditBox::InputFlag::PASSWORD)
        return;
    m_pTextField->setSecureTextEntry(true);
    SetEntry();
}

bool CSpriteEditBox::IsSecure() const
{
    return m_pTextField->isSecureTextEntry();
}

std::string CSpriteEditBox::Shown(size_t bytes) const
{
    bytes = std::min(bytes, m_strText.size());
    return IsSecure() ? std::string(bytes, '*') : m_strText.substr(0, bytes);
}

void CSpriteEditBox::ShowText()
{
    if (m_strText.empty()) {
        m_pDisplayLabel->setString(m_pTextField->getPlaceHolder());
        m_pDisplayLabel->setColor(kPlaceHolderColor);
        m_pDisplayLabel->setTextColor(Color4B::WHITE);
    } else {
        m_pDisplayLabel->setString(Shown(m_strText.size()));
        m_pDisplayLabel->setColor(m_sFontColor);
        m_pDisplayLabel->setTextColor(Color4B(m_sFontColor));
    }
}

void CSpriteEditBox::SetEntry()
{
    ShowText();
    SetCursorOffsetLenth(0);
}

void CSpriteEditBox::ReplaceText(const std::string& text, int caretDelta)
{
    m_strText = text;
    m_pTextField->setString(m_strText);
    ShowText();
    SetCursorOffsetLenth(caretDelta);
}

// --- fonts and size ---------------------------------------------------------------

void CSpriteEditBox::setFontName(const char* name)
{
    const std::string font = name != nullptr ? name : "";
    m_pDisplayLabel->setSystemFontName(font);
    m_pMeasureLabel->setSystemFontName(font);
    SetEntry();
}

void CSpriteEditBox::setFontSize(int size)
{
    m_pDisplayLabel->setSystemFontSize(static_cast<float>(size));
    m_pMeasureLabel->setSystemFontSize(static_cast<float>(size));
    SetEntry();
}

void CSpriteEditBox::setFontColor(const Color3B& color)
{
    m_sFontColor = color;
    ShowText();
}

std::string CSpriteEditBox::getTextFieldFontName() const
{
    return m_pTextField->getSystemFontName();
}

float CSpriteEditBox::getTextFieldFontSize() const
{
    return m_pTextField->getSystemFontSize();
}

void CSpriteEditBox::setContentSize(const Size& size)
{
    Layer::setContentSize(size);
    // The layer's own initialisation sizes it before the parts exist.
    if (m_pTextField == nullptr)
        return;
    const float middle = size.height / 2;
    m_pTextField->setContentSize(size);
    m_pTextField->setPosition(0, middle);
    m_pCursor->setPosition(0, middle);
    m_pCursor->setScaleY(kCaretHeightShare * size.height);
    m_pStencil->setContentSize(size);
    m_pDisplayLabel->setPosition(0, middle);
    SetCursorOffsetLenth(0);
}

// --- caret --------------------------------------------------------------------------

float CSpriteEditBox::MeasureWidth(const std::string& text)
{
    m_pMeasureLabel->setString(text);
    return m_pMeasureLabel->getContentSize().width;
}

void CSpriteEditBox::SetCursorOffsetLenth(int delta)
{
    if (m_pTextField == nullptr)
        return;
    const int length = static_cast<int>(m_strText.size());
    m_nCursorOffset = std::max(0, std::min(length, m_nCursorOffset + delta));
    const float caret = MeasureWidth(Shown(static_cast<size_t>(m_nCursorOffset)));
    const float boxWidth = m_pStencil->getContentSize().width;
    const float textWidth = m_strText.empty() ? 0 : m_pDisplayLabel->getContentSize().width;
    // Text wider than the box moves left so that its end meets the right edge.
    const float labelX = textWidth > boxWidth ? -(textWidth - boxWidth) : 0;
    m_pDisplayLabel->setPositionX(labelX);
    m_pCursor->setPositionX(labelX + caret);
}

void CSpriteEditBox::LogicTouchCurPos(Vec2 point)
{
    m_nCursorOffset = 0;
    if (m_strText.empty()) {
        SetCursorOffsetLenth(0);
        return;
    }
    const float x = point.x - m_pDisplayLabel->getPositionX();
    // Character boundaries, in bytes; widths grow with them.
    std::vector<size_t> boundaries;
    for (size_t i = 0; i <= m_strText.size(); ++i)
        if (i == m_strText.size() || !IsContinuationByte(m_strText[i]))
            boundaries.push_back(i);
    // The first boundary at or right of the point, then the nearer of it and the one before.
    size_t low = 0;
    size_t high = boundaries.size();
    while (low < high) {
        const size_t middle = (low + high) / 2;
        if (MeasureWidth(Shown(boundaries[middle])) < x)
            low = middle + 1;
        else
            high = middle;
    }
    size_t best = std::min(low, boundaries.size() - 1);
    if (low > 0 && low < boundaries.size()) {
        const float right = MeasureWidth(Shown(boundaries[low])) - x;
        const float left = x - MeasureWidth(Shown(boundaries[low - 1]));
        if (left <= right)
            best = low - 1;
    }
    SetCursorOffsetLenth(static_cast<int>(boundaries[best]));
}

// --- input method ---------------------------------------------------------------------

void CSpriteEditBox::OpenIME()
{
    if (m_pOpenEditBox != nullptr && m_pOpenEditBox != this)
        m_pOpenEditBox->CloseIME();
    if (m_bOpenIME)
        return;
    m_bOpenIME = true;
    m_pTextField->attachWithIME();
    m_pCursor->setVisible(true);
    m_pOpenEditBox = this;
}

void CSpriteEditBox::CloseIME()
{
    m_bOpenIME = false;
    m_pTextField->detachWithIME();
    m_pCursor->setVisible(false);
    if (m_pOpenEditBox == this)
        m_pOpenEditBox = nullptr;
}

bool CSpriteEditBox::onTextFieldAttachWithIME(TextFieldTTF* /*sender*/)
{
    if (m_funcEditBegan)
        m_funcEditBegan(this);
    return false;
}

bool CSpriteEditBox::onTextFieldDetachWithIME(TextFieldTTF* /*sender*/)
{
    if (m_funcEditEnded)
        m_funcEditEnded(this);
    return false;
}

// Always true: the text field never edits itself, the box does.
bool CSpriteEditBox::onTextFieldInsertText(TextFieldTTF* /*sender*/, const char* text, size_t length)
{
    if (text == nullptr || length == 0)
        return true;
    // A single-line box: the return key ends the input.
    if (length == 1 && text[0] == '\n') {
        CloseIME();
        return true;
    }
    if (m_funcTextChanged && !m_funcTextChanged(this, text, length))
        return true;
    if (static_cast<long long>(m_strText.size() + length) > m_nMaxLength)
        return true;
    if (IsSecure() && length > 1)
        return true;
    m_bInputSucceed = true;
    std::string updated = m_strText;
    updated.insert(static_cast<size_t>(m_nCursorOffset), text, length);
    ReplaceText(updated, static_cast<int>(length));
    return true;
}

// Removes the whole character before the caret, however many bytes it has.
bool CSpriteEditBox::onTextFieldDeleteBackward(TextFieldTTF* /*sender*/, const char* /*deleted*/, size_t /*length*/)
{
    if (m_nCursorOffset <= 0)
        return true;
    size_t start = static_cast<size_t>(m_nCursorOffset) - 1;
    while (start > 0 && IsContinuationByte(m_strText[start]))
        --start;
    const size_t count = static_cast<size_t>(m_nCursorOffset) - start;
    std::string updated = m_strText;
    updated.erase(start, count);
    ReplaceText(updated, -static_cast<int>(count));
    return true;
}

// --- touches and keys ------------------------------------------------------------------

bool CSpriteEditBox::TzTouchBegan(Touch* touch, Event* /*event*/)
{
    for (Node* node = this; node != nullptr; node = node->getParent())
        if (!node->isVisible())
            return false;
    if (CSpriteButton::m_pButtonLock != nullptr && CSpriteButton::m_pButtonLock != this)
        return false;
    const Vec2 point = convertTouchToNodeSpace(touch);
    const Size size = getContentSize();
    if (!Rect(0, 0, size.width, size.height).containsPoint(point)) {
        if (m_bOpenIME)
            CloseIME();
        return false;
    }
    if (m_bEnableInput) {
        // A tap into an open box only moves the caret.
        if (m_bEditBeganClear && !m_bOpenIME)
            setText("");
        LogicTouchCurPos(point);
        OpenIME();
        m_bTouchBeganInside = true;
    }
    CallSelectorBegan(this);
    return true;
}

void CSpriteEditBox::TzTouchMoved(Touch* /*touch*/, Event* /*event*/)
{
    CallSelectorMoved(this);
}

void CSpriteEditBox::TzTouchEnded(Touch* /*touch*/, Event* /*event*/)
{
    CallSelectorEnded(this);
    m_bTouchBeganInside = false;
}

void CSpriteEditBox::TzTouchCancelled(Touch* /*touch*/, Event* /*event*/)
{
    CloseIME();
}

void CSpriteEditBox::OnKeyPressed(EventKeyboard::KeyCode code, Event* /*event*/)
{
    m_eInputCode = code;
    CallSelectorMoved(this);
}

// --- the engine edit box's delegate operations ------------------------------------------------

void CSpriteEditBox::editBoxEditingDidBegin(ui::EditBox* /*editBox*/)
{
    if (m_funcEditBegan)
        m_funcEditBegan(this);
}

void CSpriteEditBox::editBoxEditingDidEnd(ui::EditBox* /*editBox*/)
{
    if (m_funcEditEnded)
        m_funcEditEnded(this);
}

void CSpriteEditBox::editBoxTextChanged(ui::EditBox* /*editBox*/, const std::string& text)
{
    if (m_funcTextChanged)
        m_funcTextChanged(this, text.c_str(), text.size());
}

void CSpriteEditBox::editBoxReturn(ui::EditBox* /*editBox*/) {}

void CSpriteEditBox::setReturnType(ui::EditBox::KeyboardReturnType /*type*/) {}
