#include "renderer/CCRenderer.h"

#include <algorithm>
#include <cmath>

#include "base/CCDirector.h"
#include "renderer/CCCustomCommand.h"
#include "renderer/CCGroupCommand.h"
#include "renderer/CCQuadCommand.h"

NS_CC_BEGIN

namespace {
// A group may hold groups; a loop of groups stops here instead of recursing forever.
const int MAX_GROUP_DEPTH = 64;
} // namespace

Renderer::Renderer()
    : _clearColor(Color4F::BLACK), _drawnBatches(0), _drawnVertices(0), _depthTest(false), _isRendering(false)
{
    _renderGroups.emplace_back();
    _commandGroupStack.push(0);
}

Renderer::~Renderer() {}

void Renderer::addCommand(RenderCommand* command)
{
    addCommand(command, _commandGroupStack.top());
}

void Renderer::addCommand(RenderCommand* command, int renderQueue)
{
    if (!command || renderQueue < 0 || renderQueue >= static_cast<int>(_renderGroups.size())) return;
    _renderGroups[static_cast<size_t>(renderQueue)].push_back(command);
}

void Renderer::pushGroup(int renderQueueID)
{
    if (renderQueueID < 0 || renderQueueID >= static_cast<int>(_renderGroups.size())) return;
    _commandGroupStack.push(renderQueueID);
}

void Renderer::popGroup()
{
    if (_commandGroupStack.size() > 1) _commandGroupStack.pop();
}

int Renderer::createRenderQueue()
{
    _renderGroups.emplace_back();
    return static_cast<int>(_renderGroups.size()) - 1;
}

void Renderer::visitQueue(int queueID, int depth)
{
    if (depth > MAX_GROUP_DEPTH) return;
    std::vector<RenderCommand*>& queue = _renderGroups[static_cast<size_t>(queueID)];
    std::stable_sort(queue.begin(), queue.end(), [](const RenderCommand* a, const RenderCommand* b) {
        return a->getGlobalOrder() < b->getGlobalOrder();
    });
    uint32_t lastMaterial = 0;
    bool batchOpen = false;
    for (RenderCommand* command : queue)
    {
        DrawnCommand drawn{command->getType(), command->getGlobalOrder(), 0, 0};
        switch (command->getType())
        {
        case RenderCommand::Type::QUAD_COMMAND:
        {
            QuadCommand* quad = static_cast<QuadCommand*>(command);
            drawn.textureID = quad->getTextureID();
            drawn.quadCount = quad->getQuadCount();
            if (!batchOpen || quad->getMaterialID() != lastMaterial || quad->isSkipBatching()) ++_drawnBatches;
            batchOpen = true;
            lastMaterial = quad->getMaterialID();
            _drawnVertices += quad->getQuadCount() * 4;
            _currentFrame.push_back(drawn);
            _software.drawQuads(quad->getTexture(), quad->getGLProgramState(), quad->getBlendType(), quad->getQuads(),
                                quad->getQuadCount(), quad->getModelView());
            break;
        }
        case RenderCommand::Type::CUSTOM_COMMAND:
            batchOpen = false;
            _currentFrame.push_back(drawn);
            static_cast<CustomCommand*>(command)->execute();
            break;
        case RenderCommand::Type::GROUP_COMMAND:
        {
            batchOpen = false;
            _currentFrame.push_back(drawn);
            int id = static_cast<GroupCommand*>(command)->getRenderQueueID();
            if (id > 0 && id < static_cast<int>(_renderGroups.size()) && id != queueID) visitQueue(id, depth + 1);
            break;
        }
        default:
            batchOpen = false;
            _currentFrame.push_back(drawn);
            break;
        }
    }
}

void Renderer::clear()
{
    _software.beginFrame(_clearColor);
}

void Renderer::render()
{
    if (_isRendering) return;
    _isRendering = true;
    _software.prepare();
    _currentFrame.clear();
    visitQueue(0, 0);
    _lastFrame.swap(_currentFrame);
    _isRendering = false;
    clean();
}

void Renderer::clean()
{
    for (auto& queue : _renderGroups) queue.clear();
    while (_commandGroupStack.size() > 1) _commandGroupStack.pop();
}

bool Renderer::checkVisibility(const Mat4& transform, const Size& size)
{
    Director* director = Director::getInstance();
    Rect visibleRect(director->getVisibleOrigin(), director->getVisibleSize());
    float hSizeX = size.width / 2, hSizeY = size.height / 2;
    // the centre in world coordinates
    float cx = transform.m[0] * hSizeX + transform.m[4] * hSizeY + transform.m[12];
    float cy = transform.m[1] * hSizeX + transform.m[5] * hSizeY + transform.m[13];
    // half extents of the transformed box
    float wshw = std::max(std::fabs(hSizeX * transform.m[0] + hSizeY * transform.m[4]),
                          std::fabs(hSizeX * transform.m[0] - hSizeY * transform.m[4]));
    float wshh = std::max(std::fabs(hSizeX * transform.m[1] + hSizeY * transform.m[5]),
                          std::fabs(hSizeX * transform.m[1] - hSizeY * transform.m[5]));
    visibleRect.origin.x -= wshw;
    visibleRect.origin.y -= wshh;
    visibleRect.size.width += wshw * 2;
    visibleRect.size.height += wshh * 2;
    return visibleRect.containsPoint(Vec2(cx, cy));
}

NS_CC_END
