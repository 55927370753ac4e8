// File look-up, property lists and the settings file.
#include <gtest/gtest.h>

#include "base/CCUserDefault.h"
#include "cocos2d.h"
#include "media_fixture.h"

USING_NS_CC;

namespace {

const char* const PLIST = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
    <!-- a comment between entries -->
    <key>Info_Logon</key>
    <dict>
        <key>Logon_Address</key><string>logon.example &amp; co</string>
        <key>Logon_Port</key><integer>8600</integer>
        <key>Port_Text</key><string>8601</string>
        <key>Ratio</key><real>2.5</real>
    </dict>
    <key>Flags</key>
    <array>
        <true/>
        <false/>
        <string></string>
        <integer>-3</integer>
    </array>
    <key>Empty</key><string/>
</dict>
</plist>
)";

using MediaFiles = MediaTest;

TEST_F(MediaFiles, SearchPathsFindFilesAndMissOthers)
{
    FileUtils* fu = FileUtils::getInstance();
    std::string full = put("sub/hello.txt", "hi there");
    EXPECT_EQ(full, fu->fullPathForFilename("sub/hello.txt"));
    EXPECT_TRUE(fu->isFileExist("sub/hello.txt"));
    EXPECT_TRUE(fu->isFileExist(full));
    EXPECT_EQ("hi there", fu->getStringFromFile("sub/hello.txt"));
    Data data = fu->getDataFromFile("sub/hello.txt");
    EXPECT_EQ(8, data.getSize());

    EXPECT_EQ("", fu->fullPathForFilename("sub/nothing.txt"));
    EXPECT_FALSE(fu->isFileExist("sub/nothing.txt"));
    EXPECT_EQ("", fu->getStringFromFile("sub/nothing.txt"));
    EXPECT_TRUE(fu->getDataFromFile("sub/nothing.txt").isNull());
    EXPECT_FALSE(fu->isFileExist("sub")); // a folder is not a file
    EXPECT_TRUE(fu->isDirectoryExist(dir + "sub"));
}

TEST_F(MediaFiles, EarlierSearchPathWins)
{
    FileUtils* fu = FileUtils::getInstance();
    put("a/same.txt", "from a");
    put("b/same.txt", "from b");
    fu->addSearchPath(dir + "b", true);
    fu->addSearchPath(dir + "a", true);
    EXPECT_EQ("from a", fu->getStringFromFile("same.txt"));
    fu->setSearchPaths({dir + "b"});
    EXPECT_EQ("from b", fu->getStringFromFile("same.txt"));
}

TEST_F(MediaFiles, PropertyListValuesAndConversions)
{
    put("conf/project.plist", PLIST);
    ValueMap root = FileUtils::getInstance()->getValueMapFromFile("conf/project.plist");
    ASSERT_EQ(3u, root.size());
    ValueMap& logon = root["Info_Logon"].asValueMap();
    EXPECT_EQ("logon.example & co", logon["Logon_Address"].asString());
    EXPECT_EQ(Value::Type::INTEGER, logon["Logon_Port"].getType());
    EXPECT_EQ(8600, logon["Logon_Port"].asInt());
    EXPECT_EQ("8600", logon["Logon_Port"].asString());
    EXPECT_EQ(8601, logon["Port_Text"].asInt()); // a string of digits reads as its number
    EXPECT_DOUBLE_EQ(2.5, logon["Ratio"].asDouble());
    EXPECT_EQ(0, logon["Missing"].asInt());

    const ValueVector& flags = root["Flags"].asValueVector();
    ASSERT_EQ(4u, flags.size());
    EXPECT_TRUE(flags[0].asBool());
    EXPECT_FALSE(flags[1].asBool());
    EXPECT_EQ(Value::Type::STRING, flags[2].getType());
    EXPECT_EQ("", flags[2].asString());
    EXPECT_EQ(-3, flags[3].asInt());
    EXPECT_EQ("", root["Empty"].asString());
}

