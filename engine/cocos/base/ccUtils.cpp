#include "base/ccUtils.h"

#include <chrono>
#include <stdlib.h>
#include "2d/CCNode.h"
#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListenerCustom.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"
#include "renderer/CCRenderer.h"

NS_CC_BEGIN

int ccNextPOT(int x)
{
    if (x <= 0)
        return 0;
    x = x - 1;
    x = x | (x >> 1);
    x = x | (x >> 2);
    x = x | (x >> 4);
    x = x | (x >> 8);
    x = x | (x >> 16);
    return x + 1;
}

namespace utils
{

namespace
{
EventListenerCustom* s_captureScreenListener = nullptr;
}

void captureScreen(const std::function<void(bool, const std::string&)>& afterCaptured, const std::string& filename)
{
    if (s_captureScreenListener) return;
    Director* director = Director::getInstance();
    EventDispatcher* dispatcher = director->getEventDispatcher();
    if (!dispatcher) return;
    s_captureScreenListener = dispatcher->addCustomEventListener(
        Director::EVENT_AFTER_DRAW, [afterCaptured, filename](EventCustom*) {
            Director* d = Director::getInstance();
            d->getEventDispatcher()->removeEventListener(s_captureScreenListener);
            s_captureScreenListener = nullptr;
            FileUtils* files = FileUtils::getInstance();
            std::string outputFile = files->isAbsolutePath(filename) ? filename : files->getWritablePath() + filename;
            bool succeed = false;
            Renderer* renderer = d->getRenderer();
            if (Image* image = renderer ? renderer->getSoftwareRenderer()->newImage() : nullptr)
            {
                succeed = !filename.empty() && image->saveToFile(outputFile);
                image->release();
            }
            if (afterCaptured) afterCaptured(succeed, outputFile);
        });
}

Rect getCascadeBoundingBox(Node* node)
{
    Rect cbb;
    if (node == nullptr)
        return cbb;
    Size contentSize = node->getContentSize();
    bool merge = false;
    for (auto* child : node->getChildren())
    {
        if (!child->isVisible())
            continue;
        // Children's boxes are in this node's space; bring them to the parent's.
        Rect box = getCascadeBoundingBox(child);
        if (box.size.width <= 0 || box.size.height <= 0)
            continue;
        box = RectApplyAffineTransform(box, node->getNodeToParentAffineTransform());
        if (!merge)
        {
            cbb = box;
            merge = true;
        }
        else
        {
            cbb.merge(box);
        }
    }
    if (contentSize.width > 0 && contentSize.height > 0)
    {
        Rect box = RectApplyAffineTransform(Rect(0, 0, contentSize.width, contentSize.height),
                                            node->getNodeToParentAffineTransform());
        if (!merge)
            cbb = box;
        else
            cbb.merge(box);
    }
    return cbb;
}

Node* findChild(Node* levelRoot, const std::string& name)
{
    if (levelRoot == nullptr || name.empty())
        return nullptr;
    if (Node* target = levelRoot->getChildByName(name))
        return target;
    for (auto& child : levelRoot->getChildren())
    {
        if (Node* target = findChild(child, name))
            return target;
    }
    return nullptr;
}

Node* findChild(Node* levelRoot, int tag)
{
    if (levelRoot == nullptr || tag == Node::INVALID_TAG)
        return nullptr;
    if (Node* target = levelRoot->getChildByTag(tag))
        return target;
    for (auto& child : levelRoot->getChildren())
    {
        if (Node* target = findChild(child, tag))
            return target;
    }
    return nullptr;
}

std::vector<Node*> findChildren(const Node& node, const std::string& name)
{
    std::vector<Node*> vec;
    node.enumerateChildren(name, [&vec](Node* nodeFound) -> bool {
        vec.push_back(nodeFound);
        return false;
    });
    return vec;
}

double atof(const char* str)
{
    if (str == nullptr)
        return 0.0;
    return ::atof(str);
}

double gettime()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count() / 1000000.0;
}

long long getTimeInMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace utils

NS_CC_END
