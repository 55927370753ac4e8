// Export marker of the Stagecraft library. Every class and free function that
// games call is declared with STAGECRAFT_API.
#pragma once

#if defined(_WIN32)
#  if defined(STAGECRAFT_BUILDING)
#    define STAGECRAFT_API __declspec(dllexport)
#  else
#    define STAGECRAFT_API __declspec(dllimport)
#  endif
#else
#  define STAGECRAFT_API __attribute__((visibility("default")))
#endif