TEST_F(MediaFiles, WrittenPropertyListReadsBack)
{
    ValueMap inner;
    inner["n"] = Value(42);
    inner["text"] = Value("<a & b>");
    ValueVector list;
    list.push_back(Value(true));
    list.push_back(Value(1.25));
    ValueMap root;
    root["inner"] = Value(inner);
    root["list"] = Value(list);
    std::string path = dir + "written.plist";
    ASSERT_TRUE(FileUtils::getInstance()->writeToFile(root, path));

    ValueMap back = FileUtils::getInstance()->getValueMapFromFile(path);
    EXPECT_EQ(42, back["inner"].asValueMap()["n"].asInt());
    EXPECT_EQ("<a & b>", back["inner"].asValueMap()["text"].asString());
    ASSERT_EQ(2u, back["list"].asValueVector().size());
    EXPECT_TRUE(back["list"].asValueVector()[0].asBool());
    EXPECT_DOUBLE_EQ(1.25, back["list"].asValueVector()[1].asDouble());

    ValueVector vec = {Value(1), Value("two")};
    ASSERT_TRUE(FileUtils::getInstance()->writeValueVectorToFile(vec, dir + "vec.plist"));
    ValueVector vecBack = FileUtils::getInstance()->getValueVectorFromFile("vec.plist");
    ASSERT_EQ(2u, vecBack.size());
    EXPECT_EQ("two", vecBack[1].asString());
    EXPECT_TRUE(FileUtils::getInstance()->getValueMapFromFile("vec.plist").empty()); // root of the other kind
}

TEST_F(MediaFiles, MalformedPropertyListsGiveEmptyMaps)
{
    const char* bad[] = {
        "<plist><dict><key>a</key><string>x</dict></plist>", // mismatched end tag
        "<plist><dict><key>a</key><string>x",                // cut off
        "<plist><dict><key>a</key><string>&bogus;</string></dict></plist>",
        "not xml at all",
        "",
    };
    int i = 0;
    for (const char* text : bad)
    {
        std::string name = "bad" + std::to_string(i++) + ".plist";
        put(name, text);
        EXPECT_TRUE(FileUtils::getInstance()->getValueMapFromFile(name).empty()) << text;
    }
    EXPECT_TRUE(FileUtils::getInstance()->getValueMapFromFile("no_such.plist").empty());

    std::string deep;
    for (int d = 0; d < 5000; ++d) deep += "<array>";
    put("deep.plist", "<plist>" + deep + "</plist>");
    EXPECT_TRUE(FileUtils::getInstance()->getValueVectorFromFile("deep.plist").empty());
}

TEST_F(MediaFiles, UserDefaultPersistsItsValues)
{
    FileUtils::getInstance()->setWritablePath(dir + "writable");
    UserDefault::destroyInstance();
    UserDefault* ud = UserDefault::getInstance();
    EXPECT_EQ(dir + "writable/UserDefault.xml", UserDefault::getXMLFilePath());
    EXPECT_TRUE(UserDefault::isXMLFileExist());

    ud->setIntegerForKey("score", -17);
    ud->setBoolForKey("sound", true);
    ud->setDoubleForKey("ratio", 0.5);
    ud->setFloatForKey("volume", 0.25f);
    ud->setStringForKey("name", "\xE5\xBC\xA0\xE4\xB8\x89 <&>");
    unsigned char bytes[] = {0, 1, 2, 250, 255};
    Data data;
    data.copy(bytes, sizeof(bytes));
    ud->setDataForKey("blob", data);
    ud->setStringForKey("bad key", "refused"); // not an element name

    // read back by a fresh instance from the file
    UserDefault::destroyInstance();
    ud = UserDefault::getInstance();
    EXPECT_EQ(-17, ud->getIntegerForKey("score"));
    EXPECT_TRUE(ud->getBoolForKey("sound"));
    EXPECT_DOUBLE_EQ(0.5, ud->getDoubleForKey("ratio"));
    EXPECT_FLOAT_EQ(0.25f, ud->getFloatForKey("volume"));
    EXPECT_EQ("\xE5\xBC\xA0\xE4\xB8\x89 <&>", ud->getStringForKey("name"));
    Data back = ud->getDataForKey("blob");
    ASSERT_EQ(5, back.getSize());
    EXPECT_EQ(250, back.getBytes()[3]);
    EXPECT_EQ("dflt", ud->getStringForKey("bad key", "dflt"));
    EXPECT_EQ(7, ud->getIntegerForKey("missing", 7));

    std::string xml = FileUtils::getInstance()->getStringFromFile(UserDefault::getXMLFilePath());
    EXPECT_NE(std::string::npos, xml.find("<userDefaultRoot>"));
    EXPECT_NE(std::string::npos, xml.find("<score>-17</score>"));
    EXPECT_NE(std::string::npos, xml.find("<ratio>0.500000</ratio>"));

    ud->deleteValueForKey("score");
    EXPECT_EQ(3, ud->getIntegerForKey("score", 3));
    UserDefault::destroyInstance();
}

