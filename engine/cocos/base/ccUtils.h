#ifndef __SUPPORT_CCUTILS_H__
#define __SUPPORT_CCUTILS_H__

#include <functional>
#include <string>
#include <vector>
#include "math/CCGeometry.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class Node;

// The next power of two at or above x (0 gives 0).
int CC_DLL ccNextPOT(int x);

namespace utils
{
    // The bounding box of the node and all its descendants, in the node's
    // parent's space.
    CC_DLL Rect getCascadeBoundingBox(Node* node);
    // Depth first, the first node under levelRoot with that name or tag.
    CC_DLL Node* findChild(Node* levelRoot, const std::string& name);
    CC_DLL Node* findChild(Node* levelRoot, int tag);
    CC_DLL std::vector<Node*> findChildren(const Node& node, const std::string& name);
    CC_DLL double atof(const char* str);
    // Saves the next drawn frame as an image file (PNG) once it is drawn
    // and tells afterCaptured whether that worked and where the file is. A
    // relative name goes into the writable path. One capture at a time:
    // a second call before the frame is drawn is ignored.
    CC_DLL void captureScreen(const std::function<void(bool, const std::string&)>& afterCaptured,
                              const std::string& filename);
    // Seconds since the epoch, with fractions.
    CC_DLL double gettime();
    CC_DLL long long getTimeInMilliseconds();
    template<typename T>
    T findChild(Node* levelRoot, const std::string& name)
    {
        return dynamic_cast<T>(findChild(levelRoot, name));
    }
    template<typename T>
    T findChild(Node* levelRoot, int tag)
    {
        return dynamic_cast<T>(findChild(levelRoot, tag));
    }
}

NS_CC_END

#endif
