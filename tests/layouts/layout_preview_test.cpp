// The layout previewer as a game developer runs it: its exit status, what it
// prints for a good layout and what it says about a missing file, a file that
// is not JSON, JSON that is not a layout, a layout that builds nothing and a
// wrong command line.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "LayoutPreview.h"
#include "WidgetTree.h"

#include "cocos2d.h"

namespace {

struct PreviewRun {
    explicit PreviewRun(const std::vector<std::string>& args) { status = RunLayoutPreview(args, out, err); }
    int status;
    std::ostringstream out;
    std::ostringstream err;
};

// The line of the named widget, "" when there is none.
std::string LineOf(const std::string& output, const std::string& name)
{
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.find(" \"" + name + "\" ") != std::string::npos)
            return line;
    }
    return std::string();
}

size_t Indent(const std::string& line)
{
    return line.find_first_not_of(' ');
}

// A file in the writable folder with text; its path.
std::string WriteFile(const std::string& name, const std::string& text)
{
    const std::string path = cocos2d::FileUtils::getInstance()->getWritablePath() + name;
    EXPECT_TRUE(cocos2d::FileUtils::getInstance()->writeStringToFile(text, path));
    return path;
}

TEST(Previewer, PrintsTheAdaptedTreeOfAGoodLayout)
{
    PreviewRun run({ "layouts/lobby.json", "--frame", "1136x640" });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err.str(), "");
    const std::string out = run.out.str();
    EXPECT_EQ(out.substr(0, out.find('\n')),
              "layouts/lobby.json: design 960 x 640, frame 1136 x 640, scene 1136 x 640 at scale 1.1833 "
              "(extra width 176)");
    // The screen first, centred in the wider scene.
    EXPECT_EQ(out.find("CParseLayer \"\"  pos (88, 0) scene (88, 0)  size 1136 x 640  scale 1  z 0\n"),
              out.find('\n') + 1);
    // Class, name, place in the parent and in the scene, size, scale, z-order.
    EXPECT_EQ(LineOf(out, "lu_im_avatar_frame"),
              "  CSpriteImage \"lu_im_avatar_frame\"  pos (-28, 600) scene (60, 600)  size 84 x 84  scale 1  z 2");
    EXPECT_EQ(LineOf(out, "bar_GradientNotice"),
              "  CCLayerGradientEx \"bar_GradientNotice\"  pos (-87, 536) scene (1, 536)  size 960 x 24  "
              "scale 1.1833, 1  z 1");
    EXPECT_EQ(LineOf(out, "l_sv_rooms"),
              "  CCScrollViewEx \"l_sv_rooms\"  pos (-48, 100) scene (40, 100)  size 640 x 780 view 640 x 380  "
              "scale 1  z 1");
    const std::string title = LineOf(out, "u_lb_title");
    const std::string text = "  text \"游戏大厅\"";
    ASSERT_GT(title.size(), text.size());
    EXPECT_EQ(title.substr(title.size() - text.size()), text);
    // Hidden widgets say so; nesting shows as indentation, also through a
    // scroll view's container.
    EXPECT_NE(LineOf(out, "im_mail_dot").find("  hidden"), std::string::npos);
    EXPECT_EQ(Indent(LineOf(out, "im_mail_dot")), Indent(LineOf(out, "ru_bt_mail")) + 2);
    EXPECT_EQ(Indent(LineOf(out, "room_0")), Indent(LineOf(out, "l_sv_rooms")) + 2);
    EXPECT_EQ(Indent(LineOf(out, "bt_enter0")), Indent(LineOf(out, "room_0")) + 2);
    // Only the layout's widgets: classes that build nothing are absent, and
    // so are the nodes widgets make for themselves (a button's label).
    EXPECT_EQ(LineOf(out, "pv_banner"), "");
    EXPECT_EQ(out.find("CSpriteLabel \"\""), std::string::npos);
}

TEST(Previewer, TakesTheDesignResolutionFromTheCommandLine)
{
    PreviewRun run({ "--design", "1136x640", "--frame", "1136x640", "layouts/table.json" });
    EXPECT_EQ(run.status, 0);
    const std::string out = run.out.str();
    EXPECT_EQ(out.substr(0, out.find('\n')),
              "layouts/table.json: design 1136 x 640, frame 1136 x 640, scene 1136 x 640 at scale 1 (no extra room)");
}

TEST(Previewer, ShowsALayoutWhoseRootIsNotAPanelInsideTheScreen)
{
    const std::string path = WriteFile("preview_image_root.json",
                                       "{\"designWidth\": 960, \"designHeight\": 640, \"widgetTree\": "
                                       "{\"classname\": \"ImageView\", \"options\": {\"name\": \"r_im_badge\", "
                                       "\"x\": 900, \"y\": 40, \"fileNameData\": {\"path\": null}}}}");
    PreviewRun run({ path, "--frame", "1136x640" });
    EXPECT_EQ(run.status, 0) << run.err.str();
    const std::string line = LineOf(run.out.str(), "r_im_badge");
    EXPECT_EQ(line.rfind("  CSpriteImage \"r_im_badge\"  pos (988, 40) scene (1076, 40)", 0), 0u) << line;
    cocos2d::FileUtils::getInstance()->removeFile(path);
}