TEST_F(MediaFiles, DamagedSettingsFileStartsAfresh)
{
    FileUtils::getInstance()->setWritablePath(dir + "damaged");
    UserDefault::destroyInstance();
    UserDefault* ud = UserDefault::getInstance();
    put("damaged/UserDefault.xml", "<userDefaultRoot><a>1</a>"); // cut off
    EXPECT_EQ(5, ud->getIntegerForKey("a", 5));
    ud->setIntegerForKey("b", 2);
    EXPECT_EQ(2, ud->getIntegerForKey("b"));
    put("damaged/UserDefault.xml", "<otherRoot><a>1</a></otherRoot>"); // not ours
    EXPECT_EQ(5, ud->getIntegerForKey("a", 5));
    UserDefault::destroyInstance();
}

TEST_F(MediaFiles, FilesAndFoldersAreManaged)
{
    FileUtils* fu = FileUtils::getInstance();
    EXPECT_TRUE(fu->createDirectory(dir + "x/y/z"));
    EXPECT_TRUE(fu->isDirectoryExist(dir + "x/y/z"));
    EXPECT_TRUE(fu->writeStringToFile("12345", dir + "x/y/z/f.txt"));
    EXPECT_EQ(5, fu->getFileSize(dir + "x/y/z/f.txt"));
    EXPECT_EQ(-1, fu->getFileSize(dir + "x/none.txt"));
    EXPECT_EQ(".txt", fu->getFileExtension("a/b.c/F.TXT"));
    EXPECT_EQ("", fu->getFileExtension("a/b.c/noext"));
    EXPECT_TRUE(fu->renameFile(dir + "x/y/z", "f.txt", "g.txt"));
    EXPECT_TRUE(fu->isFileExist(dir + "x/y/z/g.txt"));
    EXPECT_FALSE(fu->isFileExist(dir + "x/y/z/f.txt"));
    EXPECT_TRUE(fu->removeFile(dir + "x/y/z/g.txt"));
    EXPECT_FALSE(fu->isFileExist(dir + "x/y/z/g.txt"));
    fu->writeStringToFile("", dir + "x/y/empty.txt");
    EXPECT_TRUE(fu->isFileExist(dir + "x/y/empty.txt"));
    EXPECT_TRUE(fu->removeDirectory(dir + "x"));
    EXPECT_FALSE(fu->isDirectoryExist(dir + "x"));
    EXPECT_FALSE(fu->writeStringToFile("no folder", dir + "gone/f.txt"));

    fu->setWritablePath(dir + "data\\saves"); // either separator, made on the spot
    EXPECT_EQ(dir + "data/saves/", fu->getWritablePath());
    EXPECT_TRUE(fu->isDirectoryExist(dir + "data/saves"));
}

} // namespace

TEST_F(MediaFiles, AddingASearchPathKeepsWhatWasResolved)
{
    FileUtils* fu = FileUtils::getInstance();
    const std::string first = put("old/same.txt", "old");
    put("new/same.txt", "new");
    put("new/only.txt", "only");
    fu->addSearchPath(dir + "old", true);
    EXPECT_EQ(first, fu->fullPathForFilename("same.txt"));

    // A path added in front does not change a name resolved before ...
    fu->addSearchPath(dir + "new", true);
    EXPECT_EQ(first, fu->fullPathForFilename("same.txt"));
    EXPECT_EQ("old", fu->getStringFromFile("same.txt"));
    // ... but serves names not resolved yet, and all of them once the cache
    // is purged (as setSearchPaths does too).
    EXPECT_EQ("only", fu->getStringFromFile("only.txt"));
    fu->purgeCachedEntries();
    EXPECT_EQ("new", fu->getStringFromFile("same.txt"));
}

TEST_F(MediaFiles, AbsolutePathsAsThePlatformSeesThem)
{
    FileUtils* fu = FileUtils::getInstance();
    EXPECT_FALSE(fu->isAbsolutePath(""));
    EXPECT_FALSE(fu->isAbsolutePath("a/b.png"));
#ifdef _WIN32
    // A drive or a share; a path from the root of the current drive is not.
    EXPECT_TRUE(fu->isAbsolutePath("C:/x.png"));
    EXPECT_TRUE(fu->isAbsolutePath("c:\\x.png"));
    EXPECT_TRUE(fu->isAbsolutePath("//server/share/x.png"));
    EXPECT_FALSE(fu->isAbsolutePath("/x.png"));
    EXPECT_FALSE(fu->isAbsolutePath("\\x.png"));
    // Such a path is looked for under the search paths.
    put("x/y.txt", "found");
    EXPECT_EQ("found", fu->getStringFromFile("/x/y.txt"));
#else
    EXPECT_TRUE(fu->isAbsolutePath("/x.png"));
    EXPECT_FALSE(fu->isAbsolutePath("C:/x.png"));
#endif
}
