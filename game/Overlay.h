// The fixed 2D layer over the play field: the HUD strip left of it, the title
// menu, the section pictures, the loading screen, the radar and the hit-stop
// flash with its cut-in.
#pragma once

void DrawOverlay();
// The rear cone occupied this frame turns the radar's frame red.
void DrawRadar(bool rearCone);
// Drawn while a freeze runs, over everything else.
void DrawHitStopLayer();