TEST(Previewer, SaysWhyALayoutCannotBeLoaded)
{
    struct Case {
        std::string file;
        std::string message;
    };
    const std::string broken = WriteFile("preview_broken.json", "{\"widgetTree\": {\"classname\": \"Panel\",");
    const std::string array = WriteFile("preview_array.json", "[1, 2, 3]");
    const std::string nothing = WriteFile("preview_nothing.json", "{\"designWidth\": 960, \"designHeight\": 640, "
                                                                  "\"widgetTree\": {\"classname\": \"CheckBox\"}}");
    const std::string empty = WriteFile("preview_empty.json", "");
    // Deeper than the reader goes: refused, not a crash.
    const std::string deep =
        WriteFile("preview_deep.json", "{\"widgetTree\": " + std::string(5000, '[') + std::string(5000, ']') + "}");
    const Case cases[] = {
        { "layouts/no_such_screen.json", "cannot read layouts/no_such_screen.json: no such file" },
        { broken, broken + " is not valid JSON" },
        { array, array + " is not a layout: it has no \"widgetTree\" object" },
        { nothing, nothing + " gives no widgets: its \"widgetTree\" is of a class that builds nothing" },
        { empty, "cannot read " + empty + ": it is empty or unreadable" },
        { deep, deep + " is not valid JSON" },
    };
    for (const Case& c : cases) {
        PreviewRun run({ c.file });
        EXPECT_EQ(run.status, 1) << c.file;
        EXPECT_EQ(run.out.str(), "") << c.file;
        EXPECT_EQ(run.err.str().rfind("layoutpreview: " + c.message, 0), 0u) << run.err.str();
    }
    for (const std::string& path : { broken, array, nothing, empty, deep })
        cocos2d::FileUtils::getInstance()->removeFile(path);
}

TEST(Previewer, RefusesAWrongCommandLine)
{
    const std::vector<std::vector<std::string>> wrong = {
        {},
        { "--frame", "1136x640" },
        { "layouts/lobby.json", "--frame" },
        { "layouts/lobby.json", "--frame", "0x640" },
        { "layouts/lobby.json", "--frame", "1136*640" },
        { "layouts/lobby.json", "--design", "99999x640" },
        { "layouts/lobby.json", "--zoom", "2" },
        { "layouts/lobby.json", "layouts/table.json" },
    };
    for (const std::vector<std::string>& args : wrong) {
        PreviewRun run(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args.back());
        EXPECT_NE(run.err.str().find("usage: layoutpreview"), std::string::npos);
        EXPECT_EQ(run.out.str(), "");
    }
    PreviewRun help({ "--help" });
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.str().rfind("usage: layoutpreview", 0), 0u);
}

TEST(Previewer, NumbersReadAsWritten)
{
    EXPECT_EQ(FormatNumber(88.0f), "88");
    EXPECT_EQ(FormatNumber(-87.99997f), "-88");
    EXPECT_EQ(FormatNumber(0.5f), "0.5");
    EXPECT_EQ(FormatNumber(-0.001f), "0");
    EXPECT_EQ(FormatNumber(1136.0f / 960.0f, 4), "1.1833");
    EXPECT_EQ(FormatNumber(3.4e38f).size(), 39u); // the largest floats fit whole
    EXPECT_EQ(FormatNumber(std::numeric_limits<float>::infinity()), "inf");
}

} // namespace

// The picture the previewer saves is the frame the engine draws, byte for
// byte what utils::captureScreen saves of the next frame.
TEST(Previewer, SavesTheScreenAsTheEngineCapturesIt)
{
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    const std::string saved = files->getWritablePath() + "preview_lobby.png";
    const std::string captured = files->getWritablePath() + "preview_captured.png";
    files->removeFile(saved);
    files->removeFile(captured);
    LayoutPreviewOptions options;
    options.file = "layouts/lobby.json";
    options.frame = cocos2d::Size(1136, 640);
    {
        LayoutPreview preview(options);
        std::string message;
        ASSERT_TRUE(preview.Load(message)) << message;
        ASSERT_TRUE(preview.SavePicture(saved, message)) << message;
        bool capturedOk = false;
        cocos2d::utils::captureScreen([&](bool ok, const std::string&) { capturedOk = ok; }, captured);
        cocos2d::Director::getInstance()->mainLoop(0.0f);
        ASSERT_TRUE(capturedOk);
    }
    cocos2d::Image* picture = new cocos2d::Image();
    cocos2d::Image* capture = new cocos2d::Image();
    ASSERT_TRUE(picture->initWithImageFile(saved));
    ASSERT_TRUE(capture->initWithImageFile(captured));
    EXPECT_EQ(picture->getWidth(), 1136);
    EXPECT_EQ(picture->getHeight(), 640);
    ASSERT_EQ(picture->getDataLen(), capture->getDataLen());
    EXPECT_EQ(0, std::memcmp(picture->getData(), capture->getData(), static_cast<size_t>(picture->getDataLen())));
    // a screen, not an empty window: many colours across it
    std::set<unsigned> colours;
    const int channels = picture->getRenderFormat() == cocos2d::Texture2D::PixelFormat::RGB888 ? 3 : 4;
    for (ssize_t i = 0; i + 2 < picture->getDataLen(); i += channels * 97)
        colours.insert(picture->getData()[i] << 16 | picture->getData()[i + 1] << 8 | picture->getData()[i + 2]);
    EXPECT_GT(colours.size(), 20u);
    picture->release();
    capture->release();
    files->removeFile(saved);
    files->removeFile(captured);
}

TEST(Previewer, SaysWhenThePictureCannotBeWritten)
{
    PreviewRun run({ "layouts/lobby.json", "--png", "no_such_folder/deeper/lobby.png" });
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.str().find("cannot write the picture no_such_folder/deeper/lobby.png"), std::string::npos)
        << run.err.str();
    EXPECT_NE(run.out.str().find("CParseLayer"), std::string::npos); // the tree comes all the same
}
