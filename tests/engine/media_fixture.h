// Shared by the media tests: a scratch folder under the working directory,
// on the file utilities' search path, for the files a test writes.
#ifndef TESTS_ENGINE_MEDIA_FIXTURE_H
#define TESTS_ENGINE_MEDIA_FIXTURE_H

#include <string>

#include "EngineTestFixture.h"
#include "media_png.h"
#include "platform/CCFileUtils.h"

class MediaTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        cocos2d::FileUtils* fu = cocos2d::FileUtils::getInstance();
        dir = fu->getDefaultResourceRootPath() + "media_scratch/";
        fu->removeDirectory(dir);
        ASSERT_TRUE(fu->createDirectory(dir));
        savedPaths = fu->getOriginalSearchPaths();
        fu->addSearchPath(dir, true);
    }

    void TearDown() override
    {
        cocos2d::FileUtils* fu = cocos2d::FileUtils::getInstance();
        fu->setSearchPaths(savedPaths);
        fu->purgeCachedEntries();
        fu->removeDirectory(dir);
        director->getTextureCache()->removeAllTextures();
        EngineTest::TearDown();
    }

    // Writes a file into the scratch folder; returns its full path.
    std::string put(const std::string& name, const std::string& bytes)
    {
        std::string path = dir + name;
        size_t slash = path.find_last_of('/');
        cocos2d::FileUtils::getInstance()->createDirectory(path.substr(0, slash));
        EXPECT_TRUE(media_test::writeFile(path, bytes)) << path;
        return path;
    }

    std::string dir;
    std::vector<std::string> savedPaths;
};

#endif
