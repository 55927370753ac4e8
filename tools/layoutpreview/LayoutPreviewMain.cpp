// layoutpreview: prints the widget tree of a layout file loaded at a chosen
// frame size, for game developers checking how a screen adapts.
#include <iostream>
#include <string>
#include <vector>

#include "LayoutPreview.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return RunLayoutPreview(args, std::cout, std::cerr);
}
