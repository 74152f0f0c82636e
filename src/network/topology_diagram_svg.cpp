// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include "network/topology_diagram.h"

namespace kovrel {
namespace {

// Fixed coordinates: every variant is the same chain, hosts below their LAN, each router's
// interfaces listed below it.
constexpr int kWidth = 1320;
constexpr int kHeight = 530;
// The size the drawing asks to be shown at: its own units scaled so that it fits a screen 1024
// pixels wide; a viewer may scale it further.
constexpr int kShownWidth = 1000;
constexpr int kShownHeight = (kHeight * kShownWidth + kWidth / 2) / kWidth;
constexpr int kChainY = 210;
constexpr int kRouterHalfWidth = 95;
constexpr int kRouterHalfHeight = 32;
constexpr int kCloudRx = 95;
constexpr int kCloudRy = 46;
constexpr int kHostY = 400;
constexpr int kHostHalfWidth = 60;
constexpr int kHostHalfHeight = 24;
constexpr int kTableTop = 300;
constexpr int kTableRow = 24;
constexpr int kTableHalfWidth = 195;
constexpr int kLegendY = 480;

struct Point {
  int x;
  int y;
};

Point centreOf(DiagramPlace place) {
  switch (place) {
    case DiagramPlace::leftHost1:
      return {65, kHostY};
    case DiagramPlace::leftHost2:
      return {195, kHostY};
    case DiagramPlace::leftNetwork:
      return {130, kChainY};
    case DiagramPlace::leftRouter:
      return {440, kChainY};
    case DiagramPlace::rightRouter:
      return {880, kChainY};
    case DiagramPlace::rightNetwork:
      return {1190, kChainY};
    case DiagramPlace::rightHost1:
      return {1125, kHostY};
    case DiagramPlace::rightHost2:
      return {1255, kHostY};
  }
  return {0, 0};
}

struct Colours {
  const char* background;
  const char* text;
  const char* muted;  // secondary text and the lines nobody configures
  const char* fill;   // router and host boxes
  const char* cloud;
  const char* up;
  const char* down;
  const char* adminDown;
  const char* console;  // the marker of the router at the console
  const char* onConsole;
};

constexpr Colours kLight{"#ffffff", "#1f2328", "#59636e", "#f3f5f8", "#e3eefb",
                         "#1a7f37", "#cf222e", "#8c959f", "#0b5cad", "#ffffff"};
constexpr Colours kDark{"#1e2227", "#e6edf3", "#9aa5b1", "#2a3038", "#23344a",
                        "#3fb950", "#f85149", "#8b949e", "#58a6ff", "#0d1117"};

const char* stateColour(const Colours& colours, DiagramState state) {
  switch (state) {
    case DiagramState::up:
      return colours.up;
    case DiagramState::down:
      return colours.down;
    case DiagramState::administrativelyDown:
      return colours.adminDown;
    case DiagramState::plain:
      break;
  }
  return colours.muted;
}

std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string num(int value) { return std::to_string(value); }

// A text element; `extra` holds further attributes (anchor, weight, size, colour).
void text(std::string& svg, int x, int y, std::string_view content, const std::string& extra) {
  svg += "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" " + extra + ">" + escaped(content) +
         "</text>\n";
}

std::string fillAttribute(const char* colour) { return std::string("fill=\"") + colour + "\""; }

class SvgPainter {
 public:
  SvgPainter(const TopologyDiagram& diagram, const Colours& colours)
      : diagram_(diagram), colours_(colours) {}

  std::string paint() {
    svg_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
            num(kShownWidth) + "\" height=\"" + num(kShownHeight) + "\" viewBox=\"0 0 " +
            num(kWidth) + " " + num(kHeight) +
            "\" font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\">\n";
    svg_ += "<title>" + escaped(diagram_.title) + "</title>\n";
    svg_ += "<rect width=\"100%\" height=\"100%\" " + fillAttribute(colours_.background) + "/>\n";
    text(svg_, 40, 50, diagram_.title,
         "font-size=\"22\" font-weight=\"bold\" " + fillAttribute(colours_.text));
    for (const DiagramLink& link : diagram_.links) paintLink(link);
    for (const DiagramNode& node : diagram_.nodes) paintNode(node);
    paintLegend();
    svg_ += "</svg>\n";
    return svg_;
  }

