// Export/import decoration of the skinned control library's classes, static
// attribute records and instance pointers.
#pragma once

#ifdef SKINCTL_BUILD
#define SKINCTL_API __declspec(dllexport)
#else
#define SKINCTL_API __declspec(dllimport)
#endif
