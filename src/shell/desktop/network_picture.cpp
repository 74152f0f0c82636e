#include "shell/desktop/network_picture.h"

#include <QString>

#include "base/simulator.h"
#include "training/scenarios.h"

namespace kovrel::desktop {

// Until the diagrams are drawn from the simulation, the picture names the scenario's topology.
QByteArray networkPictureSvg(const Simulator& sim, bool dark) {
  const QString name =
      QString::fromStdString(networkPictureFile(sim.state.training, sim.state.currentRouter));
  const QString background = dark ? QStringLiteral("#1e1e1e") : QStringLiteral("#ffffff");
  const QString ink = dark ? QStringLiteral("#e6e6e6") : QStringLiteral("#202020");
  return QStringLiteral(
             "<svg xmlns='http://www.w3.org/2000/svg' width='640' height='200' "
             "viewBox='0 0 640 200'><rect width='640' height='200' fill='%1'/>"
             "<text x='320' y='105' font-family='sans-serif' font-size='20' fill='%2' "
             "text-anchor='middle'>%3</text></svg>")
      .arg(background, ink, name.toHtmlEscaped())
      .toUtf8();
}

}  // namespace kovrel::desktop
