// Export/import decoration of the image library's classes.
#pragma once

#ifdef PICTUREKIT_BUILD
#define PICTUREKIT_API __declspec(dllexport)
#else
#define PICTUREKIT_API __declspec(dllimport)
#endif
