#include "services/CConsolePrinter.h"

#include <cstdarg>
#include <iostream>

#if defined(_WIN32)
#  include <fcntl.h>
#  include <io.h>
#  include <windows.h>
#else
#  include <unistd.h>
#endif

char CConsolePrinter::buffer[1024] = {};
CConsolePrinter* CConsolePrinter::s_pInstance = nullptr;

CConsolePrinter* CConsolePrinter::GetInstance()
{
    if (s_pInstance == nullptr)
        s_pInstance = new CConsolePrinter();
    return s_pInstance;
}

void CConsolePrinter::Destroy()
{
    delete s_pInstance;
    s_pInstance = nullptr;
}

#if defined(_WIN32)

namespace {

HANDLE OpenConsoleOutput()
{
    return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

} // namespace

CConsolePrinter::CConsolePrinter()
    : m_pStream(nullptr), m_bOwnsConsole(false), m_pSavedStdHandle(nullptr), m_nSavedStdout(-1)
{
    // A process that already has a console keeps it and writes there. One
    // that is attached to something without a screen buffer (Wine started
    // from a Unix shell) lets go of it and gets a console of its own.
    m_bOwnsConsole = AllocConsole() != FALSE;
    HANDLE console = OpenConsoleOutput();
    if (console == INVALID_HANDLE_VALUE && !m_bOwnsConsole) {
        FreeConsole();
        m_bOwnsConsole = AllocConsole() != FALSE;
        console = OpenConsoleOutput();
    }
    if (console == INVALID_HANDLE_VALUE)
        return;
    m_pSavedStdHandle = GetStdHandle(STD_OUTPUT_HANDLE);
    SetStdHandle(STD_OUTPUT_HANDLE, console);

    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(console), _O_TEXT);
    if (fd < 0) {
        CloseHandle(console);
        return;
    }
    m_pStream = _fdopen(fd, "w");
    if (m_pStream == nullptr) {
        _close(fd);
        return;
    }
    setvbuf(m_pStream, nullptr, _IONBF, 0);

    // The runtime's standard output now writes to the console; what it wrote
    // to before is kept and given back when the console goes.
    fflush(stdout);
    const int stdoutFd = _fileno(stdout);
    if (stdoutFd >= 0) {
        m_nSavedStdout = _dup(stdoutFd);
        _dup2(fd, stdoutFd);
    } else {
        freopen("CONOUT$", "w", stdout);
    }
    setvbuf(stdout, nullptr, _IONBF, 0);
}

CConsolePrinter::~CConsolePrinter()
{
    std::cout.flush();
    fflush(stdout);
    if (m_nSavedStdout >= 0) {
        _dup2(m_nSavedStdout, _fileno(stdout));
        _close(m_nSavedStdout);
    }
    if (m_pStream != nullptr) {
        fclose(m_pStream);
        SetStdHandle(STD_OUTPUT_HANDLE, m_pSavedStdHandle);
    }
    if (m_bOwnsConsole)
        FreeConsole();
}

void CConsolePrinter::SetColor(unsigned long foreground, unsigned long background)
{
    SetConsoleTextAttribute(GetStdHandle(STD_OUTPUT_HANDLE), static_cast<WORD>(foreground | background));
}

#else

CConsolePrinter::CConsolePrinter() : m_pStream(stdout) {}

// Standard output belongs to the process; it stays open.
CConsolePrinter::~CConsolePrinter()
{
    std::cout.flush();
}

namespace {

// Console attribute bits: blue 1, green 2, red 4, intensity 8 (the
// background's are the same shifted by 4). Terminal colour numbers count red
// 1, green 2, blue 4.
int TerminalColorIndex(unsigned long attribute)
{
    return ((attribute & 4) ? 1 : 0) | ((attribute & 2) ? 2 : 0) | ((attribute & 1) ? 4 : 0);
}

} // namespace

std::string CConsolePrinter::TerminalColor(unsigned long foreground, unsigned long background)
{
    const unsigned long attributes = foreground | background;
    const unsigned long fore = attributes & 0x0F;
    const unsigned long back = (attributes >> 4) & 0x0F;
    const int foreCode = ((fore & 8) ? 90 : 30) + TerminalColorIndex(fore);
    const int backCode = ((back & 8) ? 100 : 40) + TerminalColorIndex(back);
    return "\x1b[" + std::to_string(foreCode) + ";" + std::to_string(backCode) + "m";
}

void CConsolePrinter::SetColor(unsigned long foreground, unsigned long background)
{
    // Escape sequences only where a terminal reads them.
    if (isatty(fileno(m_pStream)))
        std::cout << TerminalColor(foreground, background) << std::flush;
}

#endif

void CConsolePrinter::print(const char* format, ...)
{
    if (format == nullptr)
        return;
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof(buffer), format, args);
    va_end(args);
    buffer[sizeof(buffer) - 1] = 0;
    std::cout << buffer << std::endl;
}

void CConsolePrinter::printEndl()
{
    std::cout << std::endl;
}
