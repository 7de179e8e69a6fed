// vireon-ephem: the satellites of a planet for given instants, computed as the Vireon program
// computes them, written to standard output as CSV or JSON lines. See --help.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "ephem/ephem_cli.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const vireon::ephem::ParseResult parsed = vireon::ephem::ParseArguments(args);
    if (parsed.Help) {
        std::cout << vireon::ephem::HelpText();
        return 0;
    }
    if (!parsed.Request) {
        std::fprintf(stderr, "vireon-ephem: %s\n", parsed.Error.c_str());
        return 2;
    }
    std::ios::sync_with_stdio(false);
    vireon::ephem::RunEphemeris(*parsed.Request, std::cout);
    std::cout.flush();
    // A full disk or a closed output: the rows are lost, so say so rather than end in silence.
    if (!std::cout) {
        std::fprintf(stderr, "vireon-ephem: cannot write the output\n");
        return 1;
    }
    return 0;
}
