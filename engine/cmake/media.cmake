# Media half of the engine: images, fonts, property lists, JSON.
#
# Included by engine/CMakeLists.txt after the engine library target exists:
#   include(${CMAKE_CURRENT_SOURCE_DIR}/cmake/media.cmake OPTIONAL)
# It expects the library target's name in ENGINE_TARGET (defaults to "cocos2d").
#
# PNG decoding and glyph metrics come from the single-header stb libraries
# (Debian package libstb-dev), compiled into the engine itself so the native
# and the Win32 builds share one implementation. Only the .cpp files that
# instantiate them see the stb headers.
if(NOT ENGINE_TARGET)
  set(ENGINE_TARGET cocos2d)
endif()

if(NOT EXISTS /usr/include/stb/stb_image.h)
  message(WARNING "engine: /usr/include/stb missing; run scripts/setup.sh (libstb-dev)")
endif()
target_include_directories(${ENGINE_TARGET} PRIVATE /usr/include/stb)