 private:
  // Links run from centre to centre, hidden under the nodes drawn over them; each half takes
  // the state of its own end, so a serial link can show which side is shut.
  void paintLink(const DiagramLink& link) {
    const Point from = centreOf(link.from);
    const Point to = centreOf(link.to);
    const Point middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
    paintLine(from, middle, diagram_.endState(link, true));
    paintLine(middle, to, diagram_.endState(link, false));
    const std::string small = "font-size=\"13\" " + fillAttribute(colours_.text);
    if (!link.fromInterface.empty()) {
      text(svg_, from.x + kRouterHalfWidth + 8, from.y - 12, link.fromInterface, small);
    }
    if (!link.toInterface.empty()) {
      text(svg_, to.x - kRouterHalfWidth - 8, to.y - 12, link.toInterface,
           "text-anchor=\"end\" " + small);
    }
    if (!link.label.empty()) {
      text(svg_, (from.x + to.x) / 2, from.y + 26, link.label,
           "text-anchor=\"middle\" font-size=\"13\" " + fillAttribute(colours_.muted));
    }
  }

  void paintLine(Point from, Point to, DiagramState state) {
    const bool plain = state == DiagramState::plain;
    std::string style = std::string("stroke=\"") + stateColour(colours_, state) +
                        "\" stroke-width=\"" + (plain ? "2" : "6") + "\"";
    if (plain) style += " stroke-dasharray=\"7 5\"";
    svg_ += "<line x1=\"" + num(from.x) + "\" y1=\"" + num(from.y) + "\" x2=\"" + num(to.x) +
            "\" y2=\"" + num(to.y) + "\" " + style + "/>\n";
  }

  void paintNode(const DiagramNode& node) {
    switch (node.kind) {
      case DiagramNodeKind::router:
        paintRouter(node);
        break;
      case DiagramNodeKind::host:
        paintBox(centreOf(node.place), kHostHalfWidth, kHostHalfHeight, colours_.muted, 1);
        paintTwoLines(centreOf(node.place), node.label, node.address, 13);
        break;
      case DiagramNodeKind::network: {
        const Point at = centreOf(node.place);
        svg_ += "<ellipse cx=\"" + num(at.x) + "\" cy=\"" + num(at.y) + "\" rx=\"" + num(kCloudRx) +
                "\" ry=\"" + num(kCloudRy) + "\" " + fillAttribute(colours_.cloud) + " stroke=\"" +
                colours_.muted + "\"/>\n";
        paintTwoLines(at, node.label, node.address, 15);
        break;
      }
    }
  }

  void paintBox(Point at, int halfWidth, int halfHeight, const char* stroke, int strokeWidth) {
    svg_ += "<rect x=\"" + num(at.x - halfWidth) + "\" y=\"" + num(at.y - halfHeight) +
            "\" width=\"" + num(2 * halfWidth) + "\" height=\"" + num(2 * halfHeight) +
            "\" rx=\"8\" " + fillAttribute(colours_.fill) + " stroke=\"" + stroke +
            "\" stroke-width=\"" + num(strokeWidth) + "\"/>\n";
  }

  // A bold first line and, when there is one, a second line below it.
  void paintTwoLines(Point at, std::string_view first, std::string_view second, int size) {
    const std::string common =
        "text-anchor=\"middle\" font-size=\"" + num(size) + "\" " + fillAttribute(colours_.text);
    const int firstY = second.empty() ? at.y + size / 3 : at.y - 3;
    text(svg_, at.x, firstY, first, common + " font-weight=\"bold\"");
    if (!second.empty()) text(svg_, at.x, at.y + size + 1, second, common);
  }

  void paintRouter(const DiagramNode& router) {
    const Point at = centreOf(router.place);
    paintBox(at, kRouterHalfWidth, kRouterHalfHeight,
             router.atConsole ? colours_.console : colours_.muted, router.atConsole ? 4 : 2);
    text(svg_, at.x, at.y + 6, router.label,
         "text-anchor=\"middle\" font-size=\"17\" font-weight=\"bold\" " +
             fillAttribute(colours_.text));
    if (router.atConsole) paintConsoleBadge(at.x - 70, at.y - kRouterHalfHeight - 34);
    paintInterfaceTable(at.x - kTableHalfWidth, router.interfaces);
  }

