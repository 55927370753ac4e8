#ifndef __MISCNODE_CCCLIPPING_NODE_H__
#define __MISCNODE_CCCLIPPING_NODE_H__

#include <unordered_map>

#include "2d/CCNode.h"
#include "renderer/CCCustomCommand.h"
#include "renderer/CCGroupCommand.h"

NS_CC_BEGIN

class StencilStateManager;

/** Draws its children only where its stencil node draws (or, inverted, only
 *  where it does not). The stencil is not a child: it is drawn with the
 *  clipping node's transform, is retained by it and follows its life in the
 *  running scene. With an alpha threshold below 1 only the stencil's pixels
 *  whose alpha is above the threshold count. */
class CC_DLL ClippingNode : public Node
{
public:
    static ClippingNode* create();
    static ClippingNode* create(Node* stencil);

    Node* getStencil() const;
    void setStencil(Node* stencil);

    /** Whether there is anything to clip: the node has children. */
    virtual bool hasContent() const;

    /** Only stencil pixels with an alpha above this count (1, the default,
     *  makes every pixel the stencil draws count). */
    GLfloat getAlphaThreshold() const;
    void setAlphaThreshold(GLfloat alphaThreshold);

    /** Inverted, the children are drawn where the stencil is not. */
    bool isInverted() const;
    void setInverted(bool inverted);

    virtual void onEnter() override;
    virtual void onEnterTransitionDidFinish() override;
    virtual void onExitTransitionDidStart() override;
    virtual void onExit() override;
    virtual void visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags) override;
    virtual void setCameraMask(unsigned short mask, bool applyChildren = true) override;

CC_CONSTRUCTOR_ACCESS:
    ClippingNode();
    virtual ~ClippingNode();

    virtual bool init() override;
    virtual bool init(Node* stencil);

protected:
    // Gives the stencil's subtree the alpha-test program, keeping what each
    // node had; restoreAllProgramStates puts those back.
    void setAlphaTestProgram(Node* node);
    void restoreAllProgramStates();

    Node* _stencil;
    StencilStateManager* _stencilStateManager;
    std::unordered_map<Node*, GLProgramState*> _originalStencilProgramState;

    GroupCommand _groupCommand;
    CustomCommand _beforeVisitCmd;
    CustomCommand _afterDrawStencilCmd;
    CustomCommand _afterVisitCmd;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(ClippingNode);
};

NS_CC_END

#endif
