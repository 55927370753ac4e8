// A text console for diagnostics: on Windows a console window of its own that
// printf and std::cout write to; elsewhere the process's standard output.
#pragma once

#include <cstdio>
#include <string>

#include "StagecraftExport.h"

class STAGECRAFT_API CConsolePrinter {
public:
    static CConsolePrinter* GetInstance();
    static void Destroy();

    virtual ~CConsolePrinter();

    // Formats into the shared buffer (at most 1023 characters) and writes the
    // text and an end of line to std::cout.
    void print(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    void printEndl();
    // Console attribute bits (FOREGROUND_* | BACKGROUND_*).
    void SetColor(unsigned long foreground, unsigned long background);

#if !defined(_WIN32)
    // The terminal escape sequence for the nearest colours of the console
    // attributes foreground | background.
    static std::string TerminalColor(unsigned long foreground, unsigned long background);
#endif

    static char buffer[1024];

private:
    CConsolePrinter();
    CConsolePrinter(const CConsolePrinter&) = delete;
    CConsolePrinter& operator=(const CConsolePrinter&) = delete;

    FILE* m_pStream;
#if defined(_WIN32)
    bool m_bOwnsConsole;
    void* m_pSavedStdHandle;
    int m_nSavedStdout;
#endif

    static CConsolePrinter* s_pInstance;
};
