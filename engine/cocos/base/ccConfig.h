#ifndef __CCCONFIG_H__
#define __CCCONFIG_H__

#include "platform/CCPlatformConfig.h"

// Build-time switches of the engine, at the values a desktop build uses.
#ifndef CC_ENABLE_STACKABLE_ACTIONS
#define CC_ENABLE_STACKABLE_ACTIONS 1
#endif
#ifndef CC_FIX_ARTIFACTS_BY_STRECHING_TEXEL
#define CC_FIX_ARTIFACTS_BY_STRECHING_TEXEL 0
#endif
#ifndef CC_DIRECTOR_STATS_INTERVAL
#define CC_DIRECTOR_STATS_INTERVAL (0.1f)
#endif
#ifndef CC_SPRITE_DEBUG_DRAW
#define CC_SPRITE_DEBUG_DRAW 0
#endif
#ifndef CC_LABEL_DEBUG_DRAW
#define CC_LABEL_DEBUG_DRAW 0
#endif
#ifndef CC_USE_CULLING
#define CC_USE_CULLING 1
#endif
#ifndef CC_ENABLE_GL_STATE_CACHE
#define CC_ENABLE_GL_STATE_CACHE 1
#endif
#ifndef CC_USE_PHYSICS
#define CC_USE_PHYSICS 0
#endif
#ifndef CC_USE_3D_PHYSICS
#define CC_USE_3D_PHYSICS 0
#endif
#ifndef CC_USE_NAVMESH
#define CC_USE_NAVMESH 0
#endif

#endif
