#pragma once

#include <QByteArray>

namespace kovrel {
class Simulator;
}

namespace kovrel::desktop {

/// The current scenario's network picture as SVG, drawn from the simulation as it stands (the
/// router at the console, its addresses and links), in colours for a light or a dark window.
QByteArray networkPictureSvg(const Simulator& sim, bool dark);

}  // namespace kovrel::desktop
