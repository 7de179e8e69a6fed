// What the three views share: the scales, pixel arithmetic that never overflows, the erase,
// the scale bar, and the tests that darken a satellite hidden by the disc or eclipsed.
#pragma once

#include "core/settings.h"
#include "display/canvas.h"
#include "satellites/satellite_record.h"

namespace vireon {

// Base scale of the views: 3 arcseconds per pixel at zoom 1.
Extended ViewScale(int zoomFactor);
// The scale of the disc and the scale bar: Uranus, Neptune and Pluto are drawn no smaller than
// 1, 0.5 and 0.02 arcseconds per pixel, whatever the zoom.
Extended DiscScale(PlanetId planet, int zoomFactor);

// base + delta and base - delta for a delta from PixelRound: NoPixel stays NoPixel (so the
// primitive is skipped) instead of overflowing.
int PixelPlus(int base, int delta);
int PixelMinus(int base, int delta);

// Grey-bordered black fill of the whole canvas.
void FillBackground(Canvas& canvas);

// Red bar of 10 arcseconds (1 for Pluto) at the bottom right, with its label, at the given
// arcseconds per pixel.
void DrawScaleBar(Canvas& canvas, PlanetId planet, Extended arcsecPerPixel);

// The planet's disc (equatorial and polar apparent diameters, not turned by the pole angle),
// centred on (cx, cy), in the planet's colour with a solid brush.
void DrawPlanetDisc(Canvas& canvas, PlanetId planet, const SatelliteRecord& record, int cx, int cy,
                    Extended arcsecPerPixel);

// Hidden by the planet. Jupiter and Saturn: the record's occultation, the line of sight through
// the satellite meeting the globe behind it. The other planets: the satellite lies behind the
// planet's centre and its sky distance hypot(X, Y) is within half the equatorial diameter.
bool HiddenByDisc(const SatelliteRecord& record, PlanetId planet, int k);
// The satellite's shadow is drawn on the disc: Jupiter and Saturn, while the record's shadow
// transit holds (the sunlight through the satellite meets the globe on the side the Earth sees).
bool ShadowOnDisc(const SatelliteRecord& record, PlanetId planet, int k);
// In the planet's shadow: Jupiter and Saturn, while the record's eclipse holds.
bool InPlanetShadow(const SatelliteRecord& record, PlanetId planet, int k);
// Either of the two, as the polar view and the legend show it (navy).
bool DarkenedBehindPlanet(const SatelliteRecord& record, PlanetId planet, int k);

// Number of satellites of the planet (0 for an unknown planet).
int SatelliteCountOf(PlanetId planet);

// The colour legend under the view: a column of two per 180 pixels, each satellite's number
// (or a dot when numbers are off) and name in its colour, navy when hidden or eclipsed.
void DrawLegend(Canvas& legend, const GlobalSettings& settings, const SatelliteRecord& record);

}  // namespace vireon
