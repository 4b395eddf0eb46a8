#pragma once

// Positions and sizes inside the panel are twips: 1/1440 inch, so 15 of them make one
// pixel at the 96 dots per inch the layout was drawn for.
inline constexpr double kTwipsPerPixel = 15.0;