  // The router's interfaces on a panel below it, one row each, as `show interfaces` sees them.
  void paintInterfaceTable(int x, const std::vector<DiagramInterface>& interfaces) {
    const int rows = static_cast<int>(interfaces.size());
    svg_ += "<rect x=\"" + num(x - 12) + "\" y=\"" + num(kTableTop - 22) + "\" width=\"" +
            num(2 * kTableHalfWidth + 30) + "\" height=\"" + num(rows * kTableRow + 12) +
            "\" rx=\"6\" " + fillAttribute(colours_.fill) + "/>\n";
    int y = kTableTop;
    for (const DiagramInterface& interface : interfaces) {
      paintInterfaceRow(x, y, interface);
      y += kTableRow;
    }
  }

  void paintConsoleBadge(int x, int y) {
    svg_ += "<rect x=\"" + num(x) + "\" y=\"" + num(y) +
            "\" width=\"140\" height=\"24\" rx=\"12\" " + fillAttribute(colours_.console) + "/>\n";
    text(svg_, x + 70, y + 17, "at the console",
         "text-anchor=\"middle\" font-size=\"13\" font-weight=\"bold\" " +
             fillAttribute(colours_.onConsole));
  }

  void paintInterfaceRow(int x, int y, const DiagramInterface& interface) {
    const char* colour = stateColour(colours_, interface.state);
    if (interface.state != DiagramState::plain) {
      svg_ += "<circle cx=\"" + num(x + 7) + "\" cy=\"" + num(y - 5) + "\" r=\"6\" " +
              fillAttribute(colour) + "/>\n";
    }
    const std::string font = "font-size=\"14\" ";
    text(svg_, x + 20, y, interface.name,
         font + "font-weight=\"bold\" " + fillAttribute(colours_.text));
    const std::string address = interface.address.empty() ? "no address" : interface.address;
    text(svg_, x + 112, y, address,
         font + fillAttribute(interface.address.empty() ? colours_.muted : colours_.text));
    text(svg_, x + 242, y, diagramStateText(interface.state), font + fillAttribute(colour));
  }

  void paintLegendLine(int x, DiagramState state, std::string_view label) {
    const bool plain = state == DiagramState::plain;
    svg_ += "<line x1=\"" + num(x) + "\" y1=\"" + num(kLegendY) + "\" x2=\"" + num(x + 40) +
            "\" y2=\"" + num(kLegendY) + "\" stroke=\"" + stateColour(colours_, state) +
            "\" stroke-width=\"" + (plain ? "2\" stroke-dasharray=\"7 5\"" : "6\"") + "/>\n";
    text(svg_, x + 50, kLegendY + 5, label, "font-size=\"14\" " + fillAttribute(colours_.text));
  }

  void paintLegend() {
    svg_ += "<line x1=\"40\" y1=\"" + num(kLegendY - 28) + "\" x2=\"" + num(kWidth - 40) +
            "\" y2=\"" + num(kLegendY - 28) + "\" stroke=\"" + colours_.muted +
            "\" stroke-width=\"1\"/>\n";
    paintLegendLine(40, DiagramState::up, "up");
    paintLegendLine(170, DiagramState::down, "down");
    paintLegendLine(310, DiagramState::administrativelyDown, "administratively down");
    paintLegendLine(580, DiagramState::plain, "not configured here");
    paintConsoleBadge(840, kLegendY - 12);
    text(svg_, 990, kLegendY + 5, "the router you type into",
         "font-size=\"14\" " + fillAttribute(colours_.text));
  }

  const TopologyDiagram& diagram_;
  const Colours& colours_;
  std::string svg_;
};

}  // namespace

std::string renderDiagramSvg(const TopologyDiagram& diagram, DiagramPalette palette) {
  return SvgPainter(diagram, palette == DiagramPalette::dark ? kDark : kLight).paint();
}

}  // namespace kovrel
