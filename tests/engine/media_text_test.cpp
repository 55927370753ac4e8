// System-font labels, char-map labels, the text field and the input method.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "2d/CCLabelAtlas.h"
#include "2d/CCTextFieldTTF.h"
#include "base/CCIMEDispatcher.h"
#include "cocos2d.h"
#include "ImeRecorder.h"
#include "media_fixture.h"
#include "platform/CCSystemFont.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureAtlas.h"

USING_NS_CC;

namespace {

using MediaText = MediaTest;

float widthOf(const std::string& text, const std::string& font = "Arial", float size = 20)
{
    Label* label = Label::createWithSystemFont(text, font, size);
    return label ? label->getContentSize().width : -1;
}

TEST_F(MediaText, FontNamesResolveToFilesWithAFallback)
{
    EXPECT_NE(std::string::npos, SystemFont::fileForName("Arial").find("DejaVuSans.ttf"));
    EXPECT_NE(std::string::npos, SystemFont::fileForName("Courier New").find("DejaVuSansMono"));
    EXPECT_NE(std::string::npos, SystemFont::fileForName("\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91").find("wqy-zenhei"));
    EXPECT_NE(std::string::npos, SystemFont::fileForName("Some Unknown Face").find("wqy-zenhei"));
    ASSERT_NE(nullptr, SystemFont::forName("Some Unknown Face"));
}

TEST_F(MediaText, DamagedFontFilesFallBackToTheCjkFace)
{
    std::string real = FileUtils::getInstance()->getStringFromFile(SystemFont::fileForName("Arial"));
    ASSERT_GT(real.size(), 10000u);
    put("fonts/cut.ttf", real.substr(0, real.size() / 3));
    put("fonts/junk.ttf", std::string(5000, '\x7f'));
    std::string damaged = real;
    for (size_t i = 12; i < 12 + 16 * 4; i += 16) damaged[i + 8] = '\xff'; // table offsets far past the end
    put("fonts/offsets.ttf", damaged);
    put("fonts/empty.ttf", "");

    float fallback = widthOf("abc", "Unknown Face", 20);
    EXPECT_GT(fallback, 10);
    for (const char* name : {"fonts/cut.ttf", "fonts/junk.ttf", "fonts/offsets.ttf", "fonts/empty.ttf"})
        EXPECT_FLOAT_EQ(fallback, widthOf("abc", name, 20)) << name;
    put("fonts/good.ttf", real);
    EXPECT_FLOAT_EQ(widthOf("abc", "Arial", 20), widthOf("abc", "fonts/good.ttf", 20));
}

uint32_t readBE(const std::string& b, size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

// Makes every composite glyph of a TrueType file name itself as its first part.
std::string withLoopingComposites(std::string font, int* changed)
{
    size_t tables = readBE(font, 4, 2);
    size_t head = 0, maxp = 0, loca = 0, glyf = 0;
    for (size_t i = 0; i < tables; ++i)
    {
        size_t rec = 12 + i * 16;
        std::string tag = font.substr(rec, 4);
        size_t offset = readBE(font, rec + 8, 4);
        if (tag == "head") head = offset;
        else if (tag == "maxp") maxp = offset;
        else if (tag == "loca") loca = offset;
        else if (tag == "glyf") glyf = offset;
    }
    bool longOffsets = readBE(font, head + 50, 2) != 0;
    size_t glyphs = readBE(font, maxp + 4, 2);
    *changed = 0;
    for (size_t g = 0; g < glyphs; ++g)
    {
        size_t start = longOffsets ? readBE(font, loca + g * 4, 4) : readBE(font, loca + g * 2, 2) * 2;
        size_t end = longOffsets ? readBE(font, loca + g * 4 + 4, 4) : readBE(font, loca + g * 2 + 2, 2) * 2;
        if (end <= start || static_cast<int16_t>(readBE(font, glyf + start, 2)) >= 0) continue;
        font[glyf + start + 12] = static_cast<char>(g >> 8);
        font[glyf + start + 13] = static_cast<char>(g & 0xFF);
        ++*changed;
    }
    return font;
}

TEST_F(MediaText, FontsWhoseGlyphsContainThemselvesAreNotUsed)
{
    std::string real = FileUtils::getInstance()->getStringFromFile(SystemFont::fileForName("Arial"));
    int changed = 0;
    put("fonts/loop.ttf", withLoopingComposites(real, &changed));
    ASSERT_GT(changed, 0);
    // drawing an accented letter (a composite) would recurse for ever
    Label* label = Label::createWithSystemFont("\xC3\xA9\xC3\xA0", "fonts/loop.ttf", 20);
    ASSERT_NE(nullptr, label);
    EXPECT_FLOAT_EQ(widthOf("\xC3\xA9\xC3\xA0", "Unknown Face", 20), label->getContentSize().width);
}

TEST_F(MediaText, WiderTextMeasuresWider)
{
    float one = widthOf("W");
    float three = widthOf("WWW");
    EXPECT_GT(one, 5);
    EXPECT_GT(three, one * 2.5f);
    EXPECT_GT(widthOf("WWW"), widthOf("iii"));
    EXPECT_GT(widthOf("abc", "Arial", 40), widthOf("abc", "Arial", 20) * 1.8f);
    EXPECT_EQ(0, widthOf(""));

    Label* label = Label::createWithSystemFont("Hello", "Arial", 24);
    ASSERT_NE(nullptr, label);
    EXPECT_EQ("Hello", label->getString());
    float height = label->getContentSize().height;
    EXPECT_GT(height, 24 * 0.9f);
    EXPECT_LT(height, 24 * 1.6f);
    label->setString("Hello, world");
    EXPECT_GT(label->getContentSize().width, widthOf("Hello", "Arial", 24));
    label->setSystemFontSize(12);
    EXPECT_LT(label->getContentSize().height, height);
}

TEST_F(MediaText, ChineseTextIsMeasuredWithTheCjkFont)
{
    const std::string zhong = "\xE4\xB8\xAD";
    float one = widthOf(zhong, "Arial", 20);
    EXPECT_GT(one, 15); // a full-width glyph, not an empty box
    EXPECT_NEAR(widthOf(zhong + zhong + zhong, "Arial", 20), one * 3, 1.5f);
    EXPECT_GT(widthOf(zhong, "SimHei", 20), 15);
}

TEST_F(MediaText, DimensionsWrapLinesWithinTheWidth)
{
    const std::string text = "one two three four five six seven";
    Label* single = Label::createWithSystemFont(text, "Arial", 20);
    Label* wrapped = Label::createWithSystemFont(text, "Arial", 20, Size(100, 0));
    ASSERT_TRUE(single && wrapped);
    // The height is that of the lines the text wraps into (the line count
    // stays that of the text's own lines).
    std::u32string text32;
    ASSERT_TRUE(StringUtils::UTF8ToUTF32(text, text32));
    const size_t wrappedLines = SystemFont::forName("Arial")->layout(text32, 20, 100).size();
    EXPECT_GT(wrappedLines, 2u);
    EXPECT_FLOAT_EQ(100, wrapped->getContentSize().width);
    EXPECT_NEAR(wrapped->getContentSize().height, single->getContentSize().height * static_cast<float>(wrappedLines), 2);
    EXPECT_EQ(1, wrapped->getStringNumLines());

    wrapped->setDimensions(100, 30);
    EXPECT_SAME(Size(100, 30), wrapped->getContentSize());

    // CJK text has no spaces and breaks between characters
    std::string zh;
    for (int i = 0; i < 12; ++i) zh += "\xE4\xB8\xAD";
    Label* cjk = Label::createWithSystemFont(zh, "Arial", 20, Size(100, 0));
    ASSERT_NE(nullptr, cjk);
    EXPECT_GE(cjk->getContentSize().height, single->getContentSize().height * 3 - 2);

    Label* lines = Label::createWithSystemFont("a\nb\nc", "Arial", 20);
    EXPECT_EQ(3, lines->getStringNumLines());
}

TEST_F(MediaText, LabelKeepsColourAlignmentAndEffects)
{
    Label* label = Label::createWithSystemFont("x", "Arial", 20, Size::ZERO, TextHAlignment::CENTER);
    ASSERT_NE(nullptr, label);
    EXPECT_EQ(TextHAlignment::CENTER, label->getHorizontalAlignment());
    EXPECT_EQ(TextVAlignment::TOP, label->getVerticalAlignment());
    label->setTextColor(Color4B(10, 20, 30, 255));
    EXPECT_EQ(Color4B(10, 20, 30, 255), label->getTextColor());
    label->enableOutline(Color4B::RED, 2);
    EXPECT_EQ(LabelEffect::OUTLINE, label->getLabelEffectType());
    EXPECT_FLOAT_EQ(2, label->getOutlineSize());
    label->enableShadow();
    EXPECT_TRUE(label->isShadowEnabled());
    label->disableEffect();
    EXPECT_FALSE(label->isShadowEnabled());
    EXPECT_EQ(LabelEffect::NORMAL, label->getLabelEffectType());
}

TEST_F(MediaText, CharMapLabelSizesAndItsThreeForms)
{
    // glyphs "0" .. "9" and ":" in one row, 10 x 16 each
    put("digits.png", media_test::solidPng(110, 16, media_test::PNG_RGBA));
    LabelAtlas* atlas = LabelAtlas::create("1234", "digits.png", 10, 16, '0');
    ASSERT_NE(nullptr, atlas);
    EXPECT_SAME(Size(40, 16), atlas->getContentSize());
    EXPECT_EQ("1234", atlas->getString());
    atlas->setString("12:345");
    EXPECT_SAME(Size(60, 16), atlas->getContentSize());
    EXPECT_EQ(6, atlas->getQuadsToDraw());

    put("digits.plist", R"(<plist><dict>
        <key>version</key><integer>1</integer>
        <key>textureFilename</key><string>digits.png</string>
        <key>itemWidth</key><integer>10</integer>
        <key>itemHeight</key><integer>16</integer>
        <key>firstChar</key><integer>48</integer>
    </dict></plist>)");
    LabelAtlas* fromFnt = LabelAtlas::create("99", "digits.plist");
    ASSERT_NE(nullptr, fromFnt);
    EXPECT_SAME(Size(20, 16), fromFnt->getContentSize());

    LabelAtlas* empty = LabelAtlas::create();
    ASSERT_NE(nullptr, empty);
    ASSERT_TRUE(empty->initWithString("7", "digits.png", 10, 16, '0'));
    EXPECT_SAME(Size(10, 16), empty->getContentSize());

    EXPECT_EQ(nullptr, LabelAtlas::create("1", "missing.png", 10, 16, '0'));
    EXPECT_EQ(nullptr, LabelAtlas::create("1", "digits.png", 0, 16, '0')); // no tile size
    EXPECT_EQ(nullptr, LabelAtlas::create("1", "missing.plist"));
}

// Records the hooks and refuses what it is told to.
class RecordingDelegate : public TextFieldDelegate
{
public:
    bool onTextFieldAttachWithIME(TextFieldTTF*) override
    {
        calls.push_back("attach");
        return refuseAttach;
    }
    bool onTextFieldDetachWithIME(TextFieldTTF*) override
    {
        calls.push_back("detach");
        return false;
    }
    bool onTextFieldInsertText(TextFieldTTF*, const char* text, size_t len) override
    {
        calls.push_back("insert:" + std::string(text, len));
        return std::string(text, len) == "x";
    }
    bool onTextFieldDeleteBackward(TextFieldTTF*, const char* text, size_t len) override
    {
        calls.push_back("delete:" + std::string(text, len));
        return refuseDelete;
    }

    std::vector<std::string> calls;
    bool refuseAttach = false;
    bool refuseDelete = false;
};

TEST_F(MediaText, TextFieldTakesTextFromTheInputMethod)
{
    IMEDispatcher* ime = IMEDispatcher::sharedDispatcher();
    TextFieldTTF* field = TextFieldTTF::textFieldWithPlaceHolder("type here", "Arial", 20);
    ASSERT_NE(nullptr, field);
    RecordingDelegate delegate;
    field->setDelegate(&delegate);
    EXPECT_EQ("", field->getString());
    EXPECT_EQ("type here", field->getPlaceHolder());

    ime->dispatchInsertText("lost", 4); // nobody attached
    EXPECT_EQ("", field->getString());

    delegate.refuseAttach = true;
    EXPECT_FALSE(field->attachWithIME());
    delegate.refuseAttach = false;
    ASSERT_TRUE(field->attachWithIME());
    EXPECT_TRUE(ime->isAnyDelegateAttachedWithIME());
    EXPECT_TRUE(view->getIMEKeyboardState());

    ime->dispatchInsertText("ab", 2);
    ime->dispatchInsertText("x", 1); // vetoed by the delegate
    ime->dispatchInsertText("\xE4\xB8\xAD", 3);
    EXPECT_EQ("ab\xE4\xB8\xAD", field->getString());
    EXPECT_EQ(3u, field->getCharCount());

    ime->dispatchDeleteBackward(); // the whole three-byte character
    EXPECT_EQ("ab", field->getString());
    delegate.refuseDelete = true;
    ime->dispatchDeleteBackward();
    EXPECT_EQ("ab", field->getString());
    delegate.refuseDelete = false;

    ime->dispatchInsertText("c\n", 2); // a new line ends the input
    EXPECT_EQ("abc", field->getString());
    EXPECT_FALSE(ime->isAnyDelegateAttachedWithIME());
    EXPECT_FALSE(view->getIMEKeyboardState());

    std::vector<std::string> expected = {"attach", "attach", "insert:ab", "insert:x", "insert:\xE4\xB8\xAD",
                                         "delete:\xE4\xB8\xAD", "delete:b", "insert:c", "insert:\n", "detach"};
    EXPECT_EQ(expected, delegate.calls);
    field->setDelegate(nullptr);
}

TEST_F(MediaText, SecureEntryShowsOneBulletPerCharacter)
{
    TextFieldTTF* field = TextFieldTTF::textFieldWithPlaceHolder("", "Arial", 20);
    ASSERT_NE(nullptr, field);
    field->setSecureTextEntry(true);
    EXPECT_TRUE(field->isSecureTextEntry());
    field->setString("pw1");
    EXPECT_EQ("pw1", field->getString());
    float secureWidth = field->getContentSize().width;
    field->setPasswordTextStyle("*");
    EXPECT_NE(secureWidth, field->getContentSize().width);
    EXPECT_NEAR(widthOf("***", "Arial", 20), field->getContentSize().width, 0.5f);
    // Two Chinese characters are six bytes but two bullets.
    field->setString("\xE4\xB8\xAD\xE6\x96\x87");
    EXPECT_NEAR(widthOf("**", "Arial", 20), field->getContentSize().width, 0.5f);
    EXPECT_EQ(2u, field->getCharCount());
}

TEST_F(MediaText, AttachingAnotherFieldHandsTheInputMethodOver)
{
    IMEDispatcher* ime = IMEDispatcher::sharedDispatcher();
    TextFieldTTF* first = TextFieldTTF::textFieldWithPlaceHolder("", "Arial", 20);
    TextFieldTTF* second = TextFieldTTF::textFieldWithPlaceHolder("", "Arial", 20);
    ASSERT_TRUE(first && second);
    first->retain();
    ASSERT_TRUE(first->attachWithIME());
    ASSERT_TRUE(second->attachWithIME());
    ime->dispatchInsertText("z", 1);
    EXPECT_EQ("", first->getString());
    EXPECT_EQ("z", second->getString());
    EXPECT_TRUE(second->detachWithIME());

    ASSERT_TRUE(first->attachWithIME());
    first->release();
    frames(1, 0.0f); // the pool lets go of it: destroyed while attached
    EXPECT_FALSE(ime->isAnyDelegateAttachedWithIME());
    ime->dispatchInsertText("safe", 4);
}

TEST_F(MediaText, CharMapGlyphsComeFromTheirGridCells)
{
    // two rows of five glyphs, 10 x 10 each, starting at "0"
    put("grid.png", media_test::solidPng(50, 20, media_test::PNG_RGBA));
    LabelAtlas* atlas = LabelAtlas::create("07", "grid.png", 10, 10, '0');
    ASSERT_NE(nullptr, atlas);
    ASSERT_NE(nullptr, atlas->getTextureAtlas());
    ASSERT_EQ(2, atlas->getTextureAtlas()->getTotalQuads());
    V3F_C4B_T2F_Quad* quads = atlas->getTextureAtlas()->getQuads();
    EXPECT_FLOAT_EQ(0, quads[0].tl.texCoords.u);
    EXPECT_FLOAT_EQ(0, quads[0].tl.texCoords.v);
    EXPECT_FLOAT_EQ(0.4f, quads[1].tl.texCoords.u); // "7": column 2 of the second row
    EXPECT_FLOAT_EQ(0.5f, quads[1].tl.texCoords.v);
    EXPECT_FLOAT_EQ(10, quads[1].bl.vertices.x);
    EXPECT_FLOAT_EQ(20, quads[1].br.vertices.x);

    atlas->setString("0");
    EXPECT_EQ(1, atlas->getQuadsToDraw());
    atlas->setColor(Color3B(255, 0, 0));
    EXPECT_EQ(Color3B(255, 0, 0), atlas->getColor());
    EXPECT_EQ(0, atlas->getTextureAtlas()->getQuads()[0].bl.colors.g);
}

TEST_F(MediaText, LabelsDrawTheirTextAsOneQuad)
{
    Label* label = Label::createWithSystemFont("drawn", "Arial", 20);
    ASSERT_NE(nullptr, label);
    label->setPosition(200, 200);
    scene->addChild(label);
    auto quadsDrawn = [this] {
        int quads = 0;
        for (const Renderer::DrawnCommand& c : director->getRenderer()->getLastFrameCommands())
            if (c.type == RenderCommand::Type::QUAD_COMMAND && c.textureID != 0) ++quads;
        return quads;
    };
    frames(1, 1.0f / 60);
    EXPECT_EQ(1, quadsDrawn());

    Size before = label->getContentSize();
    label->setTextColor(Color4B::RED); // colour alone does not move the text
    EXPECT_SAME(before, label->getContentSize());
    label->setString("");
    EXPECT_SAME(Size::ZERO, label->getContentSize());
    frames(1, 1.0f / 60); // an empty label draws nothing and does not fail
    EXPECT_EQ(0, quadsDrawn());
}

TEST_F(MediaText, KeyboardNotificationsReachEveryClient)
{
    IMEDispatcher* ime = IMEDispatcher::sharedDispatcher();
    ImeRecorder typing, bystander;
    ASSERT_TRUE(typing.attach());
    ime->dispatchInsertText("q", 1);
    ime->dispatchDeleteBackward();
    EXPECT_TRUE(typing.detach());
    EXPECT_FALSE(typing.detach()); // not attached any more
    EXPECT_EQ((std::vector<std::string>{"willShow", "didShow", "text:q", "back", "willHide", "didHide"}), typing.log);
    EXPECT_EQ((std::vector<std::string>{"willShow", "didShow", "willHide", "didHide"}), bystander.log);

    IMEKeyboardNotificationInfo info{Rect(0, 0, 960, 300), Rect(0, 0, 960, 300), 0.25f};
    ime->dispatchKeyboardWillShow(info); // as the platform would announce it
    EXPECT_EQ("willShow", bystander.log.back());
}

TEST_F(MediaText, SystemFontLabelsCountLinesOfTheirText)
{
    Label* label = Label::createWithSystemFont("one two three four", "Arial", 20);
    ASSERT_NE(nullptr, label);
    const Size natural = label->getContentSize();
    label->setMaxLineWidth(40); // a font-file setting: no effect here
    EXPECT_SAME(natural, label->getContentSize());
    EXPECT_EQ(1, label->getStringNumLines());
    EXPECT_FLOAT_EQ(0, label->getLineHeight());

    // A width wraps the text into lines and the height follows; the count
    // stays that of the text's own lines.
    label->setDimensions(60, 0);
    EXPECT_FLOAT_EQ(60, label->getContentSize().width);
    EXPECT_GT(label->getContentSize().height, natural.height * 2);
    EXPECT_EQ(1, label->getStringNumLines());
    label->setString("a\nb\nc\n"); // a final new line opens no line
    EXPECT_EQ(3, label->getStringNumLines());
    label->setString("");
    EXPECT_EQ(0, label->getStringNumLines());
    EXPECT_SAME(Size::ZERO, label->getContentSize());
}

TEST_F(MediaText, LabelColourAndOpacityDoNotCascadeUnlessAsked)
{
    Label* label = Label::createWithSystemFont("tint", "Arial", 20);
    ASSERT_NE(nullptr, label);
    EXPECT_FALSE(label->isCascadeColorEnabled());
    EXPECT_FALSE(label->isCascadeOpacityEnabled());
    Node* badge = Node::create();
    label->addChild(badge);
    label->setColor(Color3B::RED);
    label->setOpacity(100);
    EXPECT_EQ(Color3B::WHITE, badge->getDisplayedColor());
    EXPECT_EQ(255, badge->getDisplayedOpacity());
    label->setCascadeColorEnabled(true);
    EXPECT_EQ(Color3B::RED, badge->getDisplayedColor());
}

TEST_F(MediaText, FontFileLabelsNeedTheirFile)
{
    EXPECT_EQ(nullptr, Label::createWithTTF("x", "fonts/missing.ttf", 20));
    EXPECT_EQ(nullptr, Label::createWithTTF(TTFConfig("fonts/missing.ttf", 20), "x"));

    put("fonts/face.ttf", FileUtils::getInstance()->getStringFromFile(SystemFont::fileForName("Arial")));
    Label* label = Label::createWithTTF("one two three four", "fonts/face.ttf", 20);
    ASSERT_NE(nullptr, label);
    EXPECT_GT(label->getLineHeight(), 0);
    // With a font file the maximum line width wraps.
    label->setMaxLineWidth(60);
    EXPECT_LE(label->getContentSize().width, 60);
    EXPECT_GT(label->getStringNumLines(), 1);
}

TEST_F(MediaText, FontFileFieldsShowACursorWhileAttached)
{
    put("fonts/face.ttf", FileUtils::getInstance()->getStringFromFile(SystemFont::fileForName("Arial")));
    TextFieldTTF* field = TextFieldTTF::textFieldWithPlaceHolder("hint", "fonts/face.ttf", 20);
    ASSERT_NE(nullptr, field);
    field->setString("ab");
    auto shown = [field] { return field->Label::getString(); };
    EXPECT_EQ("ab", shown());
    const float width = field->getContentSize().width;

    // Attached, the cursor stands at the end and takes no room.
    ASSERT_TRUE(field->attachWithIME());
    EXPECT_EQ("ab\b|", shown());
    EXPECT_FLOAT_EQ(width, field->getContentSize().width);

    // Keys move it; text goes in and comes out where it stands.
    view->handleKey(EventKeyboard::KeyCode::KEY_LEFT_ARROW, true);
    EXPECT_EQ("a\b|b", shown());
    view->handleChar('X');
    EXPECT_EQ("aXb", field->getString());
    EXPECT_EQ("aX\b|b", shown());
    view->handleKey(EventKeyboard::KeyCode::KEY_BACKSPACE, true);
    EXPECT_EQ("ab", field->getString());
    view->handleKey(EventKeyboard::KeyCode::KEY_DELETE, true);
    EXPECT_EQ("a", field->getString());
    EXPECT_EQ("a\b|", shown());
    view->handleKey(EventKeyboard::KeyCode::KEY_HOME, true);
    EXPECT_EQ("\b|a", shown());
    view->handleKey(EventKeyboard::KeyCode::KEY_LEFT_ARROW, true); // already at the start
    view->handleKey(EventKeyboard::KeyCode::KEY_BACKSPACE, true);  // nothing before it
    EXPECT_EQ("\b|a", shown());
    view->handleKey(EventKeyboard::KeyCode::KEY_END, true);
    EXPECT_EQ("a\b|", shown());

    // A new text puts it at the end; secure entry hides the text, not it.
    field->setString("\xE4\xB8\xAD\xE6\x96\x87");
    field->setSecureTextEntry(true);
    field->setPasswordTextStyle("*");
    EXPECT_EQ("**\b|", shown());
    field->setSecureTextEntry(false);

    // Escape detaches; the cursor goes with it.
    view->handleKey(EventKeyboard::KeyCode::KEY_ESCAPE, true);
    EXPECT_FALSE(IMEDispatcher::sharedDispatcher()->isAnyDelegateAttachedWithIME());
    EXPECT_EQ("\xE4\xB8\xAD\xE6\x96\x87", shown());

    // Empty and attached, it shows the cursor instead of the placeholder.
    field->setString("");
    ASSERT_TRUE(field->attachWithIME());
    EXPECT_EQ("\b|", shown());
    EXPECT_TRUE(field->detachWithIME());
    EXPECT_EQ("hint", shown());

    // A system-font field has no cursor.
    TextFieldTTF* plain = TextFieldTTF::textFieldWithPlaceHolder("", "Arial", 20);
    ASSERT_NE(nullptr, plain);
    plain->setString("ab");
    ASSERT_TRUE(plain->attachWithIME());
    EXPECT_EQ("ab", plain->Label::getString());
    view->handleKey(EventKeyboard::KeyCode::KEY_ESCAPE, true); // no cursor: Escape is not its business
    EXPECT_TRUE(IMEDispatcher::sharedDispatcher()->isAnyDelegateAttachedWithIME());
    EXPECT_TRUE(plain->detachWithIME());
}

TEST_F(MediaText, CursorFieldsInsertWholeCharactersAndAskTheirDelegate)
{
    put("fonts/face.ttf", FileUtils::getInstance()->getStringFromFile(SystemFont::fileForName("Arial")));
    TextFieldTTF* field = TextFieldTTF::textFieldWithPlaceHolder("", "fonts/face.ttf", 20);
    ASSERT_NE(nullptr, field);
    RecordingDelegate delegate;
    field->setDelegate(&delegate);
    field->setString("\xE4\xB8\xAD\xE6\x96\x87"); // two three-byte characters
    ASSERT_TRUE(field->attachWithIME());
    IMEDispatcher* ime = IMEDispatcher::sharedDispatcher();

    // Between the two characters, never inside one.
    view->handleKey(EventKeyboard::KeyCode::KEY_LEFT_ARROW, true);
    ime->dispatchInsertText("ab", 2);
    EXPECT_EQ("\xE4\xB8\xAD" "ab" "\xE6\x96\x87", field->getString());
    EXPECT_EQ(4u, field->getCharCount());
    ime->dispatchInsertText("x", 1); // refused by the delegate: nothing moves
    EXPECT_EQ("\xE4\xB8\xAD" "ab\b|" "\xE6\x96\x87", field->Label::getString());

    // Backspace names the character before the cursor to the delegate.
    ime->dispatchDeleteBackward();
    EXPECT_EQ("delete:b", delegate.calls.back());
    delegate.refuseDelete = true;
    ime->dispatchDeleteBackward();
    EXPECT_EQ("\xE4\xB8\xAD" "a" "\xE6\x96\x87", field->getString());
    delegate.refuseDelete = false;

    // Delete at the end and the right arrow past it do nothing.
    view->handleKey(EventKeyboard::KeyCode::KEY_END, true);
    view->handleKey(EventKeyboard::KeyCode::KEY_DELETE, true);
    view->handleKey(EventKeyboard::KeyCode::KEY_RIGHT_ARROW, true);
    EXPECT_EQ("\xE4\xB8\xAD" "a" "\xE6\x96\x87\b|", field->Label::getString());

    // A new line still ends the input.
    ime->dispatchInsertText("\n", 1);
    EXPECT_FALSE(ime->isAnyDelegateAttachedWithIME());
    field->setDelegate(nullptr);
}

} // namespace
