// The diagnostics console: a real console on Windows, standard output elsewhere.
#include <gtest/gtest.h>

#include <string>

#include "services/CConsolePrinter.h"

#if defined(_WIN32)
#  include <windows.h>

namespace {

// The characters of the console's first rows, as far as the cursor came.
std::string ConsoleText()
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info = {};
    if (!GetConsoleScreenBufferInfo(out, &info))
        return std::string();
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwCursorPosition.Y + 1);
    std::string text(cells, '\0');
    DWORD read = 0;
    ReadConsoleOutputCharacterA(out, &text[0], cells, COORD{ 0, 0 }, &read);
    text.resize(read);
    return text;
}

size_t CountOf(const std::string& text, char c)
{
    size_t n = 0;
    for (char t : text)
        n += t == c ? 1 : 0;
    return n;
}

} // namespace

TEST(ConsolePrinter, WritesIntoItsOwnConsole)
{
    CConsolePrinter* printer = CConsolePrinter::GetInstance();
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer, CConsolePrinter::GetInstance());
    ASSERT_NE(GetConsoleWindow(), nullptr);

    printer->print("hello %d", 5);
    printf("from printf\n");
    fflush(stdout);
    const std::string text = ConsoleText();
    EXPECT_NE(text.find("hello 5"), std::string::npos) << text;
    EXPECT_NE(text.find("from printf"), std::string::npos) << text;

    printer->SetColor(FOREGROUND_GREEN | FOREGROUND_INTENSITY, BACKGROUND_BLUE);
    CONSOLE_SCREEN_BUFFER_INFO info = {};
    ASSERT_TRUE(GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info));
    EXPECT_EQ(info.wAttributes, FOREGROUND_GREEN | FOREGROUND_INTENSITY | BACKGROUND_BLUE);
    printer->SetColor(FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE, 0);

    CConsolePrinter::Destroy();
}

TEST(ConsolePrinter, LongTextIsCutAt1023Characters)
{
    CConsolePrinter* printer = CConsolePrinter::GetInstance();
    printer->print("%s", std::string(2000, 'x').c_str());
    EXPECT_EQ(CountOf(ConsoleText(), 'x'), 1023u);
    EXPECT_EQ(std::string(CConsolePrinter::buffer).size(), 1023u);
    CConsolePrinter::Destroy();
    // A new console after Destroy.
    EXPECT_NE(CConsolePrinter::GetInstance(), nullptr);
    CConsolePrinter::Destroy();
}

#else

TEST(ConsolePrinter, PrintsLinesToStandardOutput)
{
    CConsolePrinter* printer = CConsolePrinter::GetInstance();
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer, CConsolePrinter::GetInstance());

    testing::internal::CaptureStdout();
    printer->print("score %d of %s", 12, "40");
    printer->printEndl();
    printer->print("%s", std::string(2000, 'x').c_str());
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "score 12 of 40\n\n" + std::string(1023, 'x') + "\n");
    CConsolePrinter::Destroy();
}

TEST(ConsolePrinter, NearestTerminalColours)
{
    // Console attribute bits: blue 1, green 2, red 4, intensity 8; background << 4.
    EXPECT_EQ(CConsolePrinter::TerminalColor(4 | 8, 0), "\x1b[91;40m");
    EXPECT_EQ(CConsolePrinter::TerminalColor(1 | 2 | 4, 0x10), "\x1b[37;44m");
    EXPECT_EQ(CConsolePrinter::TerminalColor(2, 0x40 | 0x80), "\x1b[32;101m");
}

#endif
