// Stored places come from any screen the player ever had (another monitor, another scale factor,
// a damaged file), so none is trusted to be visible now.
#include "engine/window_place.h"

#include <algorithm>
#include <cmath>

#include "engine/game.h"

namespace pg {

namespace {

struct Rect {
  long long left;
  long long top;
  long long width;
  long long height;
};

long long Overlap(const Rect& a, const ScreenArea& s) {
  const long long w = std::min(a.left + a.width, 0LL + s.left + s.width) - std::max(a.left, 0LL + s.left);
  const long long h = std::min(a.top + a.height, 0LL + s.top + s.height) - std::max(a.top, 0LL + s.top);
  return w > 0 && h > 0 ? w * h : 0;
}

const ScreenArea& ScreenUnder(const Rect& window, const std::vector<ScreenArea>& screens) {
  const ScreenArea* best = &screens.front();
  long long most = 0;
  for (const ScreenArea& screen : screens) {
    const long long overlap = Overlap(window, screen);
    if (overlap > most) {
      most = overlap;
      best = &screen;
    }
  }
  return *best;
}

// The window's near edge, pulled in so that its far edge stays on the area; never past the area's
// near edge, which is where the title bar and the corner are.
long long Clamp(long long start, long long length, long long areaStart, long long areaLength) {
  return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

}  // namespace

WindowOrigin PlaceOnScreen(WindowOrigin stored, const WindowFrame& frame, const std::vector<ScreenArea>& screens) {
  if (screens.empty()) return stored;
  const long long clientLeft = std::llround(stored.left / kTwipsPerPixel);
  const long long clientTop = std::llround(stored.top / kTwipsPerPixel);
  const Rect window{clientLeft - frame.marginLeft, clientTop - frame.marginTop,
                    0LL + frame.marginLeft + frame.clientWidth + frame.marginRight,
                    0LL + frame.marginTop + frame.clientHeight + frame.marginBottom};
  const ScreenArea& area = ScreenUnder(window, screens);
  const long long left = Clamp(window.left, window.width, area.left, area.width) + frame.marginLeft;
  const long long top = Clamp(window.top, window.height, area.top, area.height) + frame.marginTop;
  return {left == clientLeft ? stored.left : static_cast<double>(left) * kTwipsPerPixel,
          top == clientTop ? stored.top : static_cast<double>(top) * kTwipsPerPixel};
}

void PlaceStoredWindows(const Game& game) {
  const std::vector<ScreenArea> screens = game.platform.AvailableScreens();
  const WindowPositions& places = game.table.status.windows;
  for (int w = 0; w < kStoredWindows; ++w) {
    const auto window = static_cast<Window>(w);
    const auto frame = game.platform.FrameOf(window);
    const WindowOrigin stored{static_cast<double>(places.left[w]), static_cast<double>(places.top[w])};
    const WindowOrigin place = frame ? PlaceOnScreen(stored, *frame, screens) : stored;
    game.platform.PlaceWindow(window, static_cast<int>(std::lround(place.left)),
                              static_cast<int>(std::lround(place.top)));
  }
}

}  // namespace pg
