#ifndef __CCSCENE_H__
#define __CCSCENE_H__

#include <string>
#include "2d/CCNode.h"

NS_CC_BEGIN

// The root of a scene graph the director runs. Its content size is the
// window size in points; its position is its bottom left corner.
class CC_DLL Scene : public Node
{
public:
    static Scene* create();
    static Scene* createWithSize(const Size& size);

    using Node::addChild;
    virtual std::string getDescription() const override;

CC_CONSTRUCTOR_ACCESS:
    Scene();
    virtual ~Scene();
    virtual bool init() override;
    bool initWithSize(const Size& size);

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Scene);
};

NS_CC_END

#endif
