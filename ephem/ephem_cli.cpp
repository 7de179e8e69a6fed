#include "ephem/ephem_cli.h"

#include <ostream>

namespace vireon::ephem {

void RunEphemeris(const EphemRequest& request, std::ostream& out)
{
    if (request.Events) RunEvents(request, out);
    else if (request.Mutual) RunMutual(request, out);
    else RunTable(request, out);
}

}  // namespace vireon::ephem
