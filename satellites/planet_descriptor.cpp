// The planets' descriptors.
//
// Diameters (km): the catalogue values the program has always used (equatorial, polar; Pluto a
// sphere), close to the IAU working group's of the 1990s. Pluto's disc is drawn from a radius of
// 1162 km. Satellite radii (km) and mean visual magnitudes at opposition: the program's
// long-standing values, of the same era; the data panel shows Phobos and Deimos at 11.4 and 12.5.
// The rules of the projection, the zooms, the disc-scale limits and the graph factors are the
// program's own conventions, kept as they have always been.
#include "satellites/planet_descriptor.h"

#include <cassert>

#include "core/angles.h"
#include "satellites/theory.h"

namespace vireon {
namespace {

PlanetDescriptor MarsDescriptor()
{
    PlanetDescriptor d;
    d.Id = Mars;
    d.CommandName = "mars";
    d.Name = "Mars";
    d.CapitalName = "MARS";
    d.Colour = {176, 99, 61};
    d.SatelliteCount = 2;
    d.Satellites[1] = {"Phobos", 11.1L, 11.4L};
    d.Satellites[2] = {"Deimos", 6.2L, 12.5L};
    d.EquatorialDiameterKm = 6794;
    d.PolarDiameterKm = 6750;
    d.DiscEquatorialRadiusKm = 3397;
    d.DiscPolarRadiusKm = 3375;
    d.Theory = ComputeMarsSystem;
    d.OrientsOffsets = true;
    d.Polar = PolarPair::FromLongitude;
    d.TrueDistanceScale = 0.5L;  // the polar view shows Mars's satellites at half their distance
    d.RecordsMagnitudes = false;
    d.SignedPhaseAngle = true;
    d.ComputesShadows = true;
    d.AutoZoom = 40;
    d.GraphFactor = 25;
    d.MeridianLines[0] = {"MC", &CentralMeridians::Main};
    d.MeridianLineCount = 1;
    return d;
}

PlanetDescriptor JupiterDescriptor()
{
    PlanetDescriptor d;
    d.Id = Jupiter;
    d.CommandName = "jupiter";
    d.Name = "Jupiter";
    d.CapitalName = "JUPITER";
    d.Colour = {168, 142, 117};
    d.SatelliteCount = 4;
    d.Satellites[1] = {"Io", 1821.3L, 5.0L};
    d.Satellites[2] = {"Europe", 1565, 5.3L};
    d.Satellites[3] = {"Ganymède", 2634, 4.6L};
    d.Satellites[4] = {"Callisto", 2403, 5.7L};
    d.EquatorialDiameterKm = 142796;
    d.PolarDiameterKm = 133708;
    d.DiscEquatorialRadiusKm = 71398;
    d.DiscPolarRadiusKm = 66854;
    d.Theory = ComputeJupiterSystem;
    d.PlaceSatellites = PlaceJupiterSatellites;
    d.OrientsOffsets = true;
    d.Polar = PolarPair::FromEquatorOffsetAndDepth;
    d.SkyFlattening = JupiterFlattening;
    d.SignedPhaseAngle = true;
    d.ComputesShadows = true;
    d.DrawsShadows = true;
    d.AutoZoom = 1;
    d.GraphFactor = 1;
    d.PolarEarthSunMarks = true;
    // The observers' two systems: I for the equatorial belt, II for the rest (the Red Spot).
    d.MeridianLines[0] = {"MC I", &CentralMeridians::SystemI};
    d.MeridianLines[1] = {"MC II", &CentralMeridians::SystemII};
    d.MeridianLineCount = 2;
    return d;
}

PlanetDescriptor SaturnDescriptor()
{
    PlanetDescriptor d;
    d.Id = Saturn;
    d.CommandName = "saturn";
    d.Name = "Saturne";
    d.CapitalName = "SATURNE";
    d.Colour = {211, 202, 173};
    d.SatelliteCount = 8;
    d.Satellites[1] = {"Mimas", 198.8L, 12.5L};
    d.Satellites[2] = {"Encelade", 249.1L, 11.5L};
    d.Satellites[3] = {"Téthys", 523, 10.0L};
    d.Satellites[4] = {"Dioné", 560, 10.0L};
    d.Satellites[5] = {"Rhéa", 764, 9.0L};
    d.Satellites[6] = {"Titan", 2575, 8.0L};
    d.Satellites[7] = {"Hypérion", 141.5L, 14.0L};
    d.Satellites[8] = {"Japet", 718, 10.5L};
    d.EquatorialDiameterKm = 120536;
    d.PolarDiameterKm = 108728;
    d.DiscEquatorialRadiusKm = 60268;
    d.DiscPolarRadiusKm = 54364;
    d.Theory = ComputeSaturnSystem;
    d.PlaceSatellites = PlaceSaturnSatellites;
    d.OrientsOffsets = true;
    d.Polar = PolarPair::FromEquatorOffsetAndDepth;
    d.SignedPhaseAngle = true;
    d.ComputesShadows = true;
    d.DrawsShadows = true;
    d.HasRings = true;
    d.AutoZoom = 2;
    d.GraphFactor = 2;
    d.MeridianLines[0] = {"MC III", &CentralMeridians::Main};
    d.MeridianLineCount = 1;
    return d;
}

PlanetDescriptor UranusDescriptor()
{
    PlanetDescriptor d;
    d.Id = Uranus;
    d.CommandName = "uranus";
    d.Name = "Uranus";
    d.CapitalName = "URANUS";
    d.Colour = {149, 177, 189};
    d.SatelliteCount = 5;
    d.Satellites[1] = {"Miranda", 235.8L, 13.2L};
    d.Satellites[2] = {"Ariel", 578.9L, 14.0L};
    d.Satellites[3] = {"Umbriel", 584.7L, 13.0L};
    d.Satellites[4] = {"Titania", 788.9L, 13.2L};
    d.Satellites[5] = {"Obéron", 761.4L, 15.3L};
    d.EquatorialDiameterKm = 51118;
    d.PolarDiameterKm = 48946;
    d.DiscEquatorialRadiusKm = 25559;
    d.DiscPolarRadiusKm = 24473;
    d.Theory = ComputeUranusSystem;
    d.Polar = PolarPair::FromLongitude;
    d.AutoZoom = 16;
    d.MinDiscArcsecPerPixel = 1;
    d.GraphFactor = 15;
    return d;
}

PlanetDescriptor NeptuneDescriptor()
{
    PlanetDescriptor d;
    d.Id = Neptune;
    d.CommandName = "neptune";
    d.Name = "Neptune";
    d.CapitalName = "NEPTUNE";
    d.Colour = {94, 132, 233};
    d.SatelliteCount = 2;
    d.Satellites[1] = {"Triton", 1750, 13.0L};
    d.Satellites[2] = {"Néréïde", 345, 19.2L};
    d.EquatorialDiameterKm = 50538;
    d.PolarDiameterKm = 49600;
    d.DiscEquatorialRadiusKm = 25269;
    d.DiscPolarRadiusKm = 24800;
    d.Theory = ComputeNeptuneSystem;
    d.Polar = PolarPair::FromLongitude;
    d.AutoZoom = 2;
    d.MinDiscArcsecPerPixel = 0.5L;
    d.GraphFactor = 2;
    return d;
}

PlanetDescriptor PlutoDescriptor()
{
    PlanetDescriptor d;
    d.Id = Pluto;
    d.CommandName = "pluto";
    d.Name = "Pluton";
    d.CapitalName = "PLUTON";
    d.Colour = {125, 133, 148};
    d.SatelliteCount = 1;
    d.Satellites[1] = {"Charon", 606, 16.8L};
    d.EquatorialDiameterKm = 2306;
    d.PolarDiameterKm = 2306;
    d.DiscEquatorialRadiusKm = 1162;
    d.DiscPolarRadiusKm = 1162;
    d.Theory = ComputePlutoSystem;
    d.Polar = PolarPair::SkyDistanceAndAngle;
    d.SkyDistanceInEveryView = true;
    d.AutoZoom = 500;
    d.MinDiscArcsecPerPixel = 0.02L;
    d.ScaleBarArcsec = 1;
    d.GraphFactor = 50;
    return d;
}

const PlanetDescriptor Descriptors[6] = {MarsDescriptor(),    JupiterDescriptor(), SaturnDescriptor(),
                                         UranusDescriptor(), NeptuneDescriptor(), PlutoDescriptor()};

}  // namespace

const PlanetDescriptor& Planet(PlanetId p)
{
    assert(IsPlanetId(p));
    return Descriptors[(IsPlanetId(p) ? p : Jupiter) - FirstPlanet];
}

const char* SatelliteName(PlanetId p, int k)
{
    assert(IsPlanetId(p) && k >= 1 && k <= 8);
    const PlanetDescriptor& planet = Planet(p);
    return k >= 1 && k <= planet.SatelliteCount ? planet.Satellites[k].Name : "";
}

}  // namespace vireon
