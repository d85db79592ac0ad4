#pragma once

namespace zafku {

// Window geometry is designed in twips (1/1440 inch): 15 twips are one pixel at 96 dpi.
// Both conversions follow the screen's logical DPI so the layout scales with it.
int twips(int t);
int pixelInTwips(int px);

} // namespace zafku
