#ifndef __CC_RENDERER_H__
#define __CC_RENDERER_H__

#include <stack>
#include <vector>

#include "base/ccTypes.h"
#include "math/CCGeometry.h"
#include "math/Mat4.h"
#include "platform/CCGL.h"
#include "renderer/CCRenderCommand.h"
#include "renderer/CCSoftwareRenderer.h"

NS_CC_BEGIN

class GroupCommand;

/** Collects the commands of one frame in queues and plays them back in
 *  order: queue 0 first, sorted by global z-order (stable, so equal orders
 *  keep the order of the visit); a group command plays its own queue at its
 *  place. Custom commands run their functions; quads are drawn into the
 *  software back end's frame, which clear() starts. What was played back in
 *  the last frame can be listed. */
class CC_DLL Renderer
{
public:
    static const int VBO_SIZE = 65536;
    static const int INDEX_VBO_SIZE = VBO_SIZE * 6 / 4;
    static const int BATCH_TRIAGCOMMAND_RESERVED_SIZE = 64;
    static const int MATERIAL_ID_DO_NOT_BATCH = 0;

    /** What one played-back command was. */
    struct DrawnCommand
    {
        RenderCommand::Type type;
        float globalOrder;
        GLuint textureID;
        ssize_t quadCount;
    };

    Renderer();
    ~Renderer();

    void initGLView() {}

    void addCommand(RenderCommand* command);
    void addCommand(RenderCommand* command, int renderQueue);

    void pushGroup(int renderQueueID);
    void popGroup();

    int createRenderQueue();

    /** Plays back and empties every queue. */
    void render();
    /** Drops the recorded commands without playing them. */
    void clean();
    /** Starts a frame: the view's frame size, in the clear colour. */
    void clear();

    void setClearColor(const Color4F& clearColor) { _clearColor = clearColor; }
    const Color4F& getClearColor() const { return _clearColor; }

    ssize_t getDrawnBatches() const { return _drawnBatches; }
    void addDrawnBatches(ssize_t number) { _drawnBatches += number; }
    ssize_t getDrawnVertices() const { return _drawnVertices; }
    void addDrawnVertices(ssize_t number) { _drawnVertices += number; }
    void clearDrawStats()
    {
        _drawnBatches = 0;
        _drawnVertices = 0;
    }

    void setDepthTest(bool enable) { _depthTest = enable; }
    bool getDepthTest() const { return _depthTest; }

    /** Whether a node of that size under that transform can be seen in the
     *  director's visible rectangle (the culling test of sprites). */
    bool checkVisibility(const Mat4& transform, const Size& size);

    /** The commands played back by the last render(), in order. */
    const std::vector<DrawnCommand>& getLastFrameCommands() const { return _lastFrame; }

    /** The back end the commands are drawn into (this engine's own). */
    SoftwareRenderer* getSoftwareRenderer() { return &_software; }

protected:
    void visitQueue(int queueID, int depth);

    std::vector<std::vector<RenderCommand*>> _renderGroups;
    std::stack<int> _commandGroupStack;
    std::vector<DrawnCommand> _lastFrame;
    std::vector<DrawnCommand> _currentFrame;
    Color4F _clearColor;
    ssize_t _drawnBatches;
    ssize_t _drawnVertices;
    bool _depthTest;
    bool _isRendering;
    SoftwareRenderer _software;
};

NS_CC_END

#endif
